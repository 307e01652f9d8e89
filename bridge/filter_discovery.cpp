#include "filter_discovery.h"

#include "trace_failure.h"

#include <uuids.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace {

constexpr char kFunction[] = "AttachFilter";

// A VARIANT that is initialised on construction and cleared on every way out.
class ScopedVariant {
public:
    ScopedVariant() { VariantInit(&value_); }
    ~ScopedVariant() { VariantClear(&value_); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;

    VARIANT* get() { return &value_; }
    const VARIANT& value() const { return value_; }

private:
    VARIANT value_;
};

// Only a string name whose ANSI form fits MAX_PATH bytes can match, and the
// comparison is case-sensitive.
bool IsBridgeName(const VARIANT& name)
{
    if (name.vt != VT_BSTR) {
        return false;
    }
    char ansiName[MAX_PATH];
    if (WideCharToMultiByte(CP_ACP, 0, name.bstrVal, -1, ansiName, sizeof ansiName, nullptr, nullptr) == 0) {
        return false;
    }
    return lstrcmpA(ansiName, kBridgeFriendlyName) == 0;
}

}  // namespace

HRESULT AttachFilter(IBaseFilter** ppFilter)
{
    ComPtr<ICreateDevEnum> deviceEnumerator;
    HRESULT hr = CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_ALL, IID_ICreateDevEnum,
                                  reinterpret_cast<void**>(deviceEnumerator.GetAddressOf()));
    if (FAILED(hr)) {
        TraceFailure(kFunction, "Cannot CoCreate ICreateDevEnum");
        return hr;
    }

    ComPtr<IEnumMoniker> monikers;
    hr = deviceEnumerator->CreateClassEnumerator(CLSID_DeviceControlCategory, monikers.GetAddressOf(), 0);
    if (FAILED(hr)) {
        TraceFailure(kFunction, "Cannot CreateClassEnumerator");
        return hr;
    }
    if (hr != S_OK || !monikers) {
        TraceFailure(kFunction, "Class not found");
        return hr != S_OK ? hr : S_FALSE;
    }

    ComPtr<IMoniker> moniker;
    while (monikers->Next(1, moniker.ReleaseAndGetAddressOf(), nullptr) == S_OK) {
        ComPtr<IPropertyBag> bag;
        hr = moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag, reinterpret_cast<void**>(bag.GetAddressOf()));
        if (FAILED(hr)) {
            TraceFailure(kFunction, "Cannot BindToStorage");
            return hr;
        }

        ScopedVariant name;
        if (FAILED(bag->Read(L"FriendlyName", name.get(), nullptr))) {
            TraceFailure(kFunction, "IPropertyBag->Read method failed");
            continue;
        }
        if (!IsBridgeName(name.value())) {
            continue;
        }

        ComPtr<IBaseFilter> filter;
        if (FAILED(moniker->BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                         reinterpret_cast<void**>(filter.GetAddressOf())))) {
            continue;
        }
        if (SUCCEEDED(filter->QueryInterface(IID_IBaseFilter, reinterpret_cast<void**>(ppFilter)))) {
            return S_OK;
        }
    }
    return E_HANDLE;
}
