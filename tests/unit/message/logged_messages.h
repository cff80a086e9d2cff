// The messages that reached the simulated host, compared field by field: where (position or
// unit), the text, the recipient and the sound.
#pragma once

#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "sim/host_session.h"

namespace sim {

// Found by argument lookup, so that whole message logs compare and print in expectations.
inline bool operator==(const LoggedMessage& left, const LoggedMessage& right) {
    return std::tie(left.onUnit, left.x, left.y, left.unit, left.text, left.recipient,
                    left.sound) == std::tie(right.onUnit, right.x, right.y, right.unit,
                                            right.text, right.recipient, right.sound);
}

inline void PrintTo(const LoggedMessage& message, std::ostream* out) {
    if (message.onUnit) {
        *out << "AddMessage(unit:" << message.unit;
    } else {
        *out << "AddMessage(" << message.x << "," << message.y;
    }
    *out << ",\"" << message.text << "\"," << message.recipient << "," << message.sound << ")";
}

}  // namespace sim

// The simulated host's message log, in the order it received them.
using Messages = std::vector<sim::LoggedMessage>;

inline sim::LoggedMessage positionMessage(int x, int y, std::string text, int recipient,
                                          int sound) {
    return sim::LoggedMessage{false, x, y, 0, std::move(text), recipient, sound};
}

inline sim::LoggedMessage unitMessage(int unit, std::string text, int recipient, int sound) {
    return sim::LoggedMessage{true, 0, 0, unit, std::move(text), recipient, sound};
}
