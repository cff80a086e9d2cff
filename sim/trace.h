// The trace: every scenario line at column 0, and under it, two blanks in, each call between
// host and module. It writes through a sink of its own, never through std::cout, which the
// module takes over for its command files.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace sim {

class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void write(std::string_view text) = 0;
    virtual void flush() {}
};

class FileSink : public TraceSink {
public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    void write(std::string_view text) override;
    void flush() override;

private:
    std::FILE* file_;
};

class StringSink : public TraceSink {
public:
    void write(std::string_view text) override { text_.append(text); }
    const std::string& text() const { return text_; }
    void clear() { text_.clear(); }

private:
    std::string text_;
};

class Trace {
public:
    void setSink(TraceSink* sink) { sink_ = sink; }
    bool queries = false;             // read-only queries are traced too
    bool echoLines = true;            // the console does not repeat what was just typed
    bool readableMessages = false;    // the console shows AddMessage as "[message] text"

    void echo(std::string_view line);
    void call(std::string_view text);   // a call line, two blanks in
    void query(std::string_view text);  // a call line only when queries are traced
    void message(std::string_view callLine, std::string_view text);
    // The module ended the process: the last line, written without allocating (the abort may
    // come from inside the allocator), then flushed.
    void abortLine();
    void flush();

private:
    void writeLine(std::string_view indent, std::string_view text);
    TraceSink* sink_ = nullptr;
};

// Pieces of call lines.
std::string num(long long value);
std::string unitText(int handle);
std::string triggerText(int handle);
std::string groupText(int handle);
std::string locationText(int x, int y);
std::string textArg(const char* text);  // a quoted C string, or NULL
std::string argList(std::initializer_list<std::string> items);  // items joined by commas

}  // namespace sim
