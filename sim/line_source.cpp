#include "sim/line_source.h"

namespace sim {

bool StreamLineSource::next(std::string& line, bool) {
    if (!std::getline(in_, line)) return false;
    ++number_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace sim
