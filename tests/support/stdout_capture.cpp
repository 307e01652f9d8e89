#include "stdout_capture.h"

#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

#include <fstream>
#include <sstream>

StdoutCapture::StdoutCapture()
{
    char directory[MAX_PATH];
    char file[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    GetTempFileNameA(directory, "out", 0, file);
    path_ = file;

    fflush(stdout);
    savedStdout_ = _dup(_fileno(stdout));
    const int capture = _open(path_.c_str(), _O_WRONLY | _O_TRUNC | _O_TEXT);
    _dup2(capture, _fileno(stdout));
    _close(capture);
}

StdoutCapture::~StdoutCapture()
{
    Restore();
    DeleteFileA(path_.c_str());
}

void StdoutCapture::Restore()
{
    if (savedStdout_ < 0) {
        return;
    }
    fflush(stdout);
    _dup2(savedStdout_, _fileno(stdout));
    _close(savedStdout_);
    savedStdout_ = -1;

    // Read back in text mode: "\r\n" as written by the runtime becomes "\n".
    std::ifstream in(path_);
    std::ostringstream content;
    content << in.rdbuf();
    text_ = content.str();
}

std::string StdoutCapture::text()
{
    Restore();
    return text_;
}
