// The commands that act on other modules (reset, save, start, stop), and version and noop.
#pragma once

#include "command/control.h"
#include "command/interaction.h"

namespace qvn {

// A module that answers no interaction of its own: every op is reported as not supported.
class InteractBase : public Module {
public:
    void interact(int op, int index) override;
    int request(int op) override;
};

class Reset : public InteractBase {
public:
    const char* name() override { return "reset"; }
    void execute(const char* args, ::BasicSControl& control) override;
};

class Save : public InteractBase {
public:
    const char* name() override { return "save"; }
    void execute(const char* args, ::BasicSControl& control) override;
};

// "start" sends inopStart, "stop" inopStop.
class StartStop : public InteractBase {
public:
    explicit StartStop(int instanceOp) : instanceOp(instanceOp) {}
    const char* name() override { return instanceOp == inopStart ? "start" : "stop"; }
    void execute(const char* args, ::BasicSControl& control) override;

private:
    int instanceOp;
};

class Version : public Module {
public:
    const char* name() override { return "version"; }
    // inopSave writes the version line; every other op is not supported.
    void interact(int op, int index) override;
    int request(int op) override { return refuseRequest(op); }
    void execute(const char* args, ::BasicSControl& control) override;
};

// The comment line of command files.
class Noop : public Module {
public:
    const char* name() override { return "noop"; }
    void interact(int op, int) override { reportNotSupported(op); }
    int request(int op) override { return refuseRequest(op); }
    void execute(const char*, ::BasicSControl&) override {}
};

// The nameless default module: receives the name of every line no module answers.
class EModuleHandler : public Module {
public:
    const char* name() override { return nullptr; }
    void execute(const char* name, ::BasicSControl& control) override;
};

}  // namespace qvn
