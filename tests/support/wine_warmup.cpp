// Started once before the tests with its output discarded: it makes Wine
// start the helper processes that COM and DirectShow device enumeration need
// (the desktop process, the RPC service), so that no test process is the one
// that starts them and hands them its output.
#include <windows.h>
#include <objbase.h>
#include <strmif.h>
#include <uuids.h>

#include <wrl/client.h>

int main()
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        return 1;
    }
    Microsoft::WRL::ComPtr<ICreateDevEnum> devices;
    if (SUCCEEDED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_ALL, IID_ICreateDevEnum,
                                   reinterpret_cast<void**>(devices.GetAddressOf())))) {
        Microsoft::WRL::ComPtr<IEnumMoniker> monikers;
        devices->CreateClassEnumerator(CLSID_DeviceControlCategory, monikers.GetAddressOf(), 0);
    }
    return 0;
}
