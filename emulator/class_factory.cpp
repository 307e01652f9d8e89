#include "class_factory.h"

#include "emulated_bridge_filter.h"

#include <new>

EmulatedBridgeFactory g_emulatedBridgeFactory;

STDMETHODIMP EmulatedBridgeFactory::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) EmulatedBridgeFactory::AddRef()
{
    InterlockedIncrement(&g_emulatorObjects);
    return 2;
}

STDMETHODIMP_(ULONG) EmulatedBridgeFactory::Release()
{
    InterlockedDecrement(&g_emulatorObjects);
    return 1;
}

STDMETHODIMP EmulatedBridgeFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object)
{
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    EmulatedBridgeFilter* filter = new (std::nothrow) EmulatedBridgeFilter();
    if (filter == nullptr) {
        return E_OUTOFMEMORY;
    }
    const HRESULT hr = filter->QueryInterface(iid, object);
    static_cast<IBaseFilter*>(filter)->Release();
    return hr;
}

STDMETHODIMP EmulatedBridgeFactory::LockServer(BOOL lock)
{
    if (lock) {
        InterlockedIncrement(&g_emulatorObjects);
    } else {
        InterlockedDecrement(&g_emulatorObjects);
    }
    return S_OK;
}
