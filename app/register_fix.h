// The tool's whole run, callable in-process: main returns its result.
#pragma once

// Exit statuses of a run.
inline constexpr int kExitFixed = 0;
inline constexpr int kExitCardNotFound = 1;
inline constexpr int kExitI2CFailed = 3;
inline constexpr int kExitComInitFailed = -1;

// Opens COM, connects to the card and sets TSSTATEM bit 0x01 and TSSYNC bit
// 0x10, printing each value before and after. Returns one of the statuses above.
int RunRegisterFix();

// Prints the COM initialisation failure with the system's text for the
// thread's last-error code, if it has one.
void ReportComInitFailure();
