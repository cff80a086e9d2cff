#include <csignal>
#include <unistd.h>

#include <filesystem>

#include "sim/platform.h"

namespace sim {

namespace {

void (*abortAction)() = nullptr;

extern "C" void onAbortSignal(int) {
    if (abortAction != nullptr) abortAction();
}

}  // namespace

std::string programDirectory() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

bool standardInputIsTerminal() {
    return isatty(STDIN_FILENO) != 0;
}

const char* endOfInputKey() {
    return "Ctrl-D";
}

bool describePlatform(const std::string&, std::vector<std::string>&) {
    return false;
}

void installAbortHandler(void (*onAbort)()) {
    abortAction = onAbort;
    struct sigaction action {};
    action.sa_handler = onAbortSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGABRT, &action, nullptr);
}

}  // namespace sim
