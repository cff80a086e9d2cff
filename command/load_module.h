// The load command: runs the lines of a command file as if they were typed, nested load lines
// included, each file at most once at a time.
#pragma once

#include <list>
#include <set>
#include <string>
#include <vector>

#include "command/control.h"

namespace qvn {

class Load : public Module {
public:
    const char* name() override { return "load"; }
    void interact(int op, int index) override;
    int request(int op) override;
    void execute(const char* args, ::BasicSControl& control) override;

private:
    // A file read but not yet run to its end.
    struct PendingFile {
        std::string path;
        std::list<std::string> lines;
    };

    // Reads the file in front of the list; false (nothing left recorded) after a reported failure.
    bool queueFile(const std::string& path);
    void runPendingFiles(::BasicSControl& control);
    // Runs the next line of the front file; drops the file's other lines when memory runs out.
    void runNextLine(PendingFile& file, ::BasicSControl& control);

    std::list<PendingFile> pendingFiles;  // the front entry is the one being run
    std::set<std::string> activeNames;    // the paths in pendingFiles
    bool running = false;

    // Where the control keeps a copy of each file line, in place of the save region.
    std::vector<char> scratch;
    char* scratchBegin = nullptr;
    char* scratchEnd = nullptr;
};

}  // namespace qvn
