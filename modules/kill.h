// The kill module: the `kill` command, which makes room in a full fight-group table by ordering
// every vehicle of the oldest group to self-destruct.
#pragma once

#include "modules/spawn_base.h"

namespace qvn {

class Kill : public SpawnBase {
public:
    explicit Kill(CommandState* state) : SpawnBase(state) {}

    const char* name() override { return "kill"; }
    void execute(const char* args, ::BasicSControl& control) override;
};

}  // namespace qvn
