// The emulated card's driver logic: sound records act on the register file,
// and anything unsound is refused before anything is read or written.
#include "i2c_property_handler.h"
#include "record_layout.h"
#include "support/memory_card_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

const BYTE kSet[16] = {0x99, 0x1D, 0xDF, 0xDC, 0xAC, 0xAE, 0x5C, 0x44,
                       0x9C, 0x1F, 0xDE, 0xF8, 0xDF, 0x2D, 0x8C, 0x97};

template <typename T>
void Put(std::vector<BYTE>& bytes, size_t offset, T value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// A transfer as a careful client builds it, in raw bytes.
struct Transfer {
    bool write;
    BYTE data = 0x5B;
    BYTE scratch = 0;
    BYTE subAddress[2] = {0xF5, 0x75};
    std::vector<BYTE> property = std::vector<BYTE>(kRecordLayout.transferSize);
    std::vector<BYTE> transferData = std::vector<BYTE>(kRecordLayout.dataSize);
    ULONG propertyLength = kRecordLayout.transferSize;
    ULONG dataLength = kRecordLayout.dataSize;

    explicit Transfer(bool isWrite) : write(isWrite)
    {
        std::memcpy(property.data(), kSet, sizeof kSet);
        Put<ULONG>(property, kRecordIdOffset, 1);
        Put<ULONG>(property, kRecordFlagsOffset, write ? 2 : 1);
        Put<BYTE>(property, kRecordLayout.selector, 1);
        Put<BYTE>(property, kRecordLayout.deviceAddress, 0xD0);
        Put<BYTE*>(property, kRecordLayout.pSubAddress, subAddress);
        Put<ULONG>(property, kRecordLayout.subAddressLength, 2);
        Put<BYTE*>(property, kRecordLayout.pReadBuffer, &data);
        Put<ULONG>(property, kRecordLayout.readLength, write ? 0 : 1);
        Put<BYTE*>(transferData, kRecordLayout.pWriteBuffer, write ? &data : &scratch);
        Put<ULONG>(transferData, kRecordLayout.writeLength, write ? 1 : 0);
    }

    HRESULT Send(CardModel& card)
    {
        ULONG returned = 0xFFFF;
        return HandleI2CProperty(card, property.data(), propertyLength, transferData.data(), dataLength, &returned);
    }
};

TEST(EmulatedCard, SoundTransfersReadAndWriteTheModelledRegister)
{
    MemoryCardModel card;
    Transfer read(false);
    ASSERT_EQ(read.Send(card), S_OK);
    EXPECT_EQ(read.data, 0x0A) << "TSSYNC starts at 0x0A";

    Transfer write(true);
    ASSERT_EQ(write.Send(card), S_OK);
    EXPECT_EQ(card.registers.at(0xF575), 0x5B);

    Transfer readBack(false);
    ASSERT_EQ(readBack.Send(card), S_OK);
    EXPECT_EQ(readBack.data, 0x5B);
}

struct Fault {
    const char* name;
    std::function<void(Transfer&)> spoil;
    DWORD error;
};

class UnsoundTransferTest : public testing::TestWithParam<std::tuple<Fault, bool>> {};

TEST_P(UnsoundTransferTest, IsRefusedAndChangesNothing)
{
    const auto& [fault, write] = GetParam();
    MemoryCardModel card;
    Transfer transfer(write);
    fault.spoil(transfer);
    SetLastError(0);

    EXPECT_EQ(transfer.Send(card), HRESULT_FROM_WIN32(fault.error));
    EXPECT_EQ(GetLastError(), fault.error);
    EXPECT_EQ(card.writes, 0);
    EXPECT_EQ(transfer.data, 0x5B) << "the caller's byte is untouched";
}

const Fault kFaults[] = {
    {"WrongSet", [](Transfer& t) { t.property[3] ^= 0xFF; }, ERROR_SET_NOT_FOUND},
    {"UnknownId", [](Transfer& t) { Put<ULONG>(t.property, kRecordIdOffset, 2); }, ERROR_NOT_FOUND},
    {"WrongFlags", [](Transfer& t) { Put<ULONG>(t.property, kRecordFlagsOffset, 3); }, ERROR_INVALID_PARAMETER},
    {"ShortProperty", [](Transfer& t) { t.propertyLength -= 4; }, ERROR_INVALID_PARAMETER},
    {"HeaderOnlyProperty", [](Transfer& t) { t.propertyLength = kRecordHeaderSize - 1; }, ERROR_INVALID_PARAMETER},
    {"WrongDataLength", [](Transfer& t) { t.dataLength = 1; }, ERROR_INVALID_PARAMETER},
    {"WrongSelector", [](Transfer& t) { Put<BYTE>(t.property, kRecordLayout.selector, 0); }, ERROR_INVALID_PARAMETER},
    {"ReadAddressInsteadOfWriteAddress", [](Transfer& t) { Put<BYTE>(t.property, kRecordLayout.deviceAddress, 0xD1); },
     ERROR_INVALID_PARAMETER},
    {"NothingAtDeviceAddress", [](Transfer& t) { Put<BYTE>(t.property, kRecordLayout.deviceAddress, 0xC0); },
     ERROR_IO_DEVICE},
    {"SubAddressLengthOne", [](Transfer& t) { Put<ULONG>(t.property, kRecordLayout.subAddressLength, 1); },
     ERROR_INVALID_PARAMETER},
    {"NullSubAddress", [](Transfer& t) { Put<BYTE*>(t.property, kRecordLayout.pSubAddress, nullptr); },
     ERROR_INVALID_PARAMETER},
    {"ReadAndWriteLengthsBothSet",
     [](Transfer& t) {
         Put<ULONG>(t.property, kRecordLayout.readLength, 1);
         Put<ULONG>(t.transferData, kRecordLayout.writeLength, 1);
     },
     ERROR_INVALID_PARAMETER},
    {"TwoBytesLong",
     [](Transfer& t) {
         Put<ULONG>(t.property, kRecordLayout.readLength, t.write ? 0 : 2);
         Put<ULONG>(t.transferData, kRecordLayout.writeLength, t.write ? 2 : 0);
     },
     ERROR_INVALID_PARAMETER},
    {"NullBuffer",
     [](Transfer& t) {
         Put<BYTE*>(t.property, kRecordLayout.pReadBuffer, nullptr);
         Put<BYTE*>(t.transferData, kRecordLayout.pWriteBuffer, nullptr);
     },
     ERROR_INVALID_PARAMETER},
};

INSTANTIATE_TEST_SUITE_P(Records, UnsoundTransferTest, testing::Combine(testing::ValuesIn(kFaults), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<Fault, bool>>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "Write" : "Read");
                         });

TEST(EmulatedCard, InjectedBusFailureRefusesOnlyThatRegisterAndDirection)
{
    MemoryCardModel card;
    card.failingWrite = 0xF575;
    Transfer read(false);
    EXPECT_EQ(read.Send(card), S_OK);
    Transfer write(true);
    EXPECT_EQ(write.Send(card), HRESULT_FROM_WIN32(ERROR_IO_DEVICE));
    Transfer otherRegister(true);
    otherRegister.subAddress[1] = 0x70;
    EXPECT_EQ(otherRegister.Send(card), S_OK);
    EXPECT_EQ(card.registers.count(0xF575), 0u);
    EXPECT_EQ(card.registers.at(0xF570), 0x5B);
}

TEST(EmulatedCard, ProbeStoresAnswerOnlyForSoundRecord)
{
    MemoryCardModel card;
    card.probeAnswer = 0x77;
    BYTE result = 0;
    BYTE probe = 0xFE;
    std::vector<BYTE> property(kRecordLayout.checkSize);
    std::memcpy(property.data(), kSet, sizeof kSet);
    Put<ULONG>(property, kRecordFlagsOffset, 1);
    Put<BYTE*>(property, kRecordLayout.pResult, &result);
    ULONG returned = 0;

    EXPECT_EQ(HandleI2CProperty(card, property.data(), kRecordLayout.checkSize, &probe, 2, &returned),
              HRESULT_FROM_WIN32(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(HandleI2CProperty(card, property.data(), kRecordLayout.checkSize - 4, &probe, 1, &returned),
              HRESULT_FROM_WIN32(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(HandleI2CProperty(card, property.data(), kRecordLayout.checkSize, &probe, 1, &returned), S_OK);
    EXPECT_EQ(result, 0x77);

    card.probeFails = true;
    result = 0;
    EXPECT_EQ(HandleI2CProperty(card, property.data(), kRecordLayout.checkSize, &probe, 1, &returned),
              HRESULT_FROM_WIN32(ERROR_SET_NOT_FOUND));
    EXPECT_EQ(result, 0);
}

}  // namespace
