#include "message/report.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "host/kestrane.h"
#include "message/qv_ostream.h"

void report(const char* prefix, const char* text, std::int32_t sound) {
    messageStream.rdbuf()->sound = sound;
    messageStream << prefix << text << std::flush;
}

void report(const ReportCategory& category, const char* text) {
    report(category.prefix, text, category.sound);
}

void reportInvalidParameterList() {
    report(category::format, reportText::invalidParameterList);
}

void reportInvalidParameter() {
    report(category::logic, reportText::invalidParameter);
}

void reportOffsetOverflow() {
    report(category::internal, reportText::offsetOverflow);
}

void reportLossOfModuleIntegrity() {
    report(category::internal, reportText::lossOfModuleIntegrity);
}

void reportOutOfMemory(const std::exception& failure) {
    char text[64] = {};
    scr_snprintf(text, sizeof text, outOfMemory::format, failure.what());
    // The text stays terminated whatever the host's formatter does when it cuts.
    text[sizeof text - 1] = '\0';
    PellanGame::AddMessage(-1, -1, text, -1, outOfMemory::sound);
}

namespace {

bool startsWithMinus(const char* text) {
    while (std::isspace(static_cast<unsigned char>(*text))) {
        ++text;
    }
    return *text == '-';
}

}  // namespace

bool parseUnsigned(const char** cursor, std::uint32_t& value) {
    // The conversion runs in 64 bits on every platform; the range is then judged against 32
    // bits on the magnitude, as a 32-bit strtoul judges it, sign or no sign.
    char* end = nullptr;
    errno = 0;
    const unsigned long long converted = std::strtoull(*cursor, &end, 10);
    const unsigned long long magnitude = startsWithMinus(*cursor) ? 0 - converted : converted;
    const bool outOfRange = errno == ERANGE || magnitude > UINT32_MAX;

    // Negated modulo 2^64, converted keeps the value negated modulo 2^32 in its low 32 bits.
    value = outOfRange ? UINT32_MAX : static_cast<std::uint32_t>(converted);
    if (outOfRange || end == *cursor) {
        reportInvalidParameterList();
        return false;
    }
    *cursor = end;
    return true;
}

bool findAIPlayer(std::uint32_t& player) {
    player = 0;
    while (player != static_cast<std::uint32_t>(PellanGame::NoPlayers()) &&
           Player[player].IsHuman()) {
        ++player;
    }
    if (player == static_cast<std::uint32_t>(PellanGame::NoPlayers())) {
        report(category::logic, reportText::noAIPlayer);
        return false;
    }
    return true;
}
