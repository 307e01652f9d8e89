#include "card_model.h"

BYTE InitialRegisterValue(WORD registerAddress)
{
    switch (registerAddress) {
    case 0xF570:  // TSSTATEM
        return 0x40;
    case 0xF575:  // TSSYNC
        return 0x0A;
    default:
        return 0x00;
    }
}
