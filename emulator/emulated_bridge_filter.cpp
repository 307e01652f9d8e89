#include "emulated_bridge_filter.h"

#include "i2c_property_handler.h"
#include "registry_card_model.h"

LONG g_emulatorObjects = 0;

EmulatedBridgeFilter::EmulatedBridgeFilter()
{
    InterlockedIncrement(&g_emulatorObjects);
}

EmulatedBridgeFilter::~EmulatedBridgeFilter()
{
    // Lets a run under a debugger see that the last reference went away.
    OutputDebugStringA("halvenor-emu: filter released\n");
    InterlockedDecrement(&g_emulatorObjects);
}

STDMETHODIMP EmulatedBridgeFilter::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IPersist || iid == IID_IMediaFilter || iid == IID_IBaseFilter) {
        *object = static_cast<IBaseFilter*>(this);
    } else if (iid == IID_IKsControl) {
        *object = static_cast<IKsControl*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) EmulatedBridgeFilter::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) EmulatedBridgeFilter::Release()
{
    const LONG remaining = InterlockedDecrement(&references_);
    if (remaining == 0) {
        delete this;
    }
    return static_cast<ULONG>(remaining);
}

STDMETHODIMP EmulatedBridgeFilter::GetClassID(CLSID* classId)
{
    if (classId == nullptr) {
        return E_POINTER;
    }
    *classId = CLSID_HalvenorEmulatedBridge;
    return S_OK;
}

STDMETHODIMP EmulatedBridgeFilter::KsProperty(PKSPROPERTY property, ULONG propertyLength, LPVOID data,
                                              ULONG dataLength, ULONG* bytesReturned)
{
    RegistryCardModel card;
    return HandleI2CProperty(card, property, propertyLength, data, dataLength, bytesReturned);
}

STDMETHODIMP EmulatedBridgeFilter::KsMethod(PKSMETHOD, ULONG, LPVOID, ULONG, ULONG*)
{
    return HRESULT_FROM_WIN32(ERROR_SET_NOT_FOUND);
}

STDMETHODIMP EmulatedBridgeFilter::KsEvent(PKSEVENT, ULONG, LPVOID, ULONG, ULONG*)
{
    return HRESULT_FROM_WIN32(ERROR_SET_NOT_FOUND);
}
