// A command module that records what it is asked, for tests of the control and its commands.
#pragma once

#include <string>
#include <vector>

#include "command/control.h"

class RecordingModule : public Module {
public:
    explicit RecordingModule(const char* name, int* deletions = nullptr)
        : name_(name), deletions_(deletions) {}
    ~RecordingModule() override {
        if (deletions_ != nullptr) ++*deletions_;
    }

    const char* name() override { return name_; }
    void interact(int op, int index) override {
        calls.push_back(std::to_string(op) + ":" + std::to_string(index));
    }
    void execute(const char* args, BasicSControl&) override {
        calls.push_back(args == nullptr ? std::string("execute(null)") : "execute(" + std::string(args) + ")");
    }

    std::vector<std::string> calls;

private:
    const char* name_;
    int* deletions_;
};
