// Reference counting for test fakes. A fake is owned by the test, starts with
// no references and is never deleted by Release, so a test can check after
// the code under test has run that every reference it took was given back.
#pragma once

#include <windows.h>

class FakeReferences {
public:
    LONG count() const { return count_; }

protected:
    ULONG AddReference() { return static_cast<ULONG>(++count_); }
    ULONG ReleaseReference() { return static_cast<ULONG>(--count_); }

private:
    LONG count_ = 0;
};

// Standard IUnknown for a fake that exposes one interface (and IUnknown).
#define FAKE_UNKNOWN_FOR(Interface)                                                 \
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override                 \
    {                                                                               \
        if (object == nullptr) {                                                    \
            return E_POINTER;                                                       \
        }                                                                           \
        if (iid == IID_IUnknown || iid == IID_##Interface) {                        \
            *object = static_cast<Interface*>(this);                                \
            AddRef();                                                               \
            return S_OK;                                                            \
        }                                                                           \
        *object = nullptr;                                                          \
        return E_NOINTERFACE;                                                       \
    }                                                                               \
    STDMETHODIMP_(ULONG) AddRef() override { return AddReference(); }               \
    STDMETHODIMP_(ULONG) Release() override { return ReleaseReference(); }
