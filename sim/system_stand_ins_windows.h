// The system functions that the Windows host takes over for the module: each call is traced,
// and the message box answers at once (no one is there to close it).
#pragma once

#include <vector>

#include "sim/module_imports_windows.h"

namespace sim {

const std::vector<ImportStandIn>& systemStandIns();

}  // namespace sim
