// `:show state`: the console state decoded from the module's save region, in the forms of the
// chat commands where there are such forms.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sim {

// The region must be a whole save region (its size is checked by the caller).
std::vector<std::string> describeConsoleState(const unsigned char* region);

}  // namespace sim
