// `:show units|players|triggers|messages`: the host world as lines for the trace.
#pragma once

#include <string>
#include <vector>

#include "sim/host_session.h"

namespace sim {

std::vector<std::string> describeUnits(const World& world);
std::vector<std::string> describePlayers(const World& world);
std::vector<std::string> describeTriggers(const World& world);
std::vector<std::string> describeMessages(const std::vector<LoggedMessage>& messages);

}  // namespace sim
