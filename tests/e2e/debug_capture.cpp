// Runs a program under the debugger API and records what it writes to the
// debugger output, as a debug-output viewer would see it.
//
//   debug-capture.exe <record-file> <program> [arguments...]
//
// The program inherits this process's standard handles. The record file gets
// one line per OutputDebugString call, with backslash, CR and LF escaped as
// \\, \r and \n, and then "exit=<status>". The program's exit status is
// returned.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring QuoteArgument(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted.push_back(c);
    }
    quoted.append(backslashes * 2, L'\\');
    quoted.push_back(L'"');
    return quoted;
}

std::string Escape(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string ReadDebugString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO& info)
{
    const size_t charSize = info.fUnicode ? sizeof(wchar_t) : 1;
    std::vector<char> buffer(info.nDebugStringLength * charSize);
    SIZE_T read = 0;
    if (buffer.empty() ||
        !ReadProcessMemory(process, info.lpDebugStringData, buffer.data(), buffer.size(), &read)) {
        return {};
    }
    if (info.fUnicode) {
        const auto* wide = reinterpret_cast<const wchar_t*>(buffer.data());
        const int length = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(read / sizeof(wchar_t)), nullptr,
                                               0, nullptr, nullptr);
        std::string narrow(length, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(read / sizeof(wchar_t)), narrow.data(), length,
                            nullptr, nullptr);
        buffer.assign(narrow.begin(), narrow.end());
        read = buffer.size();
    }
    std::string text(buffer.data(), read);
    const size_t end = text.find('\0');
    return end == std::string::npos ? text : text.substr(0, end);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        fputs("usage: debug-capture <record-file> <program> [arguments...]\n", stderr);
        return 2;
    }
    std::wstring commandLine;
    for (int i = 2; i < argc; ++i) {
        commandLine += (i > 2 ? L" " : L"") + QuoteArgument(argv[i]);
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, DEBUG_ONLY_THIS_PROCESS, nullptr,
                        nullptr, &startup, &process)) {
        fprintf(stderr, "debug-capture: cannot start the program (error %lu)\n", GetLastError());
        return 2;
    }

    std::vector<std::string> writes;
    DWORD exitCode = 0;
    for (bool running = true; running;) {
        DEBUG_EVENT event{};
        if (!WaitForDebugEvent(&event, INFINITE)) {
            break;
        }
        DWORD continueStatus = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case OUTPUT_DEBUG_STRING_EVENT:
            writes.push_back(ReadDebugString(process.hProcess, event.u.DebugString));
            break;
        case CREATE_PROCESS_DEBUG_EVENT:
            if (event.u.CreateProcessInfo.hFile != nullptr) {
                CloseHandle(event.u.CreateProcessInfo.hFile);
            }
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile != nullptr) {
                CloseHandle(event.u.LoadDll.hFile);
            }
            break;
        case EXCEPTION_DEBUG_EVENT:
            // Only the loader's initial breakpoint is ours to handle.
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
                continueStatus = DBG_EXCEPTION_NOT_HANDLED;
            }
            break;
        case EXIT_PROCESS_DEBUG_EVENT:
            exitCode = event.u.ExitProcess.dwExitCode;
            running = false;
            break;
        default:
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, continueStatus);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    FILE* record = _wfopen(argv[1], L"wb");
    if (record == nullptr) {
        fputs("debug-capture: cannot write the record file\n", stderr);
        return 2;
    }
    for (const std::string& write : writes) {
        fprintf(record, "%s\n", Escape(write).c_str());
    }
    fprintf(record, "exit=%ld\n", static_cast<long>(exitCode));
    fclose(record);
    return static_cast<int>(exitCode);
}
