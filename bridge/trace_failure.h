// Failure trace of the bridge access layer, written to the debugger output.
#pragma once

// Writes "<functionName>() : <message>\n" as four debugger writes, then the
// system's text for the thread's last-error code, if it has one.
void TraceFailure(const char* functionName, const char* message);
