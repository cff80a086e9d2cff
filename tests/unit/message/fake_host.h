// A stand-in for the host, just large enough for the message stream and the report helpers:
// it records every message it is given and answers the player queries from a table that the
// test sets. Each of its functions counts as inside the host for the allocation counter.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace fakeHost {

struct Message {
    bool onUnit;
    int x;       // pixel position, position messages only
    int y;
    int unitID;  // unit messages only
    std::string text;
    int recipient;
    int sound;

    bool operator==(const Message& other) const;
};

Message positionMessage(int x, int y, std::string text, int recipient, int sound);
Message unitMessage(int unitID, std::string text, int recipient, int sound);
std::ostream& operator<<(std::ostream& out, const Message& message);

// In the order the host received them.
extern std::vector<Message> messages;

// Forgets the messages; the players become the given ones (true = human), by number.
void reset(std::initializer_list<bool> humanPlayers = {true, false});

}  // namespace fakeHost
