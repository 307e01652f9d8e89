// The failure trace: four writes, then the system's text for the last error,
// with facility-8 codes reduced to their low 16 bits.
#include "bridge/trace_failure.h"
#include "support/debug_output_capture.h"

#include <gtest/gtest.h>

namespace {

struct TraceCase {
    const char* name;
    DWORD lastError;
    DWORD formattedCode;
};

class TraceFailureTest : public testing::TestWithParam<TraceCase> {};

TEST_P(TraceFailureTest, WritesHeaderThenSystemTextOfLastError)
{
    const TraceCase& c = GetParam();
    DebugOutputCapture capture;
    SetLastError(c.lastError);

    TraceFailure("SomeFunction", "something failed !");

    EXPECT_EQ(capture.writes(), ExpectedTrace("SomeFunction", "something failed !", c.formattedCode));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TraceFailureTest,
    testing::Values(
        // Facility 8 (FACILITY_WINDOWS): only the low 16 bits are formatted.
        TraceCase{"Facility8Reduced", 0x80080005, 0x00000005},
        TraceCase{"Facility8WithoutSeverityReduced", 0x00080002, 0x00000002},
        // Any other facility, 7 among them, is formatted whole.
        TraceCase{"Facility7Whole", 0x80070005, 0x80070005},
        TraceCase{"PlainWin32Code", ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED},
        TraceCase{"CustomerCodeWithoutText", 0x20000001, 0x20000001}),
    [](const testing::TestParamInfo<TraceCase>& info) { return info.param.name; });

TEST(TraceFailureText, Facility8CodeReadsAsItsWin32Text)
{
    // The reduction is visible: the access-denied text follows the header.
    DebugOutputCapture capture;
    SetLastError(0x80080005);
    TraceFailure("F", "m");
    ASSERT_EQ(capture.writes().size(), 5u);
    EXPECT_EQ(capture.writes()[4], SystemText(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(capture.writes()[4].empty());
}

TEST(TraceFailureText, NoSystemTextLeavesOnlyTheFourHeaderWrites)
{
    struct Case {
        const char* why;
        DWORD code;
    };
    // No text at all, and a text with inserts that cannot be had without an
    // argument list.
    for (const Case& c : {Case{"no text", 0x20000001}, Case{"inserts", ERROR_BAD_EXE_FORMAT}}) {
        DebugOutputCapture capture;
        SetLastError(c.code);
        TraceFailure("AttachFilter", "Class not found");
        EXPECT_EQ(capture.writes(), (std::vector<std::string>{"AttachFilter", "() : ", "Class not found", "\n"}))
            << c.why;
    }
}

}  // namespace
