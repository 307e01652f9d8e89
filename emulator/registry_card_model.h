// The card model kept in the current user's registry, so that its registers
// outlive one run of the tool and a test can set them and inject failures.
//
// HKCU\Software\Halvenor\HD Emulator
//   FailProbe    REG_DWORD  nonzero: the probe call fails
//   ProbeResult  REG_DWORD  byte the probe answers (default 1)
//   FailRead     REG_DWORD  register address whose read fails
//   FailWrite    REG_DWORD  register address whose write fails
// HKCU\Software\Halvenor\HD Emulator\Registers
//   F570 ...     REG_DWORD  register values by 16-bit address, in hex
// Deleting the key resets the card.
#pragma once

#include "card_model.h"

inline constexpr wchar_t kEmulatorStateKey[] = L"Software\\Halvenor\\HD Emulator";

class RegistryCardModel final : public CardModel {
public:
    bool ProbeFails() override;
    BYTE ProbeAnswer() override;
    bool TransferFails(bool write, WORD registerAddress) override;
    BYTE ReadRegister(WORD registerAddress) override;
    bool WriteRegister(WORD registerAddress, BYTE value) override;
};
