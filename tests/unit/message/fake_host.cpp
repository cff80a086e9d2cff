#include "tests/unit/message/fake_host.h"

#include <cstdarg>
#include <cstdio>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "host/kestrane.h"

namespace sim {
int hostCallDepth = 0;
}

namespace fakeHost {

namespace {

constexpr int tableSize = 8;
bool humans[tableSize];
int playerCount = 0;

// Held by every host function, as the simulated host does.
struct InHost {
    InHost() { ++sim::hostCallDepth; }
    ~InHost() { --sim::hostCallDepth; }
};

}  // namespace

std::vector<Message> messages;

bool Message::operator==(const Message& other) const {
    return std::tie(onUnit, x, y, unitID, text, recipient, sound) ==
           std::tie(other.onUnit, other.x, other.y, other.unitID, other.text, other.recipient,
                    other.sound);
}

Message positionMessage(int x, int y, std::string text, int recipient, int sound) {
    return Message{false, x, y, 0, std::move(text), recipient, sound};
}

Message unitMessage(int unitID, std::string text, int recipient, int sound) {
    return Message{true, 0, 0, unitID, std::move(text), recipient, sound};
}

std::ostream& operator<<(std::ostream& out, const Message& message) {
    if (message.onUnit) {
        out << "AddMessage(unit:" << message.unitID;
    } else {
        out << "AddMessage(" << message.x << "," << message.y;
    }
    return out << ",\"" << message.text << "\"," << message.recipient << "," << message.sound
               << ")";
}

void reset(std::initializer_list<bool> humanPlayers) {
    messages.clear();
    playerCount = 0;
    for (bool human : humanPlayers) {
        humans[playerCount++] = human;
    }
}

}  // namespace fakeHost

using fakeHost::InHost;

LOCATION::LOCATION() : x(0), y(0) {
    InHost inHost;
}

LOCATION::LOCATION(int x, int y) : x(x), y(y) {
    InHost inHost;
}

LOCATION& LOCATION::operator=(const LOCATION& other) {
    InHost inHost;
    x = other.x;
    y = other.y;
    return *this;
}

Unit::Unit() : unitID(0) {
    InHost inHost;
}

Unit& Unit::operator=(const Unit& other) {
    InHost inHost;
    unitID = other.unitID;
    return *this;
}

Unit::~Unit() {
    InHost inHost;
}

_Player Player[fakeHost::tableSize];

int _Player::IsHuman() {
    InHost inHost;
    const auto number = this - Player;
    if (number < 0 || number >= fakeHost::playerCount) {
        throw std::out_of_range("IsHuman asked of a player the game does not have");
    }
    return fakeHost::humans[number] ? 1 : 0;
}

int PellanGame::NoPlayers() {
    InHost inHost;
    return fakeHost::playerCount;
}

void PellanGame::AddMessage(int pixelX, int pixelY, char* text, int recipient, int sound) {
    InHost inHost;
    fakeHost::messages.push_back(fakeHost::positionMessage(pixelX, pixelY, text, recipient, sound));
}

void PellanGame::AddMessage(Unit owner, char* text, int recipient, int sound) {
    InHost inHost;
    fakeHost::messages.push_back(fakeHost::unitMessage(owner.unitID, text, recipient, sound));
}

int scr_snprintf(char* buffer, unsigned size, char const* format, ...) {
    InHost inHost;
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(buffer, size, format, arguments);
    va_end(arguments);
    return written;
}
