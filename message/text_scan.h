// Small readers of command argument text shared by the commands.
#pragma once

#include <cctype>

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

// The command's argument text is missing: no blank after the name, or nothing after it.
inline bool isEmptyText(const char* args) {
    return args == nullptr || *args == '\0';
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
