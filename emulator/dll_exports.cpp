// Entry points of the in-process server.
#include "class_factory.h"
#include "emulated_bridge_filter.h"
#include "registration.h"

namespace {

HMODULE g_module = nullptr;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object)
{
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (classId != CLSID_HalvenorEmulatedBridge) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return g_emulatedBridgeFactory.QueryInterface(iid, object);
}

extern "C" HRESULT WINAPI DllCanUnloadNow()
{
    return g_emulatorObjects == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT WINAPI DllRegisterServer()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(g_module, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return E_FAIL;
    }
    return RegisterEmulatedBridge(path);
}

extern "C" HRESULT WINAPI DllUnregisterServer()
{
    return UnregisterEmulatedBridge();
}
