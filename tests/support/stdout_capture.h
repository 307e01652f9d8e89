// Redirects the C runtime's standard output to a temporary file while the
// capture lives; text() gives what was written, line ends as "\n".
#pragma once

#include <string>

class StdoutCapture {
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    // Stops capturing (if still capturing) and returns the output.
    std::string text();

private:
    void Restore();

    std::string path_;
    int savedStdout_ = -1;
    std::string text_;
};
