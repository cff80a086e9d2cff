// The few system services the module takes from the platform: on Windows from the system
// libraries, natively from the host, which stands in for them.
#pragma once

#if defined(_WIN32)
#include <windows.h>
#else
#include "host/kestrane.h"
#endif
