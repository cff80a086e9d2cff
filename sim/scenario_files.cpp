#include "sim/scenario_files.h"

#include <fstream>
#include <iterator>

#include "sim/scenario_error.h"

namespace sim {

std::filesystem::path scenarioPath(std::string_view text) {
    std::string portable(text);
    for (char& c : portable) {
        if (c == '\\') c = '/';
    }
    const std::filesystem::path path(portable);
    if (portable.empty() || path.has_root_path()) {
        throw ScenarioError("\"" + std::string(text) + "\" is not a relative file path");
    }
    for (const auto& part : path) {
        if (part == "..") {
            throw ScenarioError("\"" + std::string(text) + "\" leads out of the command directory");
        }
    }
    return path;
}

void writeScenarioFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                       bool crlf, bool lastEnded) {
    std::error_code error;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw ScenarioError("cannot write " + path.generic_string());
    const char* end = crlf ? "\r\n" : "\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out << lines[i];
        if (i + 1 < lines.size() || lastEnded) out << end;
    }
    out.close();
    if (!out) throw ScenarioError("cannot write " + path.generic_string());
}

std::vector<std::string> describeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return {"no such file"};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {"no such file"};
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = "| ";
        for (std::size_t i = start; i < end; ++i) {
            if (content[i] == '\r') {
                line += "\\r";
            } else {
                line += content[i];
            }
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace sim
