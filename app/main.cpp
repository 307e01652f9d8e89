#include "register_fix.h"

// Arguments are ignored.
int main()
{
    return RunRegisterFix();
}
