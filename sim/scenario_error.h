// A scenario that cannot go on: a bad line, or a module the simulator cannot work with.
#pragma once

#include <stdexcept>
#include <string>

namespace sim {

class ScenarioError : public std::runtime_error {
public:
    explicit ScenarioError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace sim
