// Whole runs of the tool through its in-process entry point, against a
// scripted device enumerator and bridge: console output, exit status, what
// reached the card.
#include "app/register_fix.h"
#include "bridge/ks_control_handle.h"
#include "support/debug_output_capture.h"
#include "support/fake_device_enumerator.h"
#include "support/stdout_capture.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

constexpr WORD kTsStatem = 0xF570;
constexpr WORD kTsSync = 0xF575;

struct RunCase {
    const char* name;
    BYTE tsstatem;
    BYTE tssync;
    std::optional<WORD> failingRead;
    std::optional<WORD> failingWrite;
    const char* output;
    int status;
    size_t ksPropertyCalls;
    BYTE tsstatemAfter;
    BYTE tssyncAfter;
};

class RegisterFixRunTest : public testing::TestWithParam<RunCase> {
protected:
    void SetUp() override
    {
        g_pKsControl.Reset();
        enumerator.Register();
        FakeDevice device;
        device.name = L"7160 BDA Main Device";
        device.filter = &bridge;
        enumerator.Add(device);
    }
    void TearDown() override { g_pKsControl.Reset(); }

    FakeDeviceEnumerator enumerator;
    FakeBridgeFilter bridge;
};

TEST_P(RegisterFixRunTest, PrintsValuesAndEndsWithStatus)
{
    const RunCase& c = GetParam();
    bridge.card.registers = {{kTsStatem, c.tsstatem}, {kTsSync, c.tssync}};
    bridge.card.failingRead = c.failingRead;
    bridge.card.failingWrite = c.failingWrite;
    StdoutCapture output;

    const int status = RunRegisterFix();

    EXPECT_EQ(output.text(), c.output);
    EXPECT_EQ(status, c.status);
    EXPECT_EQ(bridge.calls.size(), c.ksPropertyCalls);
    EXPECT_EQ(bridge.card.registers.at(kTsStatem), c.tsstatemAfter);
    EXPECT_EQ(bridge.card.registers.at(kTsSync), c.tssyncAfter);
    EXPECT_TRUE(enumerator.AllReleased());
    EXPECT_EQ(bridge.count(), 1) << "the control handle keeps the filter until exit";
}

INSTANTIATE_TEST_SUITE_P(
    Registers, RegisterFixRunTest,
    testing::Values(
        RunCase{"FixesBothBits", 0x40, 0x0A, {}, {},
                "TSSTATEM = 40\nTSSTATEM = 41\nTSSYNC = 0A\nTSSYNC = 1A\n", 0, 5, 0x41, 0x1A},
        RunCase{"BitsAlreadySetAreWrittenAnyway", 0x41, 0x1A, {}, {},
                "TSSTATEM = 41\nTSSTATEM = 41\nTSSYNC = 1A\nTSSYNC = 1A\n", 0, 5, 0x41, 0x1A},
        RunCase{"OtherBitsKept", 0xFE, 0x00, {}, {},
                "TSSTATEM = FE\nTSSTATEM = FF\nTSSYNC = 00\nTSSYNC = 10\n", 0, 5, 0xFF, 0x10},
        RunCase{"FirstReadFails", 0x40, 0x0A, kTsStatem, {}, "I2C operation failed !\n", 3, 2, 0x40, 0x0A},
        RunCase{"FirstWriteFails", 0x40, 0x0A, {}, kTsStatem, "TSSTATEM = 40\nI2C operation failed !\n", 3, 3, 0x40,
                0x0A},
        RunCase{"SecondReadFailsAfterFirstWrite", 0x40, 0x0A, kTsSync, {},
                "TSSTATEM = 40\nTSSTATEM = 41\nI2C operation failed !\n", 3, 4, 0x41, 0x0A},
        RunCase{"SecondWriteFails", 0x40, 0x0A, {}, kTsSync,
                "TSSTATEM = 40\nTSSTATEM = 41\nTSSYNC = 0A\nI2C operation failed !\n", 3, 5, 0x41, 0x0A}),
    [](const testing::TestParamInfo<RunCase>& info) { return info.param.name; });

// A card that cannot be reached is reported as not found, whatever the reason.
struct NotFoundCase {
    const char* name;
    HRESULT classEnumerator;
    bool answersKsControl;
    bool probeFails;
    BYTE probeAnswer;
};

class CardNotFoundTest : public testing::TestWithParam<NotFoundCase> {};

TEST_P(CardNotFoundTest, PrintsNotFoundAndReturnsOne)
{
    const NotFoundCase& c = GetParam();
    g_pKsControl.Reset();
    FakeDeviceEnumerator enumerator;
    enumerator.Register();
    enumerator.classEnumeratorResult = c.classEnumerator;
    FakeBridgeFilter bridge;
    bridge.answersKsControl = c.answersKsControl;
    bridge.card.probeFails = c.probeFails;
    bridge.card.probeAnswer = c.probeAnswer;
    FakeDevice device;
    device.name = L"7160 BDA Main Device";
    device.filter = &bridge;
    enumerator.Add(device);
    StdoutCapture output;

    EXPECT_EQ(RunRegisterFix(), 1);

    EXPECT_EQ(output.text(), "Halvenor HD not found!\n");
    EXPECT_LE(bridge.calls.size(), 1u) << "nothing but the probe may reach the card";
    EXPECT_EQ(bridge.card.writes, 0);
    g_pKsControl.Reset();
}

INSTANTIATE_TEST_SUITE_P(Reasons, CardNotFoundTest,
                         testing::Values(NotFoundCase{"NoDeviceControlFilters", S_FALSE, true, false, 1},
                                         NotFoundCase{"NoKsControl", S_OK, false, false, 1},
                                         NotFoundCase{"ProbeFails", S_OK, true, true, 1},
                                         NotFoundCase{"ProbeAnswersZero", S_OK, true, false, 0}),
                         [](const testing::TestParamInfo<NotFoundCase>& info) { return info.param.name; });

// COM initialisation fails for real: the thread is already multithreaded.
struct ComFailureCase {
    const char* name;
    DWORD lastError;
};

class ComInitFailureTest : public testing::TestWithParam<ComFailureCase> {};

TEST_P(ComInitFailureTest, ReportsLastErrorTextAndReturnsMinusOne)
{
    const ComFailureCase& c = GetParam();
    int status = 0;
    std::string text;
    std::thread worker([&] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        StdoutCapture output;
        SetLastError(c.lastError);
        status = RunRegisterFix();
        text = output.text();
        CoUninitialize();
    });
    worker.join();

    std::string expected = "CoInitializeEx() : Failed to initialize COM library !";
    const std::string systemText = SystemText(c.lastError);
    if (!systemText.empty()) {
        expected += "\t" + systemText + "\n";
    }
    EXPECT_EQ(status, -1);
    EXPECT_EQ(text, expected);
}

INSTANTIATE_TEST_SUITE_P(LastErrors, ComInitFailureTest,
                         testing::Values(ComFailureCase{"WithSystemText", ERROR_ACCESS_DENIED},
                                         ComFailureCase{"WithoutSystemText", 0x20000001},
                                         // Facility-8 codes are not reduced on the console.
                                         ComFailureCase{"Facility8Whole", 0x80080005}),
                         [](const testing::TestParamInfo<ComFailureCase>& info) { return info.param.name; });

TEST(ComInitFailureText, SystemTextEndsTheLineWithTab)
{
    StdoutCapture output;
    SetLastError(ERROR_ACCESS_DENIED);
    ReportComInitFailure();
    const std::string text = output.text();
    const std::string prefix = "CoInitializeEx() : Failed to initialize COM library !\t";
    ASSERT_EQ(text.compare(0, prefix.size(), prefix), 0) << text;
    EXPECT_GT(text.size(), prefix.size() + 1);
}

}  // namespace
