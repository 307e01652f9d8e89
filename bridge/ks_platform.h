// Kernel Streaming declarations in the order the SDK headers need them:
// IKsControl is only declared once IUnknown is.
#pragma once

#include <windows.h>
#include <unknwn.h>
#include <ks.h>
#include <ksproxy.h>
