#include "command/control.h"

#include <cstring>
#include <iostream>
#include <new>

namespace qvn {

template <int Id, class Traits>
void BasicSControl<Id, Traits>::Module::interact(int, int) {}

template <int Id, class Traits>
int BasicSControl<Id, Traits>::Module::request(int) {
    return inopError;
}

template <int Id, class Traits>
BasicSControl<Id, Traits>::BasicSControl(char* lastLineBegin, char* lastLineEnd)
    : lineAreaBegin(lastLineBegin), lineAreaEnd(lastLineEnd) {}

template <int Id, class Traits>
BasicSControl<Id, Traits>::~BasicSControl() {
    delete defaultModule;
    for (auto& entry : modules) delete entry.second;
}

template <int Id, class Traits>
bool BasicSControl<Id, Traits>::registerModule(Module* module) {
    if (module == nullptr) return false;
    const char* name = module->name();
    if (name == nullptr) {
        if (module != defaultModule) {
            delete defaultModule;
            defaultModule = module;
        }
        return true;
    }
    std::unique_ptr<Module> owned(module);
    auto inserted = modules.emplace(name, module);  // may throw: the module is then deleted
    if (!inserted.second) return false;
    owned.release();
    return true;
}

template <int Id, class Traits>
auto BasicSControl<Id, Traits>::findModule(const std::string& name) const -> Module* {
    auto found = modules.find(name);
    return found == modules.end() ? nullptr : found->second;
}

template <int Id, class Traits>
void BasicSControl<Id, Traits>::dispatch(const char* text) {
    if (text == nullptr) return;
    const char* blank = std::strchr(text, ' ');
    const char* args = blank != nullptr ? blank + 1 : nullptr;
    try {
        std::string name = blank != nullptr ? std::string(text, blank) : std::string(text);
        if (Module* module = findModule(name)) {
            module->execute(args, *this);
        } else if (defaultModule != nullptr) {
            defaultModule->execute(name.c_str(), *this);
        }
    } catch (const std::bad_alloc&) {
        // A command that runs out of memory without a handler of its own ends silently.
    }
}

template <int Id, class Traits>
void BasicSControl<Id, Traits>::handleMessage(const char* text, int player) {
    if (player < -1 || player > 7) return;
    if (player != -1 && (player > 6 || ((permittedPlayers >> player) & 1u) == 0)) return;
    if (text == nullptr) return;
    dispatch(text);
    keepLine(text);
}

template <int Id, class Traits>
void BasicSControl<Id, Traits>::keepLine(const char* text) {
    char* begin = *lineAreaBeginRef;
    char* end = *lineAreaEndRef;
    if (begin == nullptr) return;
    std::size_t length = std::strlen(text);
    if (length < static_cast<std::size_t>(end - begin)) {
        std::memcpy(begin, text, length + 1);
    } else {
        begin[0] = '\0';
    }
}

template class BasicSControl<0, detail::UniqueTraits>;

}  // namespace qvn

std::ostream& commandOutput() {
    return std::cout;
}
