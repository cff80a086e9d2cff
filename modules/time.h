// The time module: the `time` command, which defines the ten timed reinforcements, and the
// host triggers that spawn group definition i whenever time entry i fires.
#pragma once

#include "modules/spawn_base.h"

namespace qvn {

class Time : public SpawnBase {
public:
    explicit Time(CommandState* state) : SpawnBase(state) {}

    // The name under which the callbacks find the module.
    static constexpr char kName[] = "time";

    const char* name() override { return kName; }
    void interact(int op, int index) override;
    void execute(const char* args, ::BasicSControl& control) override;

private:
    void arm(int entry);
    void disarm(int entry);
    void fire(int entry);
    void saveEntries(int first, int end);

    bool isDefined(int entry) const { return state->timeEntries[entry].delay != 0; }
    bool isArmed(int entry) const { return testBit(state->timeArmed, entry); }
};

}  // namespace qvn

// The exports that the host's time triggers call, one per entry.
extern "C" {
void CommandSys_Time_Callback0();
void CommandSys_Time_Callback1();
void CommandSys_Time_Callback2();
void CommandSys_Time_Callback3();
void CommandSys_Time_Callback4();
void CommandSys_Time_Callback5();
void CommandSys_Time_Callback6();
void CommandSys_Time_Callback7();
void CommandSys_Time_Callback8();
void CommandSys_Time_Callback9();
}
