// IBaseFilter with every filter method answered inertly: a control-only
// filter has no pins, no clock and no streaming state. IUnknown is left to
// the class that derives from it.
#pragma once

#include <windows.h>
#include <strmif.h>
#include <vfwmsgs.h>

class InertBaseFilter : public IBaseFilter {
public:
    STDMETHODIMP GetClassID(CLSID* classId) override
    {
        if (classId == nullptr) {
            return E_POINTER;
        }
        *classId = CLSID_NULL;
        return E_NOTIMPL;
    }
    STDMETHODIMP Stop() override { return S_OK; }
    STDMETHODIMP Pause() override { return S_OK; }
    STDMETHODIMP Run(REFERENCE_TIME) override { return S_OK; }
    STDMETHODIMP GetState(DWORD, FILTER_STATE* state) override
    {
        if (state == nullptr) {
            return E_POINTER;
        }
        *state = State_Stopped;
        return S_OK;
    }
    STDMETHODIMP SetSyncSource(IReferenceClock*) override { return S_OK; }
    STDMETHODIMP GetSyncSource(IReferenceClock** clock) override
    {
        if (clock == nullptr) {
            return E_POINTER;
        }
        *clock = nullptr;
        return S_OK;
    }
    STDMETHODIMP EnumPins(IEnumPins** pins) override
    {
        if (pins != nullptr) {
            *pins = nullptr;
        }
        return E_NOTIMPL;
    }
    STDMETHODIMP FindPin(LPCWSTR, IPin** pin) override
    {
        if (pin != nullptr) {
            *pin = nullptr;
        }
        return VFW_E_NOT_FOUND;
    }
    STDMETHODIMP QueryFilterInfo(FILTER_INFO* info) override
    {
        if (info == nullptr) {
            return E_POINTER;
        }
        info->achName[0] = L'\0';
        info->pGraph = nullptr;
        return S_OK;
    }
    STDMETHODIMP JoinFilterGraph(IFilterGraph*, LPCWSTR) override { return S_OK; }
    STDMETHODIMP QueryVendorInfo(LPWSTR* info) override
    {
        if (info != nullptr) {
            *info = nullptr;
        }
        return E_NOTIMPL;
    }

protected:
    InertBaseFilter() = default;
    virtual ~InertBaseFilter() = default;
};
