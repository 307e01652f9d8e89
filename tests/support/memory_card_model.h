// An in-memory card for tests: registers in a map, failures chosen by the test.
#pragma once

#include "card_model.h"

#include <map>
#include <optional>

class MemoryCardModel final : public CardModel {
public:
    bool probeFails = false;
    BYTE probeAnswer = 1;
    std::optional<WORD> failingRead;
    std::optional<WORD> failingWrite;
    std::map<WORD, BYTE> registers;
    int writes = 0;

    bool ProbeFails() override { return probeFails; }
    BYTE ProbeAnswer() override { return probeAnswer; }
    bool TransferFails(bool write, WORD registerAddress) override
    {
        return write ? failingWrite == registerAddress : failingRead == registerAddress;
    }
    BYTE ReadRegister(WORD registerAddress) override
    {
        const auto found = registers.find(registerAddress);
        return found != registers.end() ? found->second : InitialRegisterValue(registerAddress);
    }
    bool WriteRegister(WORD registerAddress, BYTE value) override
    {
        registers[registerAddress] = value;
        ++writes;
        return true;
    }
};
