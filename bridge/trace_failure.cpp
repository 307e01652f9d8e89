#include "trace_failure.h"

#include "system_message.h"

#include <windows.h>

namespace {

constexpr DWORD kFacilityMask = 0x1FFF0000;
constexpr DWORD kFacilityWindows = 0x00080000;

}  // namespace

void TraceFailure(const char* functionName, const char* message)
{
    // Taken first: the debugger writes below may change it.
    DWORD code = GetLastError();

    OutputDebugStringA(functionName);
    OutputDebugStringA("() : ");
    OutputDebugStringA(message);
    OutputDebugStringA("\n");

    if ((code & kFacilityMask) == kFacilityWindows) {
        code &= 0xFFFF;
    }
    const SystemMessage text(code);
    if (text.text() != nullptr) {
        OutputDebugStringA(text.text());
    }
}
