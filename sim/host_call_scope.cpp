#include "sim/host_call_scope.h"

namespace sim {

int hostCallDepth = 0;

}  // namespace sim
