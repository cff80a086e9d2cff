// The colony events module: the `evnt` command fires one random colony event at once or sets
// the repeating timer that fires one each time it expires; `reset`, `start`, `stop` and `save`
// act on that timer. The events are a meteor shower on the human colonies' buildings, a
// population boom, survivors arriving and spoiled food.
#pragma once

#include <cstdint>

#include "command/control.h"
#include "host/kestrane.h"
#include "mission/save_region.h"
#include "modules/survivors.h"

namespace qvn {

// The exports that the module's two timers call.
inline constexpr char kEventTimeCallback[] = "EventTimeCallback";
inline constexpr char kEventSwarmCallback[] = "EventSwarmCallback";

// Bits of eventFlags.
enum EventFlag : std::uint32_t {
    eventTimerLive = 0,
    showerRunning = 1,
};

constexpr int kShowerStrikes = 10;

class Evnt final : public Module {
public:
    // Becomes the one Evnt module that the timer exports reach.
    Evnt(CommandState* state, const char* eventCallback, const char* swarmCallback,
         const SurvivorGroup* survivorGroups, std::int32_t survivorGroupCount);
    ~Evnt() override;
    Evnt(const Evnt&) = delete;
    Evnt& operator=(const Evnt&) = delete;

    const char* name() override { return "evnt"; }
    void interact(int op, int index) override;
    int request(int op) override;
    void execute(const char* args, ::BasicSControl& control) override;

    // The Evnt module, or null while there is none.
    static Evnt* instance();

    // Draws one of the four events and runs it.
    void fireRandomEvent();
    // The next strike of a running meteor shower.
    void strikeShower();

private:
    // A random-delay timer when delayMax is not 0, a fixed-delay one otherwise.
    Trigger createEventTimer(std::uint32_t delayMin, std::uint32_t delayMax) const;
    // Replaces the live timer, if any, by timer and keeps its delays.
    void armEventTimer(const Trigger& timer, std::uint32_t delayMin, std::uint32_t delayMax);
    void stopEventTimer();

    // The number of human players ahead of the first computer player, which the events choose
    // from; false when there is none (reported when every player is human).
    static bool findHumanPlayers(std::uint32_t& count);

    void meteorShower();
    bool pickStrikeTargets(Unit (&targets)[kShowerStrikes]);
    void populationBoom();
    void additionalSurvivors();
    void foodSpoilage();

    CommandState* state;  // not owning
    const char* eventCallback;
    const char* swarmCallback;
    const SurvivorGroup* survivorGroups;
    std::int32_t survivorGroupCount;
};

}  // namespace qvn
