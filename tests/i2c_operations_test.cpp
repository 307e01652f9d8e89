// What the probe, the read and the write hand to the driver, byte by byte,
// and what they make of its answers.
#include "bridge_fixture.h"

#include "bridge/i2c_operations.h"
#include "record_layout.h"

namespace {

// {DCDF1D99-AEAC-445C-9C1F-DEF8DF2D8C97} as it lies in memory.
const std::vector<BYTE> kSetBytes = {0x99, 0x1D, 0xDF, 0xDC, 0xAC, 0xAE, 0x5C, 0x44,
                                     0x9C, 0x1F, 0xDE, 0xF8, 0xDF, 0x2D, 0x8C, 0x97};

void ExpectHeader(const RecordedKsProperty& call, ULONG id, ULONG flags)
{
    const std::vector<BYTE> set(call.property.begin(), call.property.begin() + 16);
    EXPECT_EQ(set, kSetBytes);
    EXPECT_EQ(RawField<ULONG>(call.property, 16), id);
    EXPECT_EQ(RawField<ULONG>(call.property, 20), flags);
    ASSERT_NE(call.bytesReturned, nullptr);
    EXPECT_EQ(call.bytesReturnedAtCall, 0u);
}

using I2COperationsTest = BridgeTest;

TEST_F(I2COperationsTest, ProbeSendsCheckRecordAndReturnsDriversByte)
{
    FakeBridgeFilter filter;
    filter.card.probeAnswer = 0x5A;
    ConnectHandle(filter);

    EXPECT_EQ(TS_NXP_I2C_Check(), 0x5A);

    ASSERT_EQ(filter.calls.size(), 1u);
    const RecordedKsProperty& call = filter.calls[0];
    ExpectHeader(call, 0, KSPROPERTY_TYPE_GET);
    EXPECT_EQ(call.propertyLength, kRecordLayout.checkSize);
    EXPECT_EQ(call.propertyLength, sizeof(void*) == 4 ? 32u : 40u);
    EXPECT_NE(RawField<BYTE*>(call.property, kRecordLayout.pResult), nullptr);
    EXPECT_EQ(call.pointedByte.at(kRecordLayout.pResult), 0) << "result byte not zeroed before the call";
    EXPECT_EQ(call.dataLength, 1u);
    EXPECT_EQ(call.data, std::vector<BYTE>{0xFE});
    EXPECT_TRUE(debugOutput.writes().empty());
}

TEST_F(I2COperationsTest, ProbeAnsweringZeroOrNothingReturnsZeroWithoutTrace)
{
    for (const bool storesNothing : {false, true}) {
        FakeBridgeFilter filter;
        filter.card.probeAnswer = 0;
        filter.probeStoresNothing = storesNothing;
        ConnectHandle(filter);

        EXPECT_EQ(TS_NXP_I2C_Check(), 0) << "stores nothing: " << storesNothing;
        g_pKsControl.Reset();
    }
    EXPECT_TRUE(debugOutput.writes().empty());
}

TEST_F(I2COperationsTest, FailedProbeReturnsZeroAndTracesLastError)
{
    FakeBridgeFilter filter;
    filter.scriptedFailures[0] = HRESULT_FROM_WIN32(ERROR_SET_NOT_FOUND);
    filter.lastError = ERROR_SET_NOT_FOUND;
    ConnectHandle(filter);

    EXPECT_EQ(TS_NXP_I2C_Check(), 0);
    EXPECT_EQ(debugOutput.writes(),
              ExpectedTrace("TS_NXP_I2C_Check", "SAA716X_I2C_ACC_PROPERTY not supported !", ERROR_SET_NOT_FOUND));
}

TEST_F(I2COperationsTest, EmptyHandleIsCheckedFirstAndNeverTraced)
{
    BYTE data = 0;
    BYTE subAddress[2] = {0xF5, 0x70};
    EXPECT_EQ(TS_NXP_I2C_Check(), 0);
    EXPECT_EQ(NXP_I2CRead(&data, subAddress), E_NOINTERFACE);
    EXPECT_EQ(NXP_I2CWrite(&data, subAddress), E_NOINTERFACE);
    EXPECT_EQ(NXP_I2CRead(nullptr, subAddress), E_NOINTERFACE);
    EXPECT_EQ(NXP_I2CWrite(nullptr, subAddress), E_NOINTERFACE);
    EXPECT_TRUE(debugOutput.writes().empty());
}

TEST_F(I2COperationsTest, NullDataIsRefusedWithoutCallingTheDriver)
{
    FakeBridgeFilter filter;
    ConnectHandle(filter);
    BYTE subAddress[2] = {0xF5, 0x70};

    EXPECT_EQ(NXP_I2CRead(nullptr, subAddress), E_INVALIDARG);
    EXPECT_EQ(NXP_I2CWrite(nullptr, subAddress), E_INVALIDARG);
    EXPECT_TRUE(filter.calls.empty());
    EXPECT_TRUE(debugOutput.writes().empty());
}

struct TransferCase {
    const char* name;
    bool write;
    ULONG flags;
    ULONG readLength;
    ULONG writeLength;
};

class TransferRecordTest : public BridgeTest, public testing::WithParamInterface<TransferCase> {};

TEST_P(TransferRecordTest, RecordCarriesDeviceRegisterAndCallersByte)
{
    const TransferCase& c = GetParam();
    FakeBridgeFilter filter;
    filter.card.registers[0xF575] = 0x0A;
    ConnectHandle(filter);
    BYTE data = 0x5B;
    BYTE subAddress[2] = {0xF5, 0x75};

    const HRESULT hr = c.write ? NXP_I2CWrite(&data, subAddress) : NXP_I2CRead(&data, subAddress);
    EXPECT_EQ(hr, S_OK);

    ASSERT_EQ(filter.calls.size(), 1u);
    const RecordedKsProperty& call = filter.calls[0];
    ExpectHeader(call, 1, c.flags);
    EXPECT_EQ(call.propertyLength, sizeof(void*) == 4 ? 48u : 64u);
    EXPECT_EQ(call.dataLength, sizeof(void*) == 4 ? 8u : 16u);
    EXPECT_EQ(RawField<BYTE>(call.property, 24), 1) << "Selector";
    EXPECT_EQ(RawField<BYTE>(call.property, 25), 0xD0) << "DeviceAddress";
    EXPECT_EQ(RawField<BYTE*>(call.property, kRecordLayout.pSubAddress), subAddress);
    EXPECT_EQ(call.subAddress, (std::vector<BYTE>{0xF5, 0x75}));
    EXPECT_EQ(RawField<ULONG>(call.property, kRecordLayout.subAddressLength), 2u);
    EXPECT_EQ(RawField<BYTE*>(call.property, kRecordLayout.pReadBuffer), &data);
    EXPECT_EQ(RawField<ULONG>(call.property, kRecordLayout.readLength), c.readLength);
    EXPECT_EQ(RawField<ULONG>(call.data, kRecordLayout.writeLength), c.writeLength);

    BYTE* writeBuffer = RawField<BYTE*>(call.data, kRecordLayout.pWriteBuffer);
    ASSERT_NE(writeBuffer, nullptr);
    if (c.write) {
        EXPECT_EQ(writeBuffer, &data);
        EXPECT_EQ(call.pointedByte.at(kRecordLayout.pWriteBuffer), 0x5B) << "write sends the byte held at the call";
        EXPECT_EQ(filter.card.registers.at(0xF575), 0x5B);
        EXPECT_EQ(data, 0x5B);
    } else {
        EXPECT_NE(writeBuffer, &data) << "a read points the write buffer at its own scratch byte";
        EXPECT_EQ(data, 0x0A) << "a read stores the register's value in the caller's byte";
        EXPECT_EQ(filter.card.writes, 0);
    }
    EXPECT_TRUE(debugOutput.writes().empty());
}

INSTANTIATE_TEST_SUITE_P(Directions, TransferRecordTest,
                         testing::Values(TransferCase{"Read", false, KSPROPERTY_TYPE_GET, 1, 0},
                                         TransferCase{"Write", true, KSPROPERTY_TYPE_SET, 0, 1}),
                         [](const testing::TestParamInfo<TransferCase>& info) { return info.param.name; });

TEST_F(I2COperationsTest, FailedTransferReturnsDriversResultAndTraces)
{
    struct Case {
        bool write;
        const char* function;
        const char* message;
    };
    for (const Case& c : {Case{false, "NXP_I2CRead", "SAA716X_I2C_ACC_PROPERTY get failed !"},
                          Case{true, "NXP_I2CWrite", "SAA716X_I2C_ACC_PROPERTY set failed !"}}) {
        FakeBridgeFilter filter;
        filter.scriptedFailures[0] = HRESULT_FROM_WIN32(ERROR_IO_DEVICE);
        filter.lastError = ERROR_IO_DEVICE;
        ConnectHandle(filter);
        BYTE data = 0x33;
        BYTE subAddress[2] = {0xF5, 0x70};
        debugOutput.clear();

        const HRESULT hr = c.write ? NXP_I2CWrite(&data, subAddress) : NXP_I2CRead(&data, subAddress);

        EXPECT_EQ(hr, HRESULT_FROM_WIN32(ERROR_IO_DEVICE)) << c.function;
        EXPECT_EQ(debugOutput.writes(), ExpectedTrace(c.function, c.message, ERROR_IO_DEVICE));
        EXPECT_EQ(data, 0x33);
        EXPECT_EQ(g_pKsControl.Get(), static_cast<IKsControl*>(&filter)) << "a failure leaves the handle as it was";
        g_pKsControl.Reset();
    }
}

}  // namespace
