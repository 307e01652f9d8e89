#include "fake_bridge_filter.h"

#include "i2c_property_handler.h"
#include "record_layout.h"

#include <cstring>

namespace {

template <typename T>
T FieldAt(const std::vector<BYTE>& bytes, size_t offset)
{
    T value{};
    if (offset + sizeof value <= bytes.size()) {
        std::memcpy(&value, bytes.data() + offset, sizeof value);
    }
    return value;
}

void RememberPointedByte(RecordedKsProperty& call, const std::vector<BYTE>& record, size_t offset)
{
    const BYTE* pointer = FieldAt<const BYTE*>(record, offset);
    if (pointer != nullptr) {
        call.pointedByte[offset] = *pointer;
    }
}

}  // namespace

STDMETHODIMP FakeBridgeFilter::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (iid == IID_IUnknown) {
        *object = static_cast<IBaseFilter*>(this);
    } else if (iid == IID_IBaseFilter && baseFilterAnswers > 0) {
        --baseFilterAnswers;
        *object = static_cast<IBaseFilter*>(this);
    } else if (answersKsControl && iid == IID_IKsControl) {
        *object = static_cast<IKsControl*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP FakeBridgeFilter::KsProperty(PKSPROPERTY property, ULONG propertyLength, LPVOID data,
                                          ULONG dataLength, ULONG* bytesReturned)
{
    RecordedKsProperty call{};
    const BYTE* propertyBytes = reinterpret_cast<const BYTE*>(property);
    const BYTE* dataBytes = static_cast<const BYTE*>(data);
    call.property.assign(propertyBytes, propertyBytes + propertyLength);
    if (dataBytes != nullptr) {
        call.data.assign(dataBytes, dataBytes + dataLength);
    }
    call.propertyAddress = property;
    call.dataAddress = data;
    call.propertyLength = propertyLength;
    call.dataLength = dataLength;
    call.bytesReturned = bytesReturned;
    call.bytesReturnedAtCall = bytesReturned != nullptr ? *bytesReturned : 0xFFFFFFFF;

    const ULONG id = FieldAt<ULONG>(call.property, kRecordIdOffset);
    if (id == 0) {
        RememberPointedByte(call, call.property, kRecordLayout.pResult);
    } else {
        RememberPointedByte(call, call.property, kRecordLayout.pReadBuffer);
        RememberPointedByte(call, call.data, kRecordLayout.pWriteBuffer);
        const BYTE* subAddress = FieldAt<const BYTE*>(call.property, kRecordLayout.pSubAddress);
        if (subAddress != nullptr) {
            call.subAddress.assign(subAddress, subAddress + 2);
        }
    }
    calls.push_back(call);

    const auto scripted = scriptedFailures.find(calls.size() - 1);
    if (scripted != scriptedFailures.end()) {
        SetLastError(lastError);
        return scripted->second;
    }
    if (id == 0 && probeStoresNothing) {
        return S_OK;
    }
    return HandleI2CProperty(card, property, propertyLength, data, dataLength, bytesReturned);
}
