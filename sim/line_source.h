// Where scenario lines come from: a script, standard input, or the console.
#pragma once

#include <istream>
#include <string>

namespace sim {

class LineSource {
public:
    virtual ~LineSource() = default;
    // The next line without its line end; false at the end. `continuation` tells that the
    // line belongs to a `:file` block (the console prompts differently for it).
    virtual bool next(std::string& line, bool continuation) = 0;
    virtual int lineNumber() const = 0;
};

// Lines of a stream; a line end is LF or CR LF, and a last line may have none.
class StreamLineSource : public LineSource {
public:
    explicit StreamLineSource(std::istream& in) : in_(in) {}
    bool next(std::string& line, bool continuation) override;
    int lineNumber() const override { return number_; }

private:
    std::istream& in_;
    int number_ = 0;
};

}  // namespace sim
