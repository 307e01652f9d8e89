#include "registration.h"

#include "emulated_bridge_filter.h"

#include <objbase.h>

#include <cwchar>
#include <initializer_list>
#include <utility>

namespace {

// {CC7BFB46-F175-11D1-A392-00E0291F3959}, the device-control category.
constexpr wchar_t kCategoryInstances[] = L"CLSID\\{CC7BFB46-F175-11D1-A392-00E0291F3959}\\Instance\\";

constexpr int kGuidChars = 39;

HRESULT SetString(HKEY key, const wchar_t* name, const wchar_t* value)
{
    const DWORD bytes = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
    return HRESULT_FROM_WIN32(RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes));
}

// Creates HKCR\<path> and sets the given name/value pairs on it.
HRESULT WriteKey(const wchar_t* path, std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> values)
{
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS) {
        return HRESULT_FROM_WIN32(status);
    }
    HRESULT hr = S_OK;
    for (const auto& [name, value] : values) {
        hr = SetString(key, name, value);
        if (FAILED(hr)) {
            break;
        }
    }
    RegCloseKey(key);
    return hr;
}

HRESULT DeleteTree(const wchar_t* path)
{
    const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, path);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : HRESULT_FROM_WIN32(status);
}

struct KeyPaths {
    wchar_t classId[kGuidChars];
    wchar_t classKey[64];
    wchar_t serverKey[96];
    wchar_t instanceKey[128];
};

KeyPaths MakeKeyPaths()
{
    KeyPaths paths{};
    StringFromGUID2(CLSID_HalvenorEmulatedBridge, paths.classId, kGuidChars);
    swprintf(paths.classKey, 64, L"CLSID\\%ls", paths.classId);
    swprintf(paths.serverKey, 96, L"%ls\\InprocServer32", paths.classKey);
    swprintf(paths.instanceKey, 128, L"%ls%ls", kCategoryInstances, paths.classId);
    return paths;
}

}  // namespace

HRESULT RegisterEmulatedBridge(const wchar_t* modulePath)
{
    const KeyPaths paths = MakeKeyPaths();
    HRESULT hr = WriteKey(paths.classKey, {{nullptr, L"Halvenor HD emulated bridge"}});
    if (SUCCEEDED(hr)) {
        hr = WriteKey(paths.serverKey, {{nullptr, modulePath}, {L"ThreadingModel", L"Both"}});
    }
    if (SUCCEEDED(hr)) {
        hr = WriteKey(paths.instanceKey, {{L"FriendlyName", kEmulatedBridgeFriendlyName}, {L"CLSID", paths.classId}});
    }
    if (FAILED(hr)) {
        UnregisterEmulatedBridge();
    }
    return hr;
}

HRESULT UnregisterEmulatedBridge()
{
    const KeyPaths paths = MakeKeyPaths();
    const HRESULT instance = DeleteTree(paths.instanceKey);
    const HRESULT server = DeleteTree(paths.classKey);
    return FAILED(instance) ? instance : server;
}
