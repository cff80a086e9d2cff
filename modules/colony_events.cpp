// The random colony event and three of its four kinds: the population boom, the survivors and
// the spoiled food. Each strikes one of the human players ahead of the first computer player.
#include <cstdint>
#include <ostream>

#include "message/qv_ostream.h"
#include "message/report.h"
#include "modules/evnt.h"

namespace qvn {

namespace {

void announce(const NewsText& news, std::int32_t recipient) {
    messageStream.rdbuf()->sound = news.sound;
    messageStream.rdbuf()->recipient = recipient;
    messageStream << news.text << std::flush;
}

}  // namespace

void Evnt::fireRandomEvent() {
    using Event = void (Evnt::*)();
    static constexpr Event events[] = {&Evnt::meteorShower, &Evnt::populationBoom,
                                       &Evnt::additionalSurvivors, &Evnt::foodSpoilage};
    const int drawn = PellanGame::GetRand(static_cast<int>(sizeof events / sizeof events[0]));
    (this->*events[drawn])();
}

// Player 0 itself a computer player leaves no human player ahead of it: the event then does
// nothing, and in particular asks the host for no draw below 0.
bool Evnt::findHumanPlayers(std::uint32_t& count) {
    return findAIPlayer(count) && count != 0;
}

void Evnt::populationBoom() {
    std::uint32_t humans = 0;
    if (!findHumanPlayers(humans)) return;
    const int player = PellanGame::GetRand(static_cast<int>(humans));
    _Player& colony = Player[player];
    const int kids = colony.Kids();
    const int workers = colony.Workers();
    const int scientists = colony.Scientists();
    colony.SetKids(kids + workers / 10 + scientists / 10);
    announce(news::populationBoom, player);
}

void Evnt::additionalSurvivors() {
    if (survivorGroupCount == 0) return;
    std::uint32_t humans = 0;
    if (!findHumanPlayers(humans)) return;
    const SurvivorGroup& group = survivorGroups[PellanGame::GetRand(survivorGroupCount)];

    // The announcement goes on the last unit that the host really created; when it created
    // none, nothing has arrived and nothing is announced.
    Unit lastArrived;
    bool arrived = false;
    for (int i = 0; i < group.count; ++i) {
        const SurvivorUnit& survivor = group.units[i];
        const int owner = humans == 1 ? 0 : PellanGame::GetRand(static_cast<int>(humans));
        Unit unit;
        if (!PellanGame::CreateUnit(unit, survivor.unitType, LOCATION(survivor.x, survivor.y),
                                    owner, survivor.cargoType, survivor.extra)) {
            continue;
        }
        unit.DoSetLights(1);
        lastArrived = unit;
        arrived = true;
    }
    if (!arrived) return;
    messageStream.rdbuf()->unitTarget.unit = lastArrived;
    messageStream.rdbuf()->currentTarget = &messageStream.rdbuf()->unitTarget;
    announce(news::additionalSurvivors, -1);
}

void Evnt::foodSpoilage() {
    std::uint32_t humans = 0;
    if (!findHumanPlayers(humans)) return;
    const int player = PellanGame::GetRand(static_cast<int>(humans));
    _Player& colony = Player[player];
    colony.SetFoodStored(colony.FoodStored() / 10);
    announce(news::foodSpoiled, player);
}

}  // namespace qvn
