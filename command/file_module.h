// The file command: selects the command file that save appends to, and owns it while a save runs.
#pragma once

#include <fstream>
#include <string>

#include "command/control.h"

namespace qvn {

class File : public Module {
public:
    File();
    ~File() override;

    const char* name() override { return "file"; }
    void interact(int op, int index) override;
    // inopOpenOut points the command output stream at the selected file; inopCloseOut detaches
    // it and closes the file.
    int request(int op) override;
    void execute(const char* args, ::BasicSControl& control) override;

private:
    int openOutput();
    int closeOutput();

    char writeBuffer[512];
    std::ofstream outputFile;
    std::string outputPath;  // empty while no file is selected
};

}  // namespace qvn
