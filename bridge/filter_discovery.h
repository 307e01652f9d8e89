// Finds the bridge's device-control filter by its friendly name.
#pragma once

#include <windows.h>
#include <strmif.h>

inline constexpr char kBridgeFriendlyName[] = "7160 BDA Main Device";

// On S_OK *ppFilter holds one reference owned by the caller. Otherwise it holds
// none: S_FALSE when the device-control category is empty or absent,
// E_HANDLE when no device matched, or the failure that ended the search.
HRESULT AttachFilter(IBaseFilter** ppFilter);
