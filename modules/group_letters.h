// The letters of the `grp` command language and the host type ids they stand for.
#pragma once

#include <cstdint>

namespace qvn {

// The id of a second-type letter, or 0 for a character that is none.
std::uint8_t secondTypeOfLetter(char letter);
// The id of a vehicle letter, or 0 for a character that is none.
std::uint8_t vehicleOfLetter(char letter);
// Vehicle C goes only with second type C, and second type C only with vehicle C.
bool lettersPair(char secondTypeLetter, char vehicleLetter);

// The letters of stored ids, for writing a definition back as a command; '?' for an id that
// no letter stands for.
char letterOfSecondType(std::uint8_t id);
char letterOfVehicle(std::uint8_t id);

}  // namespace qvn
