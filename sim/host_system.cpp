// What the host supplies in place of the system: the message box, the chat binding, and the
// formatted print.
#include <cstdarg>
#include <cstdio>

#include "host/kestrane.h"
#include "sim/host_call_scope.h"
#include "sim/host_session.h"
#include "sim/host_system.h"

#if defined(_WIN32)
#include <windows.h>  // the message box styles
#endif

using sim::HostCallScope;
using sim::hostSession;

namespace {

std::string styleText(unsigned style) {
    std::string text;
    auto take = [&](unsigned flag, const char* name) {
        if ((style & flag) == 0) return;
        if (!text.empty()) text += '|';
        text += name;
        style &= ~flag;
    };
    take(MB_SETFOREGROUND, "MB_SETFOREGROUND");
    take(MB_ICONERROR, "MB_ICONERROR");
    if (style != 0 || text.empty()) {
        char rest[16];
        std::snprintf(rest, sizeof rest, "0x%X", style);
        if (!text.empty()) text += '|';
        text += rest;
    }
    return text;
}

}  // namespace

void sim::traceMessageBox(const void* owner, char const* text, char const* caption,
                          unsigned style) {
    char ownerText[32] = "0";
    if (owner != nullptr) std::snprintf(ownerText, sizeof ownerText, "%p", owner);
    hostSession().trace.call("MessageBoxA(" +
                             sim::argList({ownerText, sim::textArg(text), sim::textArg(caption),
                                           styleText(style)}) +
                             ")");
}

#if !defined(_WIN32)
// No one is there to close the box: it answers at once, as if OK had been pressed.
extern "C" int MessageBoxA(void* owner, char const* text, char const* caption, unsigned style) {
    HostCallScope scope;
    sim::traceMessageBox(owner, text, caption, style);
    return 1;
}

extern "C" void KestraneBindChat(void (*receiver)(char const* text, int player)) {
    HostCallScope scope;
    hostSession().chatReceiver = receiver;
}
#endif

int scr_snprintf(char* buffer, unsigned size, char const* format, ...) {
    HostCallScope scope;
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(buffer, size, format, args);
    va_end(args);
    return written;
}
