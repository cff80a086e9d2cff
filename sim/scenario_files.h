// The files a scenario writes with `:file` and shows with `:show file`, all under the command
// directory (the current directory).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// A relative path that stays under the current directory; a backslash separates folders as a
// slash does, so that paths are written the same way for every build. Throws ScenarioError.
std::filesystem::path scenarioPath(std::string_view text);

// Writes the lines, each ended by LF (or CR LF), the last one without an end when `lastEnded`
// is false; parent folders are created. Throws ScenarioError.
void writeScenarioFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                       bool crlf, bool lastEnded);

// Each line of the file as "| TEXT" with a CR shown as \r, or a note that there is no file.
std::vector<std::string> describeFile(const std::filesystem::path& path);

}  // namespace sim
