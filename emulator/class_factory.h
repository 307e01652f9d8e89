// Class factory for the emulated bridge filter.
#pragma once

#include <unknwn.h>

class EmulatedBridgeFactory final : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;
};

// The one factory of the DLL; it lives as long as the module.
extern EmulatedBridgeFactory g_emulatedBridgeFactory;
