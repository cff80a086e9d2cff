// Small readers of command argument text shared by the commands.
#pragma once

#include <cctype>
#include <cstdint>

#include "message/report.h"

namespace qvn {

// Skips white space as the standard character classification knows it.
inline const char* skipWhiteSpace(const char* text) {
    while (std::isspace(static_cast<unsigned char>(*text))) ++text;
    return text;
}

inline bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads an unsigned decimal number as parseUnsigned does, except that a non-zero number typed
// with a minus sign reads as the largest value, which every range check refuses: wrapped round
// modulo 2^32, a number such as -4294967295 would otherwise pass as a small positive one.
inline bool readNumber(const char** cursor, std::uint32_t& value) {
    const bool negative = *skipWhiteSpace(*cursor) == '-';
    if (!parseUnsigned(cursor, value)) return false;
    if (negative && value != 0) value = UINT32_MAX;
    return true;
}

// The command's argument text is missing: no blank after the name, or nothing after it.
inline bool isEmptyText(const char* args) {
    return args == nullptr || *args == '\0';
}

// Whether the command was given argument text; without, reports "Insufficient parameters".
inline bool hasArguments(const char* args) {
    if (!isEmptyText(args)) return true;
    report(category::format, reportText::insufficientParameters);
    return false;
}

// Consumes the one character that must stand at *cursor; anything else is reported as
// "Invalid parameter list".
inline bool expectChar(const char** cursor, char c) {
    if (**cursor != c) {
        reportInvalidParameterList();
        return false;
    }
    ++*cursor;
    return true;
}

}  // namespace qvn
