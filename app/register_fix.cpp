#include "register_fix.h"

#include "bridge/bridge_access.h"

#include <objbase.h>

#include <cstdio>

namespace {

struct RegisterBit {
    BYTE address[2];  // high byte first
    BYTE bit;
    const char* format;
};

// Applied in this order.
constexpr RegisterBit kRegisterFixes[] = {
    {{0xF5, 0x70}, 0x01, "TSSTATEM = %02X\n"},
    {{0xF5, 0x75}, 0x10, "TSSYNC = %02X\n"},
};

}  // namespace

void ReportComInitFailure()
{
    const DWORD code = GetLastError();
    printf("%s() : %s", "CoInitializeEx", "Failed to initialize COM library !");
    const SystemMessage text(code);
    if (text.text() != nullptr) {
        printf("\t%s\n", text.text());
    }
}

int RunRegisterFix()
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        ReportComInitFailure();
        return kExitComInitFailed;
    }

    if (NXP_Check() == 0) {
        puts("Halvenor HD not found!");
        return kExitCardNotFound;
    }

    // Filled by each read before it is printed; zero so a value is never
    // indeterminate.
    BYTE data = 0;
    BYTE subAddress[2] = {};
    for (const RegisterBit& reg : kRegisterFixes) {
        subAddress[0] = reg.address[0];
        subAddress[1] = reg.address[1];

        if (FAILED(NXP_I2CRead(&data, subAddress))) {
            puts("I2C operation failed !");
            return kExitI2CFailed;
        }
        printf(reg.format, data);

        // Written back even when the bit is already set.
        data |= reg.bit;
        if (FAILED(NXP_I2CWrite(&data, subAddress))) {
            puts("I2C operation failed !");
            return kExitI2CFailed;
        }
        printf(reg.format, data);
    }
    return kExitFixed;
}
