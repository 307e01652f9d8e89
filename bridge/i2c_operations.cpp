#include "i2c_operations.h"

#include "i2c_access_records.h"
#include "ks_control_handle.h"
#include "trace_failure.h"

namespace {

constexpr UCHAR kSelector = 1;
constexpr UCHAR kDeviceAddress = 0xD0;
constexpr ULONG kSubAddressLength = 2;
constexpr UCHAR kProbeData = 0xFE;

enum class Direction { Read, Write };

// One single-byte transfer; the direction is carried by Flags and the two
// lengths, the device address is the same for both.
HRESULT Transfer(Direction direction, BYTE* data, BYTE* subAddress, const char* functionName,
                 const char* failureMessage)
{
    if (!g_pKsControl) {
        return E_NOINTERFACE;
    }
    if (data == nullptr) {
        return E_INVALIDARG;
    }

    const bool read = direction == Direction::Read;
    UCHAR scratch = 0;

    I2C_ACC_TRANSFER_PROPERTY property{};
    property.Property.Set = SAA716X_I2C_ACC_PROPERTY;
    property.Property.Id = I2C_ACC_ID_TRANSFER;
    property.Property.Flags = read ? KSPROPERTY_TYPE_GET : KSPROPERTY_TYPE_SET;
    property.Selector = kSelector;
    property.DeviceAddress = kDeviceAddress;
    property.pSubAddress = subAddress;
    property.SubAddressLength = kSubAddressLength;
    property.pReadBuffer = data;
    property.ReadLength = read ? 1 : 0;

    I2C_ACC_TRANSFER_DATA transferData{};
    transferData.pWriteBuffer = read ? &scratch : data;
    transferData.WriteLength = read ? 0 : 1;

    ULONG bytesReturned = 0;
    const HRESULT hr = g_pKsControl->KsProperty(&property.Property, sizeof property, &transferData,
                                                sizeof transferData, &bytesReturned);
    if (FAILED(hr)) {
        TraceFailure(functionName, failureMessage);
    }
    return hr;
}

}  // namespace

BYTE TS_NXP_I2C_Check()
{
    if (!g_pKsControl) {
        return 0;
    }

    UCHAR result = 0;
    UCHAR probeData = kProbeData;

    I2C_ACC_CHECK_PROPERTY property{};
    property.Property.Set = SAA716X_I2C_ACC_PROPERTY;
    property.Property.Id = I2C_ACC_ID_CHECK;
    property.Property.Flags = KSPROPERTY_TYPE_GET;
    property.pResult = &result;

    ULONG bytesReturned = 0;
    const HRESULT hr =
        g_pKsControl->KsProperty(&property.Property, sizeof property, &probeData, sizeof probeData, &bytesReturned);
    if (FAILED(hr)) {
        TraceFailure("TS_NXP_I2C_Check", "SAA716X_I2C_ACC_PROPERTY not supported !");
        return 0;
    }
    return result;
}

HRESULT NXP_I2CRead(BYTE* data, BYTE* subAddress)
{
    return Transfer(Direction::Read, data, subAddress, "NXP_I2CRead", "SAA716X_I2C_ACC_PROPERTY get failed !");
}

HRESULT NXP_I2CWrite(BYTE* data, BYTE* subAddress)
{
    return Transfer(Direction::Write, data, subAddress, "NXP_I2CWrite", "SAA716X_I2C_ACC_PROPERTY set failed !");
}
