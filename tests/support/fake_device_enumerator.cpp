#include "fake_device_enumerator.h"

#include <uuids.h>

#include <gtest/gtest.h>

// Property bag holding one device's friendly name.
class FakePropertyBag final : public IPropertyBag, public FakeReferences {
public:
    explicit FakePropertyBag(const FakeDevice& device) : device_(device) {}

    FAKE_UNKNOWN_FOR(IPropertyBag)

    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override
    {
        if (device_.nameKind == FakeDevice::NameKind::ReadFails || lstrcmpW(name, L"FriendlyName") != 0) {
            return E_FAIL;
        }
        if (device_.nameKind == FakeDevice::NameKind::NotString) {
            value->vt = VT_I4;
            value->lVal = 7160;
            return S_OK;
        }
        value->vt = VT_BSTR;
        value->bstrVal = SysAllocStringLen(device_.name.data(), static_cast<UINT>(device_.name.size()));
        return S_OK;
    }
    STDMETHODIMP Write(LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }

private:
    FakeDevice device_;
};

// Moniker of one device: binds to its bag and its filter as scripted.
class FakeMoniker final : public IMoniker, public FakeReferences {
public:
    FakeMoniker(const FakeDevice& device, FakePropertyBag* bag) : device_(device), bag_(bag) {}

    int storageBinds = 0;
    int objectBinds = 0;

    FAKE_UNKNOWN_FOR(IMoniker)

    STDMETHODIMP BindToStorage(IBindCtx* context, IMoniker* left, REFIID iid, void** object) override
    {
        ++storageBinds;
        *object = nullptr;
        EXPECT_EQ(context, nullptr);
        EXPECT_EQ(left, nullptr);
        if (device_.storageFails || iid != IID_IPropertyBag) {
            return STG_E_ACCESSDENIED;
        }
        return bag_->QueryInterface(iid, object);
    }
    STDMETHODIMP BindToObject(IBindCtx* context, IMoniker* left, REFIID iid, void** object) override
    {
        ++objectBinds;
        *object = nullptr;
        EXPECT_EQ(context, nullptr);
        EXPECT_EQ(left, nullptr);
        EXPECT_TRUE(iid == IID_IBaseFilter);
        if (device_.bindFails || device_.filter == nullptr) {
            return REGDB_E_CLASSNOTREG;
        }
        return device_.filter->QueryInterface(iid, object);
    }

    STDMETHODIMP GetClassID(CLSID*) override { return E_NOTIMPL; }
    STDMETHODIMP IsDirty() override { return S_FALSE; }
    STDMETHODIMP Load(IStream*) override { return E_NOTIMPL; }
    STDMETHODIMP Save(IStream*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
    STDMETHODIMP Reduce(IBindCtx*, DWORD, IMoniker**, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP ComposeWith(IMoniker*, BOOL, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP Enum(BOOL, IEnumMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP IsEqual(IMoniker*) override { return S_FALSE; }
    STDMETHODIMP Hash(DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP IsRunning(IBindCtx*, IMoniker*, IMoniker*) override { return S_FALSE; }
    STDMETHODIMP GetTimeOfLastChange(IBindCtx*, IMoniker*, FILETIME*) override { return E_NOTIMPL; }
    STDMETHODIMP Inverse(IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP CommonPrefixWith(IMoniker*, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP RelativePathTo(IMoniker*, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetDisplayName(IBindCtx*, IMoniker*, LPOLESTR*) override { return E_NOTIMPL; }
    STDMETHODIMP ParseDisplayName(IBindCtx*, IMoniker*, LPOLESTR, ULONG*, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP IsSystemMoniker(DWORD*) override { return S_FALSE; }

private:
    FakeDevice device_;
    FakePropertyBag* bag_;
};

// Moniker enumerator over the scripted devices, in order.
class FakeDeviceEnumerator::MonikerList final : public IEnumMoniker, public FakeReferences {
public:
    explicit MonikerList(const std::vector<std::unique_ptr<FakeMoniker>>& monikers) : monikers_(monikers) {}

    FAKE_UNKNOWN_FOR(IEnumMoniker)

    STDMETHODIMP Next(ULONG count, IMoniker** monikers, ULONG* fetched) override
    {
        EXPECT_EQ(count, 1u);
        EXPECT_EQ(fetched, nullptr);
        if (next_ >= monikers_.size()) {
            *monikers = nullptr;
            return S_FALSE;
        }
        *monikers = monikers_[next_++].get();
        (*monikers)->AddRef();
        return S_OK;
    }
    STDMETHODIMP Skip(ULONG) override { return E_NOTIMPL; }
    STDMETHODIMP Reset() override
    {
        next_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumMoniker**) override { return E_NOTIMPL; }

private:
    const std::vector<std::unique_ptr<FakeMoniker>>& monikers_;
    size_t next_ = 0;
};

class FakeDeviceEnumerator::Factory final : public IClassFactory, public FakeReferences {
public:
    explicit Factory(FakeDeviceEnumerator& enumerator) : enumerator_(enumerator) {}

    FAKE_UNKNOWN_FOR(IClassFactory)

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        if (FAILED(enumerator_.createFailure)) {
            return enumerator_.createFailure;
        }
        return enumerator_.QueryInterface(iid, object);
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

private:
    FakeDeviceEnumerator& enumerator_;
};

FakeDeviceEnumerator::FakeDeviceEnumerator()
    : factory_(std::make_unique<Factory>(*this)), list_(std::make_unique<MonikerList>(monikers_))
{
}

FakeDeviceEnumerator::~FakeDeviceEnumerator()
{
    if (cookie_ != 0) {
        CoRevokeClassObject(cookie_);
    }
}

void FakeDeviceEnumerator::Register()
{
    const HRESULT hr = CoRegisterClassObject(CLSID_SystemDeviceEnum, factory_.get(), CLSCTX_INPROC_SERVER,
                                             REGCLS_MULTIPLEUSE, &cookie_);
    ASSERT_EQ(hr, S_OK);
}

void FakeDeviceEnumerator::Add(const FakeDevice& device)
{
    bags_.push_back(std::make_unique<FakePropertyBag>(device));
    monikers_.push_back(std::make_unique<FakeMoniker>(device, bags_.back().get()));
}

void FakeDeviceEnumerator::ClearDevices()
{
    monikers_.clear();
    bags_.clear();
}

int FakeDeviceEnumerator::storageBinds(size_t i) const
{
    return monikers_.at(i)->storageBinds;
}

int FakeDeviceEnumerator::objectBinds(size_t i) const
{
    return monikers_.at(i)->objectBinds;
}

bool FakeDeviceEnumerator::AllReleased() const
{
    bool released = count() == 0 && list_->count() == 0;
    for (const auto& moniker : monikers_) {
        released = released && moniker->count() == 0;
    }
    for (const auto& bag : bags_) {
        released = released && bag->count() == 0;
    }
    return released;
}

STDMETHODIMP FakeDeviceEnumerator::CreateClassEnumerator(REFCLSID category, IEnumMoniker** monikers, DWORD flags)
{
    requestedCategory = category;
    requestedFlags = flags;
    *monikers = nullptr;
    if (classEnumeratorResult != S_OK || noMonikerEnumerator) {
        return classEnumeratorResult;
    }
    list_->Reset();
    return list_->QueryInterface(IID_IEnumMoniker, reinterpret_cast<void**>(monikers));
}
