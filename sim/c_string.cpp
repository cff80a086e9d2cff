#include "sim/c_string.h"

#include <cstdio>

namespace sim {

std::string quoteCString(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c > 0x7E) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02x", c);
                out += hex;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
    return out;
}

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool unquoteCString(std::string_view literal, std::string& text, std::string& error) {
    if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"') {
        error = "a quoted text must start and end with a double quote";
        return false;
    }
    std::string out;
    const std::string_view body = literal.substr(1, literal.size() - 2);
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (c == '"') {
            error = "unescaped double quote inside a quoted text";
            return false;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == body.size()) {
            error = "a quoted text ends in a lone backslash";
            return false;
        }
        switch (body[i]) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case 'n': out += '\n'; break;
        case 'x': {
            const int high = i + 1 < body.size() ? hexValue(body[i + 1]) : -1;
            const int low = i + 2 < body.size() ? hexValue(body[i + 2]) : -1;
            if (high < 0 || low < 0) {
                error = "\\x needs two hex digits";
                return false;
            }
            if (high == 0 && low == 0) {
                error = "\\x00 would end the text";
                return false;
            }
            out += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            error = std::string("unknown escape \\") + body[i];
            return false;
        }
    }
    text = out;
    return true;
}

}  // namespace sim
