// The four disasters: what each command form reads, the magnitude each draws after every check
// has passed, and the host call that sets it off.
#include <ostream>

#include "message/qv_ostream.h"
#include "message/report_texts.h"
#include "modules/disaster.h"

namespace qvn {

int Meteor::drawMagnitude() {
    return PellanGame::GetRand(3);
}

void Meteor::strike(const LOCATION& at, int magnitude) {
    PellanGame::SetMeteor(at.x, at.y, magnitude);
}

void Meteor::executeCoordinates(const char* args, ::BasicSControl&) {
    TypedPoint typed;
    if (!readCoordinates(args, &typed, 1)) return;
    messageStream.rdbuf()->sound = news::receivedCoords.sound;
    messageStream << news::receivedCoords.text << typed.x << ',' << typed.y << std::flush;
    strike(toInternal(typed), drawMagnitude());
}

void Meteor::executeLocations(const char* args, ::BasicSControl&) {
    LOCATION at;
    if (readLocations(args, &at, 1)) strike(at, drawMagnitude());
}

int Quake::drawMagnitude() {
    return PellanGame::GetRand(5);
}

void Quake::strike(const LOCATION& at, int magnitude) {
    PellanGame::SetEarthquake(at.x, at.y, magnitude);
}

void Quake::executeCoordinates(const char* args, ::BasicSControl&) {
    TypedPoint typed;
    if (readCoordinates(args, &typed, 1)) strike(toInternal(typed), drawMagnitude());
}

void Quake::executeLocations(const char* args, ::BasicSControl&) {
    LOCATION at;
    if (readLocations(args, &at, 1)) strike(at, drawMagnitude());
}

int Vortex::drawMagnitude() {
    return PellanGame::GetRand(45) + 10;
}

void Vortex::strike(const LOCATION& from, int magnitude, const LOCATION& to) {
    PellanGame::SetTornado(from.x, from.y, magnitude, to.x, to.y, 0);
}

void Vortex::executeCoordinates(const char* args, ::BasicSControl&) {
    TypedPoint typed[2];
    if (readCoordinates(args, typed, 2)) {
        strike(toInternal(typed[0]), drawMagnitude(), toInternal(typed[1]));
    }
}

void Vortex::executeLocations(const char* args, ::BasicSControl&) {
    LOCATION at[2];
    if (readLocations(args, at, 2)) strike(at[0], drawMagnitude(), at[1]);
}

int Storm::drawMagnitude() {
    return PellanGame::GetRand(15);
}

void Storm::strike(const LOCATION& from, int magnitude, const LOCATION& to) {
    PellanGame::SetLightning(from.x, from.y, magnitude, to.x, to.y);
}

void Storm::executeCoordinates(const char* args, ::BasicSControl&) {
    TypedPoint typed[2];
    if (readCoordinates(args, typed, 2)) {
        strike(toInternal(typed[0]), drawMagnitude(), toInternal(typed[1]));
    }
}

void Storm::executeLocations(const char* args, ::BasicSControl&) {
    LOCATION at[2];
    if (readLocations(args, at, 2)) strike(at[0], drawMagnitude(), at[1]);
}

}  // namespace qvn
