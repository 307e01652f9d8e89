// The process-wide control handle on the bridge filter's IKsControl.
#pragma once

#include "ks_platform.h"

#include <wrl/client.h>

// Empty at start, filled by NXP_Check. Being a namespace-scope object with a
// destructor, its release is registered as an exit handler during static
// initialisation and runs after the entry point returns.
extern Microsoft::WRL::ComPtr<IKsControl> g_pKsControl;
