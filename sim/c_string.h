// Text in the trace is written as a C string literal; `:chat` accepts the same form back.
#pragma once

#include <string>
#include <string_view>

namespace sim {

// "text" with \" \\ \n \r \t, and \xHH for every other byte below 0x20 or above 0x7E.
std::string quoteCString(std::string_view text);

// Reads a whole double-quoted literal with the escapes \" \\ \t \r \n \xHH (two hex digits).
// Returns false and sets error when the literal is malformed or holds a NUL byte, which a
// C string handed to the module could not carry.
bool unquoteCString(std::string_view literal, std::string& text, std::string& error);

}  // namespace sim
