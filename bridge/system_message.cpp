#include "system_message.h"

SystemMessage::SystemMessage(DWORD code)
{
    length_ = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code, 0,
                             reinterpret_cast<LPSTR>(&text_), 0, nullptr);
}

SystemMessage::~SystemMessage()
{
    if (text_ != nullptr) {
        LocalFree(text_);
    }
}
