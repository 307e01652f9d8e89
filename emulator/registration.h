// Registry entries that make the emulated bridge visible to DirectShow's
// device enumerator as a device-control filter.
#pragma once

#include <windows.h>

inline constexpr wchar_t kEmulatedBridgeFriendlyName[] = L"7160 BDA Main Device";

// Registers the class as an in-process server at modulePath and lists it in
// the device-control category under the bridge's friendly name.
HRESULT RegisterEmulatedBridge(const wchar_t* modulePath);

// Removes both entries; entries that are already gone are not an error.
HRESULT UnregisterEmulatedBridge();
