// Finding the bridge filter by name and connecting the control handle, against
// a scripted device enumerator; every reference taken must be given back.
#include "bridge_fixture.h"

#include "bridge/bridge_access.h"
#include "bridge/filter_discovery.h"
#include "support/fake_device_enumerator.h"

#include <uuids.h>

#include <wrl/client.h>

#include <string>

namespace {

using Microsoft::WRL::ComPtr;
using NameKind = FakeDevice::NameKind;

const std::wstring kBridgeName = L"7160 BDA Main Device";

class DiscoveryTest : public BridgeTest {
protected:
    void SetUp() override
    {
        BridgeTest::SetUp();
        enumerator.Register();
    }

    void AddBridge(FakeBridgeFilter& filter)
    {
        FakeDevice device;
        device.name = kBridgeName;
        device.filter = &filter;
        enumerator.Add(device);
    }

    // The messages of the traces written so far, in order.
    std::vector<std::string> TraceMessages() const
    {
        std::vector<std::string> messages;
        const auto& writes = debugOutput.writes();
        for (size_t i = 0; i + 1 < writes.size(); ++i) {
            if (writes[i] == "() : ") {
                messages.push_back(writes[i + 1]);
            }
        }
        return messages;
    }

    FakeDeviceEnumerator enumerator;
};

TEST_F(DiscoveryTest, SuccessWithoutMonikerEnumeratorReadsAsEmptyCategory)
{
    // An enumerator that reports success but hands out nothing is not
    // dereferenced: it is treated like an empty category.
    enumerator.noMonikerEnumerator = true;
    ComPtr<IBaseFilter> filter;

    EXPECT_EQ(AttachFilter(filter.GetAddressOf()), S_FALSE);
    EXPECT_EQ(filter, nullptr);
    EXPECT_EQ(TraceMessages(), std::vector<std::string>{"Class not found"});
    EXPECT_TRUE(enumerator.AllReleased());
}

TEST_F(DiscoveryTest, EnumeratorCreationFailureIsTracedAndReturned)
{
    enumerator.createFailure = E_OUTOFMEMORY;
    ComPtr<IBaseFilter> filter;

    EXPECT_EQ(AttachFilter(filter.GetAddressOf()), E_OUTOFMEMORY);
    EXPECT_EQ(filter, nullptr);
    EXPECT_EQ(TraceMessages(), std::vector<std::string>{"Cannot CoCreate ICreateDevEnum"});
    EXPECT_EQ(debugOutput.writes()[0], "AttachFilter");
}

TEST_F(DiscoveryTest, ClassEnumeratorResultsOtherThanOk)
{
    struct Case {
        HRESULT result;
        const char* message;
    };
    for (const Case& c : {Case{E_FAIL, "Cannot CreateClassEnumerator"}, Case{S_FALSE, "Class not found"}}) {
        enumerator.classEnumeratorResult = c.result;
        debugOutput.clear();
        ComPtr<IBaseFilter> filter;

        EXPECT_EQ(AttachFilter(filter.GetAddressOf()), c.result);
        EXPECT_EQ(filter, nullptr);
        EXPECT_EQ(TraceMessages(), std::vector<std::string>{c.message});
        EXPECT_TRUE(enumerator.requestedCategory == CLSID_DeviceControlCategory);
        EXPECT_EQ(enumerator.requestedFlags, 0u);
        EXPECT_TRUE(enumerator.AllReleased());
    }
}

struct ScriptedDevice {
    std::wstring name;
    int filter;  // 1 or 2: which of the test's filters it binds to
    NameKind nameKind = NameKind::String;
    bool storageFails = false;
    bool bindFails = false;
};

struct SearchCase {
    const char* name;
    std::vector<ScriptedDevice> devices;
    HRESULT expected;
    int foundFilter;  // 1 or 2, or 0 for none
    std::vector<std::string> traceMessages;
};

class SearchTest : public DiscoveryTest, public testing::WithParamInterface<SearchCase> {
protected:
    FakeBridgeFilter filters[2];
};

TEST_P(SearchTest, FindsFirstMatchingDeviceThatBindsAndReleasesEverything)
{
    const SearchCase& c = GetParam();
    for (const ScriptedDevice& scripted : c.devices) {
        FakeDevice device;
        device.name = scripted.name;
        device.nameKind = scripted.nameKind;
        device.storageFails = scripted.storageFails;
        device.bindFails = scripted.bindFails;
        device.filter = &filters[scripted.filter - 1];
        enumerator.Add(device);
    }
    IBaseFilter* found = nullptr;

    EXPECT_EQ(AttachFilter(&found), c.expected);

    EXPECT_EQ(found, c.foundFilter > 0 ? static_cast<IBaseFilter*>(&filters[c.foundFilter - 1]) : nullptr);
    EXPECT_EQ(TraceMessages(), c.traceMessages);
    EXPECT_TRUE(enumerator.AllReleased());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(filters[i].count(), i + 1 == c.foundFilter ? 1 : 0) << "references on filter " << i + 1;
    }
    if (found != nullptr) {
        found->Release();
    }
}

const std::wstring kOverlongName = kBridgeName + std::wstring(MAX_PATH, L'x');

INSTANTIATE_TEST_SUITE_P(
    Devices, SearchTest,
    testing::Values(
        SearchCase{"OnlyDevice", {{kBridgeName, 1}}, S_OK, 1, {}},
        SearchCase{"EmptyEnumeration", {}, E_HANDLE, 0, {}},
        SearchCase{"NoNameMatches", {{L"Other Tuner", 1}, {L"7160 BDA Main", 2}}, E_HANDLE, 0, {}},
        SearchCase{"CaseOnlyDifference", {{L"7160 bda main device", 1}, {L"7160 BDA MAIN DEVICE", 2}}, E_HANDLE, 0, {}},
        SearchCase{"NameNotAString", {{kBridgeName, 1, NameKind::NotString}, {kBridgeName, 2}}, S_OK, 2, {}},
        SearchCase{"ReadFailureSkipsToNext",
                   {{kBridgeName, 1, NameKind::ReadFails}, {kBridgeName, 2}},
                   S_OK,
                   2,
                   {"IPropertyBag->Read method failed"}},
        SearchCase{"BagThatWillNotOpenEndsSearch",
                   {{L"Other", 1, NameKind::String, true}, {kBridgeName, 2}},
                   STG_E_ACCESSDENIED,
                   0,
                   {"Cannot BindToStorage"}},
        SearchCase{"BindFailureSkipsToNext",
                   {{kBridgeName, 1, NameKind::String, false, true}, {kBridgeName, 2}},
                   S_OK,
                   2,
                   {}},
        SearchCase{"TwoMatchingDevicesFirstWins", {{kBridgeName, 1}, {kBridgeName, 2}}, S_OK, 1, {}},
        // A name too long for the buffer never matches, and the buffer left
        // from an earlier matching name is not compared again.
        SearchCase{"OverlongNameAfterMatchThatFailedToBind",
                   {{kBridgeName, 1, NameKind::String, false, true}, {kOverlongName, 2}},
                   E_HANDLE,
                   0,
                   {}}),
    [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

TEST_F(DiscoveryTest, FilterRefusingIBaseFilterQueryIsSkipped)
{
    FakeBridgeFilter refusing;
    refusing.baseFilterAnswers = 1;  // answers BindToObject, refuses the query after it
    FakeBridgeFilter good;
    AddBridge(refusing);
    AddBridge(good);
    IBaseFilter* found = nullptr;

    EXPECT_EQ(AttachFilter(&found), S_OK);

    EXPECT_EQ(found, static_cast<IBaseFilter*>(&good));
    found->Release();
    EXPECT_TRUE(enumerator.AllReleased());
    EXPECT_EQ(refusing.count(), 0);
    EXPECT_TRUE(debugOutput.writes().empty());
}

TEST_F(DiscoveryTest, LaterMonikersAreNotLookedAtOnceFound)
{
    FakeBridgeFilter first, second;
    AddBridge(first);
    AddBridge(second);
    ComPtr<IBaseFilter> found;

    ASSERT_EQ(AttachFilter(found.GetAddressOf()), S_OK);
    EXPECT_EQ(enumerator.storageBinds(1), 0);
    EXPECT_EQ(enumerator.objectBinds(1), 0);
}

// NXP_Check: discovery, the handle and the probe together.
using ConnectionTest = DiscoveryTest;

TEST_F(ConnectionTest, ReachableBridgeLeavesHandleAsOnlyReference)
{
    FakeBridgeFilter bridge;
    bridge.card.probeAnswer = 0x5A;
    AddBridge(bridge);

    EXPECT_EQ(NXP_Check(), 0x5A);

    EXPECT_EQ(g_pKsControl.Get(), static_cast<IKsControl*>(&bridge));
    EXPECT_EQ(bridge.count(), 1) << "only the control handle may hold the filter";
    EXPECT_TRUE(enumerator.AllReleased());
    EXPECT_EQ(bridge.calls.size(), 1u);
    EXPECT_TRUE(debugOutput.writes().empty());
}

TEST_F(ConnectionTest, FilterWithoutKsControlLeavesHandleEmpty)
{
    FakeBridgeFilter bridge;
    bridge.answersKsControl = false;
    AddBridge(bridge);

    EXPECT_EQ(NXP_Check(), 0);

    EXPECT_EQ(g_pKsControl, nullptr);
    EXPECT_EQ(bridge.count(), 0);
    EXPECT_TRUE(enumerator.AllReleased());
    EXPECT_EQ(TraceMessages(), std::vector<std::string>{"m_pControlDevice->QI: Can't QI for IKsControl"});
    EXPECT_EQ(debugOutput.writes()[0], "NXP_Check");
}

TEST_F(ConnectionTest, ProbeFailingOrAnsweringZeroKeepsHandleFilled)
{
    FakeBridgeFilter bridge;
    bridge.card.probeAnswer = 0;
    AddBridge(bridge);
    for (const bool probeFails : {true, false}) {
        bridge.card.probeFails = probeFails;

        EXPECT_EQ(NXP_Check(), 0) << "probe fails: " << probeFails;

        EXPECT_EQ(g_pKsControl.Get(), static_cast<IKsControl*>(&bridge));
        EXPECT_EQ(bridge.count(), 1);
        EXPECT_TRUE(enumerator.AllReleased());
        g_pKsControl.Reset();
    }
    EXPECT_EQ(TraceMessages(), std::vector<std::string>{"SAA716X_I2C_ACC_PROPERTY not supported !"});
}

TEST_F(ConnectionTest, SecondCallReleasesFirstHandleOnlyWhenDiscoverySucceeds)
{
    FakeBridgeFilter first, second;
    AddBridge(first);
    ASSERT_EQ(NXP_Check(), 1);

    enumerator.classEnumeratorResult = S_FALSE;
    EXPECT_EQ(NXP_Check(), 0);
    EXPECT_EQ(g_pKsControl.Get(), static_cast<IKsControl*>(&first)) << "failed discovery leaves the handle";
    EXPECT_EQ(first.count(), 1);

    enumerator.classEnumeratorResult = S_OK;
    enumerator.ClearDevices();
    AddBridge(second);
    EXPECT_EQ(NXP_Check(), 1);
    EXPECT_EQ(g_pKsControl.Get(), static_cast<IKsControl*>(&second));
    EXPECT_EQ(first.count(), 0) << "the first handle was released";
    EXPECT_EQ(second.count(), 1);
}

}  // namespace
