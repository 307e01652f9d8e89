// What the emulated card holds: the register file of the device at 0xD0 and
// the failures a test has asked for.
#pragma once

#include <windows.h>

class CardModel {
public:
    virtual ~CardModel() = default;

    // The probe call fails as if the driver lacked the property set.
    virtual bool ProbeFails() = 0;
    // The byte the probe stores through pResult (0 means "no I2C access").
    virtual BYTE ProbeAnswer() = 0;
    // A transfer of this register fails like a missing acknowledge.
    virtual bool TransferFails(bool write, WORD registerAddress) = 0;

    // Both fail only when the backing store does.
    virtual BYTE ReadRegister(WORD registerAddress) = 0;
    virtual bool WriteRegister(WORD registerAddress, BYTE value) = 0;
};

// Register values the card starts from, before anything was written.
BYTE InitialRegisterValue(WORD registerAddress);
