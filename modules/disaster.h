// The disaster commands `storm`, `vortex`, `quake` and `meteor`: a disaster at typed map
// coordinates or at stored spawn locations, and the switch of each disaster's schedule, which
// `start`, `stop` and `save` reach through the interactions.
#pragma once

#include <cstdint>

#include "command/control.h"
#include "host/kestrane.h"
#include "mission/save_region.h"

namespace qvn {

// The bit of each disaster's schedule in disasterEnabled.
enum DisasterBit : std::uint32_t {
    meteorBit = 0,
    quakeBit = 1,
    vortexBit = 2,
    stormBit = 3,
};

// A map position as a command or a schedule gives it, before the host's tile offsets.
struct TypedPoint {
    std::uint32_t x;
    std::uint32_t y;
};

// The host's tile coordinates of a typed position: x + 31, y - 1, wrapping in 32 bits.
LOCATION toInternal(TypedPoint typed);

class DisasterMod : public Module {
public:
    const char* name() override = 0;
    // Save writes the schedule's switch as a start or stop line; start and stop set and clear
    // it for the whole module (index -1) only.
    void interact(int op, int index) override;
    int request(int op) override;
    // "c" first: the location form; anything else: the coordinate form.
    void execute(const char* args, ::BasicSControl& control) override;
    virtual void executeCoordinates(const char* args, ::BasicSControl& control) = 0;
    virtual void executeLocations(const char* args, ::BasicSControl& control) = 0;

protected:
    // Switches the disaster's schedule on.
    DisasterMod(CommandState* state, std::uint32_t enableBit);

    // Reads count pairs "x,y" apart by white space, up to the end of the text. Reports the
    // first failure and answers false.
    static bool readCoordinates(const char* args, TypedPoint* points, int count);
    // Reads count location digits up to the end of the text and gives their stored positions,
    // set or not. Reports the first failure and answers false.
    bool readLocations(const char* args, LOCATION* points, int count) const;

    CommandState* state;  // not owning
    std::uint32_t enableBit;
};

// Each disaster kind's magnitude draw and host call serve its command forms and its schedule.
class Meteor final : public DisasterMod {
public:
    explicit Meteor(CommandState* state) : DisasterMod(state, meteorBit) {}
    const char* name() override { return "meteor"; }
    void executeCoordinates(const char* args, ::BasicSControl& control) override;
    void executeLocations(const char* args, ::BasicSControl& control) override;

    static int drawMagnitude();
    static void strike(const LOCATION& at, int magnitude);
};

class Quake final : public DisasterMod {
public:
    explicit Quake(CommandState* state) : DisasterMod(state, quakeBit) {}
    const char* name() override { return "quake"; }
    void executeCoordinates(const char* args, ::BasicSControl& control) override;
    void executeLocations(const char* args, ::BasicSControl& control) override;

    static int drawMagnitude();
    static void strike(const LOCATION& at, int magnitude);
};

class Vortex final : public DisasterMod {
public:
    explicit Vortex(CommandState* state) : DisasterMod(state, vortexBit) {}
    const char* name() override { return "vortex"; }
    void executeCoordinates(const char* args, ::BasicSControl& control) override;
    void executeLocations(const char* args, ::BasicSControl& control) override;

    static int drawMagnitude();
    static void strike(const LOCATION& from, int magnitude, const LOCATION& to);
};

class Storm final : public DisasterMod {
public:
    explicit Storm(CommandState* state) : DisasterMod(state, stormBit) {}
    const char* name() override { return "storm"; }
    void executeCoordinates(const char* args, ::BasicSControl& control) override;
    void executeLocations(const char* args, ::BasicSControl& control) override;

    static int drawMagnitude();
    static void strike(const LOCATION& from, int magnitude, const LOCATION& to);
};

}  // namespace qvn
