// The interception state: where the host's chat call lands while the module is loaded, and the
// handler that passes each caught line on to the command control.
#pragma once

#include <cstdint>

namespace qvn {

class QVNMessageManager {
public:
    class IEventHandler {
    public:
        virtual void handleMessage(const char* text, int player) = 0;
        virtual ~IEventHandler() = default;
    };

    // Forwards every line to a handler that it does not own.
    class DerivedEventHandler : public IEventHandler {
    public:
        explicit DerivedEventHandler(IEventHandler* target) : target(target) {}
        void handleMessage(const char* text, int player) override {
            target->handleMessage(text, player);
        }

    private:
        IEventHandler* target;
    };

    // The one instance, created on first use (the library load).
    static QVNMessageManager& instance();

    ~QVNMessageManager() { delete handler; }

    // Load: redirect the host's chat call, once; a failure leaves the host's call alone.
    void patch();
    // Load: install a new handler forwarding to target (none if it cannot be allocated).
    void installHandler(IEventHandler* target);
    // Unload: give the host its own call target back.
    void unpatch();

    void deliver(const char* text, int player) {
        if (handler != nullptr) handler->handleMessage(text, player);
    }

    std::uint32_t patchAddress = 0x0040FD86;
    std::uint32_t savedTarget = 0;  // the host's own call target; 0 while not redirected
    IEventHandler* handler = nullptr;
};

}  // namespace qvn

// Where the redirected host call lands: (text, player) of one chat line.
extern "C" void interceptChat(const char* text, int player);
