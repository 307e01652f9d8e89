// A scripted system device enumerator, registered for CLSID_SystemDeviceEnum
// in the calling process with CoRegisterClassObject, so discovery reaches it
// through CoCreateInstance like the real one.
#pragma once

#include "fake_references.h"
#include "fake_bridge_filter.h"

#include <windows.h>
#include <strmif.h>

#include <memory>
#include <string>
#include <vector>

class FakeMoniker;
class FakePropertyBag;

// One device of the device-control category, as the enumerator lists it.
struct FakeDevice {
    enum class NameKind { String, NotString, ReadFails };

    std::wstring name;
    NameKind nameKind = NameKind::String;
    bool storageFails = false;       // BindToStorage fails
    bool bindFails = false;          // BindToObject fails
    FakeBridgeFilter* filter = nullptr;
};

class FakeDeviceEnumerator final : public ICreateDevEnum, public FakeReferences {
public:
    FakeDeviceEnumerator();
    ~FakeDeviceEnumerator();

    // Registers this enumerator in place of the system one; revoked on destruction.
    void Register();

    HRESULT createFailure = S_OK;            // CoCreateInstance answers this
    HRESULT classEnumeratorResult = S_OK;    // failure, S_FALSE or S_OK
    bool noMonikerEnumerator = false;        // S_OK without an enumerator

    void Add(const FakeDevice& device);
    // Drops the scripted devices; their monikers and bags must be released.
    void ClearDevices();

    // Moniker i's calls, to show how far the search went.
    int storageBinds(size_t i) const;
    int objectBinds(size_t i) const;

    // Everything the enumerator handed out has been released.
    bool AllReleased() const;

    FAKE_UNKNOWN_FOR(ICreateDevEnum)
    STDMETHODIMP CreateClassEnumerator(REFCLSID category, IEnumMoniker** monikers, DWORD flags) override;

    // Category and flags of the last CreateClassEnumerator call.
    CLSID requestedCategory = CLSID_NULL;
    DWORD requestedFlags = 0xFFFFFFFF;

private:
    class Factory;
    class MonikerList;

    std::unique_ptr<Factory> factory_;
    std::unique_ptr<MonikerList> list_;
    std::vector<std::unique_ptr<FakeMoniker>> monikers_;
    std::vector<std::unique_ptr<FakePropertyBag>> bags_;
    DWORD cookie_ = 0;
};
