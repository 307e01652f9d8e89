// What the register fix needs of the bridge: connect to the card, then read
// and write single-byte registers of the device at I2C address 0xD0.
#pragma once

#include "system_message.h"

#include <windows.h>

// Finds the bridge filter, fills the control handle and probes I2C access.
// Returns the probe's nonzero byte when the bridge is reachable, else 0.
int NXP_Check();

// Reads one register into *data. subAddress: two bytes, high byte first.
HRESULT NXP_I2CRead(BYTE* data, BYTE* subAddress);

// Writes *data to one register. subAddress: two bytes, high byte first.
HRESULT NXP_I2CWrite(BYTE* data, BYTE* subAddress);
