#include "filter_discovery.h"
#include "i2c_operations.h"
#include "ks_control_handle.h"
#include "trace_failure.h"

#include <wrl/client.h>

int NXP_Check()
{
    Microsoft::WRL::ComPtr<IBaseFilter> m_pControlDevice;
    const HRESULT hr = AttachFilter(m_pControlDevice.GetAddressOf());
    if (FAILED(hr) || !m_pControlDevice) {
        return 0;
    }

    // Replaces any handle of an earlier call; from here on the handle is the
    // only reference that keeps the filter alive.
    if (FAILED(m_pControlDevice->QueryInterface(IID_IKsControl,
                                                reinterpret_cast<void**>(g_pKsControl.ReleaseAndGetAddressOf())))) {
        TraceFailure("NXP_Check", "m_pControlDevice->QI: Can't QI for IKsControl");
        return 0;
    }
    return TS_NXP_I2C_Check();
}
