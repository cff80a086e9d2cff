// The spawn module: the `spwn` command, which spawns the listed group definitions at once.
#pragma once

#include "modules/spawn_base.h"

namespace qvn {

class Spwn : public SpawnBase {
public:
    explicit Spwn(CommandState* state) : SpawnBase(state) {}

    const char* name() override { return "spwn"; }
    void execute(const char* args, ::BasicSControl& control) override;
};

}  // namespace qvn
