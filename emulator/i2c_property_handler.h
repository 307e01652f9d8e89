// The driver side of the I2C access property set: checks a record strictly,
// by raw byte offset, and only then acts on the card model.
#pragma once

#include "card_model.h"

#include <windows.h>

// The I2C address of the one device on the modelled bus.
inline constexpr BYTE kModelledDeviceAddress = 0xD0;

// Returns S_OK or a failure HRESULT made from a Win32 error, which it also
// leaves as the thread's last error, as a driver call through DeviceIoControl
// would.
HRESULT HandleI2CProperty(CardModel& card, const void* property, ULONG propertyLength, void* data,
                          ULONG dataLength, ULONG* bytesReturned);
