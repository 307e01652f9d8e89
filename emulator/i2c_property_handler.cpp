#include "i2c_property_handler.h"

#include "record_layout.h"

#include <cstddef>
#include <cstring>

namespace {

// {DCDF1D99-AEAC-445C-9C1F-DEF8DF2D8C97}, byte for byte as it lies in memory.
constexpr BYTE kPropertySet[16] = {0x99, 0x1D, 0xDF, 0xDC, 0xAC, 0xAE, 0x5C, 0x44,
                                   0x9C, 0x1F, 0xDE, 0xF8, 0xDF, 0x2D, 0x8C, 0x97};

constexpr ULONG kIdCheck = 0;
constexpr ULONG kIdTransfer = 1;
constexpr ULONG kFlagGet = 1;
constexpr ULONG kFlagSet = 2;
constexpr BYTE kSelector = 1;


template <typename T>
T Field(const void* record, size_t offset)
{
    T value;
    std::memcpy(&value, static_cast<const BYTE*>(record) + offset, sizeof value);
    return value;
}

BYTE* PointerField(const void* record, size_t offset)
{
    return Field<BYTE*>(record, offset);
}

HRESULT Fail(DWORD win32Error)
{
    SetLastError(win32Error);
    return HRESULT_FROM_WIN32(win32Error);
}

HRESULT HandleCheck(CardModel& card, const void* property, ULONG propertyLength, void* data, ULONG dataLength)
{
    if (propertyLength != kRecordLayout.checkSize) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    BYTE* result = PointerField(property, kRecordLayout.pResult);
    if (Field<ULONG>(property, kRecordFlagsOffset) != kFlagGet || dataLength != 1 || data == nullptr ||
        result == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (card.ProbeFails()) {
        return Fail(ERROR_SET_NOT_FOUND);
    }
    *result = card.ProbeAnswer();
    return S_OK;
}

HRESULT HandleTransfer(CardModel& card, const void* property, ULONG propertyLength, void* data, ULONG dataLength)
{
    if (propertyLength != kRecordLayout.transferSize || dataLength != kRecordLayout.dataSize || data == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const ULONG flags = Field<ULONG>(property, kRecordFlagsOffset);
    const BYTE deviceAddress = Field<BYTE>(property, kRecordLayout.deviceAddress);
    BYTE* subAddress = PointerField(property, kRecordLayout.pSubAddress);
    BYTE* readBuffer = PointerField(property, kRecordLayout.pReadBuffer);
    const ULONG readLength = Field<ULONG>(property, kRecordLayout.readLength);
    BYTE* writeBuffer = PointerField(data, kRecordLayout.pWriteBuffer);
    const ULONG writeLength = Field<ULONG>(data, kRecordLayout.writeLength);

    const bool read = flags == kFlagGet;
    const bool soundDirection = read ? (readLength == 1 && readBuffer != nullptr && writeLength == 0)
                                     : (flags == kFlagSet && writeLength == 1 && writeBuffer != nullptr &&
                                        readLength == 0);
    if (!soundDirection || Field<BYTE>(property, kRecordLayout.selector) != kSelector || (deviceAddress & 1) != 0 ||
        Field<ULONG>(property, kRecordLayout.subAddressLength) != 2 || subAddress == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }

    const WORD registerAddress = static_cast<WORD>((subAddress[0] << 8) | subAddress[1]);
    if (deviceAddress != kModelledDeviceAddress || card.TransferFails(!read, registerAddress)) {
        return Fail(ERROR_IO_DEVICE);  // no acknowledge on the bus
    }
    if (read) {
        *readBuffer = card.ReadRegister(registerAddress);
    } else if (!card.WriteRegister(registerAddress, *writeBuffer)) {
        return Fail(ERROR_IO_DEVICE);
    }
    return S_OK;
}

}  // namespace

HRESULT HandleI2CProperty(CardModel& card, const void* property, ULONG propertyLength, void* data,
                          ULONG dataLength, ULONG* bytesReturned)
{
    if (property == nullptr || bytesReturned == nullptr || propertyLength < kRecordHeaderSize) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    *bytesReturned = 0;
    if (std::memcmp(static_cast<const BYTE*>(property) + kRecordSetOffset, kPropertySet, sizeof kPropertySet) != 0) {
        return Fail(ERROR_SET_NOT_FOUND);
    }
    switch (Field<ULONG>(property, kRecordIdOffset)) {
    case kIdCheck:
        return HandleCheck(card, property, propertyLength, data, dataLength);
    case kIdTransfer:
        return HandleTransfer(card, property, propertyLength, data, dataLength);
    default:
        return Fail(ERROR_NOT_FOUND);
    }
}
