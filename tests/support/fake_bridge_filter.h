// A bridge filter for tests: IBaseFilter and IKsControl on one object. Every
// KsProperty call is recorded as the raw bytes that reached the driver, then
// answered by the emulated card's driver logic on an in-memory card, unless
// the test scripted a result for that call.
#pragma once

#include "fake_references.h"
#include "inert_base_filter.h"
#include "memory_card_model.h"

#include <unknwn.h>
#include <ks.h>
#include <ksproxy.h>

#include <map>
#include <vector>

struct RecordedKsProperty {
    std::vector<BYTE> property;  // the property record's bytes at the call
    std::vector<BYTE> data;      // the property data's bytes at the call
    const void* propertyAddress;
    void* dataAddress;
    ULONG propertyLength;
    ULONG dataLength;
    ULONG* bytesReturned;
    ULONG bytesReturnedAtCall;
    // Bytes behind the record's pointers at the call, by field offset.
    std::map<size_t, BYTE> pointedByte;
    std::vector<BYTE> subAddress;
};

class FakeBridgeFilter final : public InertBaseFilter, public IKsControl, public FakeReferences {
public:
    MemoryCardModel card;
    bool answersKsControl = true;
    // How many IBaseFilter queries it answers before refusing them.
    int baseFilterAnswers = 1000;
    std::vector<RecordedKsProperty> calls;
    // Call index -> result returned instead of the card's answer, with
    // lastError left as the thread's last-error code.
    std::map<size_t, HRESULT> scriptedFailures;
    DWORD lastError = ERROR_GEN_FAILURE;
    // Probe call succeeds but stores nothing through pResult.
    bool probeStoresNothing = false;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }
    STDMETHODIMP_(ULONG) Release() override { return ReleaseReference(); }

    STDMETHODIMP KsProperty(PKSPROPERTY property, ULONG propertyLength, LPVOID data, ULONG dataLength,
                            ULONG* bytesReturned) override;
    STDMETHODIMP KsMethod(PKSMETHOD, ULONG, LPVOID, ULONG, ULONG*) override { return E_NOTIMPL; }
    STDMETHODIMP KsEvent(PKSEVENT, ULONG, LPVOID, ULONG, ULONG*) override { return E_NOTIMPL; }
};
