#include "command/event_handler.h"

#include <new>

#include "command/chat_site.h"

namespace qvn {

QVNMessageManager& QVNMessageManager::instance() {
    static QVNMessageManager manager;
    return manager;
}

void QVNMessageManager::patch() {
    if (savedTarget == 0) savedTarget = chatsite::redirect(patchAddress);
}

void QVNMessageManager::installHandler(IEventHandler* target) {
    delete handler;
    handler = nullptr;
    handler = new (std::nothrow) DerivedEventHandler(target);
}

void QVNMessageManager::unpatch() {
    if (savedTarget != 0) chatsite::restore(patchAddress, savedTarget);
}

}  // namespace qvn

extern "C" void interceptChat(const char* text, int player) {
    qvn::QVNMessageManager::instance().deliver(text, player);
}
