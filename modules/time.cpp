#include "modules/time.h"

#include <cstring>
#include <new>
#include <ostream>

#include "host/kestrane.h"
#include "message/report.h"
#include "modules/slot_range.h"
#include "message/text_scan.h"

namespace qvn {

namespace {

// Entry i is bound for good to the export of index i.
constexpr const char* kCallbackNames[kSlots] = {
    "CommandSys_Time_Callback0", "CommandSys_Time_Callback1", "CommandSys_Time_Callback2",
    "CommandSys_Time_Callback3", "CommandSys_Time_Callback4", "CommandSys_Time_Callback5",
    "CommandSys_Time_Callback6", "CommandSys_Time_Callback7", "CommandSys_Time_Callback8",
    "CommandSys_Time_Callback9",
};

constexpr std::uint32_t kMinDelay = 100;
constexpr std::uint32_t kMaxDelay = 2147483647;
constexpr int kTriggerEnabled = 1;
// Each trigger fires once; a repeating entry gets a new trigger after every firing.
constexpr int kTriggerOnce = 1;
constexpr char kRepeatSuffix[] = " R";

struct Definition {
    std::uint32_t entry = 0;
    std::uint32_t delay = 0;
    std::uint32_t delayMax = 0;
    std::uint32_t start = 0;
    bool repeat = false;
};

// Reads "i delay[,delayMax] start[ R]"; false after a reported failure.
bool readDefinition(const char* cursor, Definition& def) {
    if (!readSlotNumber(&cursor, def.entry)) return false;
    if (!expectChar(&cursor, ' ') || !readNumber(&cursor, def.delay)) return false;
    if (*cursor == ',') {
        ++cursor;
        if (!readNumber(&cursor, def.delayMax)) return false;
    }
    if (def.delay < kMinDelay) def.delay = kMinDelay;
    // A range that does not open upwards is a fixed delay.
    if (def.delay >= def.delayMax) def.delayMax = 0;
    // Numbers typed with a minus sign arrive here as large unsigned values.
    if (def.delay > kMaxDelay || def.delayMax > kMaxDelay) {
        reportInvalidParameter();
        return false;
    }
    if (!expectChar(&cursor, ' ') || !readNumber(&cursor, def.start)) return false;
    if (def.start > 1) {
        reportInvalidParameter();
        return false;
    }
    if (*cursor != '\0' && std::strcmp(cursor, kRepeatSuffix) != 0) {
        reportInvalidParameterList();
        return false;
    }
    def.repeat = *cursor != '\0';
    return true;
}

// A trigger fired: hand it to the time module that is registered now. Nothing may leave the
// export into the host: a firing that runs out of memory is dropped, as the dispatcher drops
// such a command.
void fireTimeEntry(int entry) {
    try {
        ::Module* time = commandControl.findModule(Time::kName);
        if (time == nullptr) {
            reportModuleUnavailable(Time::kName);
            return;
        }
        time->interact(inopCallback, entry);
    } catch (const std::bad_alloc&) {
    }
}

}  // namespace

void Time::interact(int op, int index) {
    switch (op) {
        case inopReset:
        case inopSave:
        case inopStart:
        case inopStop:
            break;
        case inopCallback:
            if (index < 0 || index >= kSlots) {
                reportInvalidParameter();
                return;
            }
            fire(index);
            return;
        default:
            reportNotSupported(op);
            return;
    }
    const auto range = slotRange(index);
    if (!range) return;
    if (op == inopSave) {
        saveEntries(range->first, range->end);
        return;
    }
    for (int i = range->first; i < range->end; ++i) {
        if (op == inopStart) {
            if (isDefined(i) && !isArmed(i)) arm(i);
            continue;
        }
        disarm(i);
        if (op == inopReset) state->timeEntries[i].delay = 0;
    }
}

void Time::execute(const char* args, ::BasicSControl&) {
    if (!hasArguments(args)) return;
    Definition def;
    if (!readDefinition(args, def)) return;
    // A redefined entry never keeps its old trigger.
    const int i = static_cast<int>(def.entry);
    disarm(i);
    TimeEntry& entry = state->timeEntries[i];
    entry.delay = static_cast<std::int32_t>(def.delay);
    entry.delayMax = static_cast<std::int32_t>(def.delayMax);
    entry.repeat = def.repeat ? 1 : 0;
    if (def.start == 1) arm(i);
}

void Time::arm(int i) {
    const TimeEntry& entry = state->timeEntries[i];
    if (entry.delayMax > 0) {
        state->timeTriggers[i] = CreateTimeTrigger(kTriggerEnabled, kTriggerOnce, entry.delay,
                                                   entry.delayMax, kCallbackNames[i]);
    } else {
        state->timeTriggers[i] =
            CreateTimeTrigger(kTriggerEnabled, kTriggerOnce, entry.delay, kCallbackNames[i]);
    }
    setBit(state->timeArmed, i);
}

void Time::disarm(int i) {
    if (isArmed(i)) state->timeTriggers[i].Destroy();
    clearBit(state->timeArmed, i);
}

// Spawns definition i; a failed spawn has been reported and does not keep a repeating entry
// from firing again.
void Time::fire(int i) {
    if (spawnGroup(static_cast<std::uint8_t>(i))) announceReinforcements();
    disarm(i);
    // An entry that was reset meanwhile stays undefined, whatever repeat it kept.
    if (state->timeEntries[i].repeat == 1 && isDefined(i)) arm(i);
}

// Writes one `time` line per defined entry, always with start flag 0: running the lines
// defines the entries, and a start arms them.
void Time::saveEntries(int first, int end) {
    std::ostream& out = commandOutput();
    for (int i = first; i < end; ++i) {
        const TimeEntry& entry = state->timeEntries[i];
        if (entry.delay == 0) continue;
        out << name() << ' ' << i << ' ' << entry.delay;
        if (entry.delayMax != 0) out << ',' << entry.delayMax;
        out << " 0";
        if (entry.repeat == 1) out << kRepeatSuffix;
        out << '\n';
    }
}

}  // namespace qvn

void CommandSys_Time_Callback0() { qvn::fireTimeEntry(0); }
void CommandSys_Time_Callback1() { qvn::fireTimeEntry(1); }
void CommandSys_Time_Callback2() { qvn::fireTimeEntry(2); }
void CommandSys_Time_Callback3() { qvn::fireTimeEntry(3); }
void CommandSys_Time_Callback4() { qvn::fireTimeEntry(4); }
void CommandSys_Time_Callback5() { qvn::fireTimeEntry(5); }
void CommandSys_Time_Callback6() { qvn::fireTimeEntry(6); }
void CommandSys_Time_Callback7() { qvn::fireTimeEntry(7); }
void CommandSys_Time_Callback8() { qvn::fireTimeEntry(8); }
void CommandSys_Time_Callback9() { qvn::fireTimeEntry(9); }
