// The group module: the `grp` command, which adds vehicles to one of the ten attack-group
// definitions that spawning creates, and the reset and save of those definitions.
#pragma once

#include "command/control.h"
#include "mission/save_region.h"

namespace qvn {

class Grp : public ::Module {
public:
    explicit Grp(CommandState* state) : state(state) {}

    const char* name() override { return "grp"; }
    void interact(int op, int index) override;
    int request(int op) override;
    void execute(const char* args, ::BasicSControl& control) override;

private:
    void resetDefinition(int index);
    void saveDefinitions(int first, int end);

    CommandState* state;  // not owning
};

}  // namespace qvn
