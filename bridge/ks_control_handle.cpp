#include "ks_control_handle.h"

Microsoft::WRL::ComPtr<IKsControl> g_pKsControl;
