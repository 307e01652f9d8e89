// Records of the bridge driver's private I2C access property set.
//
// The driver reads these records by fixed offsets, so every offset and size
// is pinned below. A 32-bit process uses the driver's 32-bit layout; a 64-bit
// build (used for testing) uses the same fields at their natural alignment.
#pragma once

#include "ks_platform.h"

#include <cstddef>

// {DCDF1D99-AEAC-445C-9C1F-DEF8DF2D8C97}
inline constexpr GUID SAA716X_I2C_ACC_PROPERTY = {
    0xDCDF1D99, 0xAEAC, 0x445C, {0x9C, 0x1F, 0xDE, 0xF8, 0xDF, 0x2D, 0x8C, 0x97}};

inline constexpr ULONG I2C_ACC_ID_CHECK = 0;
inline constexpr ULONG I2C_ACC_ID_TRANSFER = 1;

// Probe: the driver stores a nonzero byte through pResult when I2C access works.
struct I2C_ACC_CHECK_PROPERTY {
    KSPROPERTY Property;
    PUCHAR pResult;
    ULONG Reserved;
};

// One register transfer on the bridge's I2C bus.
struct I2C_ACC_TRANSFER_PROPERTY {
    KSPROPERTY Property;
    UCHAR Selector;
    UCHAR DeviceAddress;
    PUCHAR pSubAddress;
    ULONG SubAddressLength;
    PUCHAR pReadBuffer;
    ULONG ReadLength;
    ULONG Reserved;
};

// Property data of a transfer: the bytes to send after the register address.
struct I2C_ACC_TRANSFER_DATA {
    PUCHAR pWriteBuffer;
    ULONG WriteLength;
};

static_assert(offsetof(KSPROPERTY, Set) == 0 && sizeof(GUID) == 16, "KSPROPERTY.Set");
static_assert(offsetof(KSPROPERTY, Id) == 16, "KSPROPERTY.Id");
static_assert(offsetof(KSPROPERTY, Flags) == 20, "KSPROPERTY.Flags");
static_assert(sizeof(KSPROPERTY) == 24, "KSPROPERTY size");

#if defined(_WIN64)
static_assert(offsetof(I2C_ACC_CHECK_PROPERTY, pResult) == 24, "pResult");
static_assert(offsetof(I2C_ACC_CHECK_PROPERTY, Reserved) == 32, "check Reserved");
static_assert(sizeof(I2C_ACC_CHECK_PROPERTY) == 40, "check size");

static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, Selector) == 24, "Selector");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, DeviceAddress) == 25, "DeviceAddress");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, pSubAddress) == 32, "pSubAddress");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, SubAddressLength) == 40, "SubAddressLength");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, pReadBuffer) == 48, "pReadBuffer");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, ReadLength) == 56, "ReadLength");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, Reserved) == 60, "transfer Reserved");
static_assert(sizeof(I2C_ACC_TRANSFER_PROPERTY) == 64, "transfer size");

static_assert(offsetof(I2C_ACC_TRANSFER_DATA, pWriteBuffer) == 0, "pWriteBuffer");
static_assert(offsetof(I2C_ACC_TRANSFER_DATA, WriteLength) == 8, "WriteLength");
static_assert(sizeof(I2C_ACC_TRANSFER_DATA) == 16, "transfer data size");
#else
static_assert(sizeof(void*) == 4, "32-bit layout");
static_assert(offsetof(I2C_ACC_CHECK_PROPERTY, pResult) == 24, "pResult");
static_assert(offsetof(I2C_ACC_CHECK_PROPERTY, Reserved) == 28, "check Reserved");
static_assert(sizeof(I2C_ACC_CHECK_PROPERTY) == 32, "check size");

static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, Selector) == 24, "Selector");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, DeviceAddress) == 25, "DeviceAddress");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, pSubAddress) == 28, "pSubAddress");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, SubAddressLength) == 32, "SubAddressLength");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, pReadBuffer) == 36, "pReadBuffer");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, ReadLength) == 40, "ReadLength");
static_assert(offsetof(I2C_ACC_TRANSFER_PROPERTY, Reserved) == 44, "transfer Reserved");
static_assert(sizeof(I2C_ACC_TRANSFER_PROPERTY) == 48, "transfer size");

static_assert(offsetof(I2C_ACC_TRANSFER_DATA, pWriteBuffer) == 0, "pWriteBuffer");
static_assert(offsetof(I2C_ACC_TRANSFER_DATA, WriteLength) == 4, "WriteLength");
static_assert(sizeof(I2C_ACC_TRANSFER_DATA) == 8, "transfer data size");
#endif
