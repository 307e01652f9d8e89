// Collects what the process writes to the debugger output, one entry per
// OutputDebugStringA call, by watching for DBG_PRINTEXCEPTION_C in a
// vectored exception handler while the capture object lives.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class DebugOutputCapture {
public:
    DebugOutputCapture();
    ~DebugOutputCapture();
    DebugOutputCapture(const DebugOutputCapture&) = delete;
    DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

    const std::vector<std::string>& writes() const;
    void clear();

private:
    PVOID handler_;
};

// The system's message text for a code as the tool asks for it, or "" when
// there is none.
std::string SystemText(DWORD code);

// The trace a failure report is expected to write for a given last-error code.
std::vector<std::string> ExpectedTrace(const std::string& function, const std::string& message, DWORD formattedCode);
