// The small pieces of the scenario language: words, numbers, handles, the `:chat` form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sim {

// Words separated by blanks (spaces or tabs).
std::vector<std::string> splitWords(std::string_view text);

// A whole word as a decimal number between min and max; throws ScenarioError otherwise.
long long parseNumber(std::string_view word, long long min, long long max);

// "unit:N", "trigger:N": the handle number; throws ScenarioError for another form.
int parseHandle(std::string_view word, std::string_view kind);

struct ChatDirective {
    int player = 0;
    std::string text;
};

// What follows ":chat": blanks, the player, then one blank and the text exactly as written,
// or the text as a double-quoted literal with C escapes. Throws ScenarioError.
ChatDirective parseChatDirective(std::string_view rest);

// Bytes written as hex digit pairs, e.g. "41" or "4142"; throws ScenarioError.
std::vector<unsigned char> parseHexBytes(const std::vector<std::string>& words);

}  // namespace sim
