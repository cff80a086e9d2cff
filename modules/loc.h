// The location module: the `loc` command, which sets one of the ten weighted spawn locations
// that spawning draws from, and the reset and save of those locations.
#pragma once

#include "command/control.h"
#include "mission/save_region.h"

namespace qvn {

class Loc : public ::Module {
public:
    explicit Loc(CommandState* state) : state(state) {}

    const char* name() override { return "loc"; }
    void interact(int op, int index) override;
    int request(int op) override;
    void execute(const char* args, ::BasicSControl& control) override;

private:
    void saveLocations(int first, int end);

    CommandState* state;  // not owning
};

}  // namespace qvn
