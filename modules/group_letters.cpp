#include "modules/group_letters.h"

#include <iterator>

namespace qvn {

namespace {

struct Letter {
    char letter;
    std::uint8_t id;
};

constexpr Letter kSecondTypes[] = {
    {'A', 59}, {'e', 60}, {'L', 61}, {'M', 62}, {'R', 63}, {'r', 64}, {'s', 65},
    {'N', 66}, {'E', 70}, {'S', 71}, {'T', 72}, {'C', 73},
};

constexpr Letter kVehicles[] = {{'C', 4}, {'L', 5}, {'P', 6}, {'T', 7}};

constexpr char kPairedLetter = 'C';

template <std::size_t N>
std::uint8_t idOf(const Letter (&table)[N], char letter) {
    for (const Letter& entry : table) {
        if (entry.letter == letter) return entry.id;
    }
    return 0;
}

template <std::size_t N>
char letterOf(const Letter (&table)[N], std::uint8_t id) {
    for (const Letter& entry : table) {
        if (entry.id == id) return entry.letter;
    }
    return '?';
}

}  // namespace

std::uint8_t secondTypeOfLetter(char letter) {
    return idOf(kSecondTypes, letter);
}

std::uint8_t vehicleOfLetter(char letter) {
    return idOf(kVehicles, letter);
}

bool lettersPair(char secondTypeLetter, char vehicleLetter) {
    return (secondTypeLetter == kPairedLetter) == (vehicleLetter == kPairedLetter);
}

char letterOfSecondType(std::uint8_t id) {
    return letterOf(kSecondTypes, id);
}

char letterOfVehicle(std::uint8_t id) {
    return letterOf(kVehicles, id);
}

}  // namespace qvn
