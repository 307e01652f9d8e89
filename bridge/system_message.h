// The system's message text for an error code, as FormatMessageA gives it.
#pragma once

#include <windows.h>

class SystemMessage {
public:
    // Asks for the text without an argument list, so a text with inserts is
    // refused by the system and reads as absent.
    explicit SystemMessage(DWORD code);
    ~SystemMessage();
    SystemMessage(const SystemMessage&) = delete;
    SystemMessage& operator=(const SystemMessage&) = delete;

    // Null when the system has no text for the code.
    const char* text() const { return length_ != 0 ? text_ : nullptr; }

private:
    char* text_ = nullptr;
    DWORD length_ = 0;
};
