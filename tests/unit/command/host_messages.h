// The messages that reached the simulated host during a test, as "TEXT|SOUND" lines.
#pragma once

#include <string>
#include <vector>

#include "sim/host_session.h"

inline std::vector<std::string> takeHostMessages() {
    std::vector<std::string> lines;
    for (const sim::LoggedMessage& message : sim::hostSession().messages) {
        lines.push_back(message.text + "|" + std::to_string(message.sound));
    }
    sim::hostSession().messages.clear();
    return lines;
}
