// Common ground for tests of the bridge layer: the control handle starts and
// ends empty, and the debugger output is captured.
#pragma once

#include "bridge/ks_control_handle.h"
#include "support/debug_output_capture.h"
#include "support/fake_bridge_filter.h"

#include <gtest/gtest.h>

#include <cstring>

class BridgeTest : public testing::Test {
protected:
    void SetUp() override { g_pKsControl.Reset(); }
    void TearDown() override { g_pKsControl.Reset(); }

    // Puts the fake into the handle as NXP_Check would.
    void ConnectHandle(FakeBridgeFilter& filter)
    {
        ASSERT_EQ(filter.QueryInterface(IID_IKsControl, reinterpret_cast<void**>(g_pKsControl.GetAddressOf())), S_OK);
    }

    DebugOutputCapture debugOutput;
};

// A field of a recorded record, read by raw offset.
template <typename T>
T RawField(const std::vector<BYTE>& bytes, size_t offset)
{
    T value{};
    EXPECT_LE(offset + sizeof value, bytes.size()) << "field at " << offset << " lies outside the record";
    if (offset + sizeof value <= bytes.size()) {
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    }
    return value;
}
