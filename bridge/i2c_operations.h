// Probe and register transfers over the control handle. NXP_I2CRead and
// NXP_I2CWrite are declared in bridge_access.h.
#pragma once

#include "bridge_access.h"

// Returns the byte the driver stored through pResult, or 0 when the handle is
// empty or the property set is not supported.
BYTE TS_NXP_I2C_Check();
