// Where the driver finds each field of the I2C access records, for the
// caller's pointer width. Read by raw offset, independently of any C++ struct
// a client may declare.
#pragma once

#include <windows.h>

#include <cstddef>

inline constexpr size_t kRecordSetOffset = 0;
inline constexpr size_t kRecordIdOffset = 16;
inline constexpr size_t kRecordFlagsOffset = 20;
inline constexpr ULONG kRecordHeaderSize = 24;

struct RecordLayout {
    ULONG checkSize;
    size_t pResult;
    ULONG transferSize;
    size_t selector;
    size_t deviceAddress;
    size_t pSubAddress;
    size_t subAddressLength;
    size_t pReadBuffer;
    size_t readLength;
    ULONG dataSize;
    size_t pWriteBuffer;
    size_t writeLength;
};

#if defined(_WIN64)
inline constexpr RecordLayout kRecordLayout = {40, 24, 64, 24, 25, 32, 40, 48, 56, 16, 0, 8};
#else
// The driver's 32-bit layout.
inline constexpr RecordLayout kRecordLayout = {32, 24, 48, 24, 25, 28, 32, 36, 40, 8, 0, 4};
#endif
