#include "modules/kill.h"

#include <new>
#include <vector>

#include "host/kestrane.h"
#include "message/report.h"
#include "message/text_scan.h"

namespace qvn {

void Kill::execute(const char* args, ::BasicSControl&) {
    if (!isEmptyText(args)) {
        reportInvalidParameterList();
        return;
    }
    if (state->fightGroupCount < kFightGroups) return;
    pruneGroups();
    if (state->fightGroupCount < kFightGroups) return;

    // All units are collected before the first one goes, so that the enumeration never walks a
    // group that is changing under it.
    std::vector<Unit> units;
    try {
        GroupEnumerator oldest(state->fightGroups[0]);
        Unit unit;
        while (oldest.GetNext(unit) != 0) units.push_back(unit);
    } catch (const std::bad_alloc& failure) {
        reportOutOfMemory(failure);
        return;
    }
    for (Unit& unit : units) unit.DoSelfDestruct();
}

}  // namespace qvn
