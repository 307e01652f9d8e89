// The emulated bridge's device-control filter: a filter without pins that
// answers the I2C access property set through IKsControl.
#pragma once

#include "inert_base_filter.h"

#include <unknwn.h>
#include <ks.h>
#include <ksproxy.h>

// {5B1C7A3E-2F4D-4E8A-9C61-7D0E3A9B4F21}
inline constexpr CLSID CLSID_HalvenorEmulatedBridge = {
    0x5B1C7A3E, 0x2F4D, 0x4E8A, {0x9C, 0x61, 0x7D, 0x0E, 0x3A, 0x9B, 0x4F, 0x21}};

class EmulatedBridgeFilter final : public InertBaseFilter, public IKsControl {
public:
    EmulatedBridgeFilter();

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetClassID(CLSID* classId) override;

    STDMETHODIMP KsProperty(PKSPROPERTY property, ULONG propertyLength, LPVOID data, ULONG dataLength,
                            ULONG* bytesReturned) override;
    STDMETHODIMP KsMethod(PKSMETHOD method, ULONG methodLength, LPVOID data, ULONG dataLength,
                          ULONG* bytesReturned) override;
    STDMETHODIMP KsEvent(PKSEVENT event, ULONG eventLength, LPVOID data, ULONG dataLength,
                         ULONG* bytesReturned) override;

private:
    ~EmulatedBridgeFilter() override;

    LONG references_ = 1;
};

// Objects and locks that keep the DLL loaded.
extern LONG g_emulatorObjects;
