#include "sim/trace.h"

#include "sim/c_string.h"

namespace sim {

void FileSink::write(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), file_);
}

void FileSink::flush() {
    std::fflush(file_);
}

void Trace::writeLine(std::string_view indent, std::string_view text) {
    if (sink_ == nullptr) return;
    std::string line;
    line.reserve(indent.size() + text.size() + 1);
    line.append(indent).append(text).push_back('\n');
    sink_->write(line);
}

void Trace::echo(std::string_view line) {
    if (echoLines) writeLine("", line);
}

void Trace::call(std::string_view text) {
    writeLine("  ", text);
}

void Trace::query(std::string_view text) {
    if (queries) call(text);
}

void Trace::message(std::string_view callLine, std::string_view text) {
    if (readableMessages) {
        writeLine("  [message] ", text);
    } else {
        call(callLine);
    }
}

void Trace::abortLine() {
    if (sink_ == nullptr) return;
    sink_->write("  abort()\n");
    sink_->flush();
}

void Trace::flush() {
    if (sink_ != nullptr) sink_->flush();
}

std::string num(long long value) {
    return std::to_string(value);
}

std::string unitText(int handle) {
    return "unit:" + num(handle);
}

std::string triggerText(int handle) {
    return "trigger:" + num(handle);
}

std::string groupText(int handle) {
    return "group:" + num(handle);
}

std::string locationText(int x, int y) {
    return "(" + num(x) + "," + num(y) + ")";
}

std::string textArg(const char* text) {
    return text == nullptr ? std::string("NULL") : quoteCString(text);
}

std::string argList(std::initializer_list<std::string> items) {
    std::string out;
    bool first = true;
    for (const std::string& item : items) {
        if (!first) out += ',';
        out += item;
        first = false;
    }
    return out;
}

}  // namespace sim
