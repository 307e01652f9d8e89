#include "debug_output_capture.h"

#include "bridge/system_message.h"

#ifndef DBG_PRINTEXCEPTION_C
#define DBG_PRINTEXCEPTION_C 0x40010006L
#endif

namespace {

std::vector<std::string> g_writes;

LONG CALLBACK CollectDebugString(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (record->ExceptionCode == static_cast<DWORD>(DBG_PRINTEXCEPTION_C) && record->NumberParameters >= 2) {
        // Parameters: length including the terminating NUL, then the text.
        const auto length = static_cast<size_t>(record->ExceptionInformation[0]);
        const auto* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
        g_writes.emplace_back(text, length > 0 ? length - 1 : 0);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

DebugOutputCapture::DebugOutputCapture()
{
    g_writes.clear();
    handler_ = AddVectoredExceptionHandler(1, CollectDebugString);
}

DebugOutputCapture::~DebugOutputCapture()
{
    RemoveVectoredExceptionHandler(handler_);
}

const std::vector<std::string>& DebugOutputCapture::writes() const
{
    return g_writes;
}

void DebugOutputCapture::clear()
{
    g_writes.clear();
}

std::string SystemText(DWORD code)
{
    const SystemMessage message(code);
    return message.text() != nullptr ? message.text() : "";
}

std::vector<std::string> ExpectedTrace(const std::string& function, const std::string& message, DWORD formattedCode)
{
    std::vector<std::string> trace = {function, "() : ", message, "\n"};
    const std::string text = SystemText(formattedCode);
    if (!text.empty()) {
        trace.push_back(text);
    }
    return trace;
}
