// The command control: the registry of command modules by name, the splitting of a command
// line into name and arguments, and the entry for every line typed or read from a file.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "command/event_handler.h"
#include "command/interaction.h"

namespace qvn {

namespace detail {
struct UniqueTraits {};
}  // namespace detail

template <int Id, class Traits>
class BasicSControl : public QVNMessageManager::IEventHandler {
public:
    // A command module: answers one command name, and interactions from the other modules.
    class Module {
    public:
        // The command name; null for the default module.
        virtual const char* name() = 0;
        virtual void interact(int op, int index);
        virtual int request(int op);
        virtual ~Module() = default;
        // args points just past the first blank of the line, or is null when it has none.
        virtual void execute(const char* args, BasicSControl& control) = 0;
    };

    BasicSControl(char* lastLineBegin, char* lastLineEnd);
    ~BasicSControl() override;
    BasicSControl(const BasicSControl&) = delete;
    BasicSControl& operator=(const BasicSControl&) = delete;

    // Takes ownership; false (and the module deleted) when it is null or its name is taken.
    bool registerModule(Module* module);
    Module* findModule(const std::string& name) const;
    void dispatch(const char* text);
    void permitPlayer(int player) { permittedPlayers |= static_cast<std::uint8_t>(1u << player); }

    // The entry for every command line: the permission check, the command, the line kept.
    void handleMessage(const char* text, int player) override;

    // The last-line area; the load module points the two Refs at its own scratch area while a
    // command file runs, so that file lines are not kept in the save region.
    char* lineAreaBegin;
    char* lineAreaEnd;
    char** lineAreaBeginRef = &lineAreaBegin;
    char** lineAreaEndRef = &lineAreaEnd;

private:
    void keepLine(const char* text);

    std::map<std::string, Module*> modules;
    Module* defaultModule = nullptr;
    std::uint8_t permittedPlayers = 0;  // bits 0 to 6
};

}  // namespace qvn

// The one command control of the module. Inside namespace qvn the plain name is the template:
// write ::BasicSControl there.
using BasicSControl = qvn::BasicSControl<0, qvn::detail::UniqueTraits>;
using Module = BasicSControl::Module;

// The stream into which a module's save interaction writes its command lines: the process's
// standard output stream, attached to the command file only while a save runs.
std::ostream& commandOutput();

// Registers the command modules in their fixed order, then permits player 0.
void registerModules(BasicSControl& control);

extern BasicSControl commandControl;
