#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <csignal>
#include <cstdio>
#include <vector>

#include "sim/platform.h"

namespace sim {

namespace {

void (*abortAction)() = nullptr;

extern "C" void onAbortSignal(int) {
    if (abortAction != nullptr) abortAction();
}

// Traces and scripts are exact bytes: the runtime must neither add a CR before each LF written
// to the standard streams nor take one away from a script read from standard input. A console
// keeps its text mode, in which Ctrl-Z ends the input.
const bool standardStreamsBinary = [] {
    if (!_isatty(_fileno(stdin))) _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return true;
}();

}  // namespace

std::string programDirectory() {
    std::vector<char> path(MAX_PATH);
    while (true) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return ".";
        if (length < path.size()) break;
        path.resize(path.size() * 2);
    }
    const std::string self(path.data());
    const std::size_t slash = self.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : self.substr(0, slash);
}

bool standardInputIsTerminal() {
    return _isatty(_fileno(stdin)) != 0;
}

const char* endOfInputKey() {
    return "Ctrl-Z and Enter";
}

// The C runtime's abort raises SIGABRT before it ends the process.
void installAbortHandler(void (*onAbort)()) {
    abortAction = onAbort;
    std::signal(SIGABRT, onAbortSignal);
}

}  // namespace sim
