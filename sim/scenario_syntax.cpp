#include "sim/scenario_syntax.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "sim/c_string.h"
#include "sim/scenario_error.h"

namespace sim {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i])) ++i;
        if (i > start) words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

long long parseNumber(std::string_view word, long long min, long long max) {
    const std::string text(word);
    const bool wellFormed =
        !text.empty() &&
        (std::isdigit(static_cast<unsigned char>(text[0])) ||
         (text[0] == '-' && text.size() > 1 && std::isdigit(static_cast<unsigned char>(text[1]))));
    char* end = nullptr;
    errno = 0;
    const long long value = wellFormed ? std::strtoll(text.c_str(), &end, 10) : 0;
    if (!wellFormed || *end != '\0' || errno == ERANGE) {
        throw ScenarioError("bad number \"" + text + "\"");
    }
    if (value < min || value > max) {
        throw ScenarioError("number " + text + " is out of range " + std::to_string(min) + " to " +
                            std::to_string(max));
    }
    return value;
}

int parseHandle(std::string_view word, std::string_view kind) {
    const std::string prefix = std::string(kind) + ":";
    if (word.substr(0, prefix.size()) != prefix) {
        throw ScenarioError("expected " + prefix + "N, not \"" + std::string(word) + "\"");
    }
    return static_cast<int>(parseNumber(word.substr(prefix.size()), 1, 2147483647));
}

ChatDirective parseChatDirective(std::string_view rest) {
    std::size_t i = 0;
    while (i < rest.size() && isBlank(rest[i])) ++i;
    const std::size_t start = i;
    while (i < rest.size() && !isBlank(rest[i])) ++i;
    if (i == start) throw ScenarioError(":chat needs a player number");
    ChatDirective chat;
    chat.player = static_cast<int>(parseNumber(rest.substr(start, i - start), -2147483647 - 1,
                                               2147483647));
    // Exactly one blank separates the player from the text; all the rest is the text.
    const std::string_view text = i < rest.size() ? rest.substr(i + 1) : std::string_view();
    if (!text.empty() && text.front() == '"') {
        std::string error;
        if (!unquoteCString(text, chat.text, error)) throw ScenarioError(error);
    } else {
        chat.text = std::string(text);
    }
    return chat;
}

std::vector<unsigned char> parseHexBytes(const std::vector<std::string>& words) {
    std::vector<unsigned char> bytes;
    for (const std::string& word : words) {
        for (std::size_t i = 0; i < word.size(); i += 2) {
            const int high = hexDigit(word[i]);
            const int low = i + 1 < word.size() ? hexDigit(word[i + 1]) : -1;
            if (high < 0 || low < 0) {
                throw ScenarioError("bad hex bytes \"" + word + "\"");
            }
            bytes.push_back(static_cast<unsigned char>(high * 16 + low));
        }
    }
    return bytes;
}

}  // namespace sim
