#include "message/qv_obuf.h"

#include <locale>
#include <new>

namespace qvn {

namespace {

// Room for 60 characters and the terminating NUL; a longer message grows the buffer by 60
// characters at a time, and the flush brings it back to this size.
constexpr std::size_t initialSize = 61;
constexpr std::size_t growthStep = 60;

// The host places messages in pixels.
constexpr int pixelsPerTile = 32;

}  // namespace

template <class CharT, class Traits, class Alloc>
void basic_qv_obuf<CharT, Traits, Alloc>::PositionMessage::send(CharT* text,
                                                                basic_qv_obuf& owner) {
    PellanGame::AddMessage(location.x * pixelsPerTile, location.y * pixelsPerTile, text,
                           owner.recipient, owner.sound);
}

template <class CharT, class Traits, class Alloc>
void basic_qv_obuf<CharT, Traits, Alloc>::UnitMessage::send(CharT* text, basic_qv_obuf& owner) {
    PellanGame::AddMessage(unit, text, owner.recipient, owner.sound);
}

template <class CharT, class Traits, class Alloc>
basic_qv_obuf<CharT, Traits, Alloc>::basic_qv_obuf() : buffer(initialSize) {
    // Numbers are written the same whatever the process's global locale; characters pass
    // through unconverted, as in any stream buffer.
    this->pubimbue(std::locale::classic());
    setPutArea(0);
}

template <class CharT, class Traits, class Alloc>
void basic_qv_obuf<CharT, Traits, Alloc>::setPutArea(std::ptrdiff_t buffered) {
    CharT* start = buffer.data();
    this->setp(start, start + buffer.size() - 1);
    this->pbump(static_cast<int>(buffered));
}

template <class CharT, class Traits, class Alloc>
auto basic_qv_obuf<CharT, Traits, Alloc>::overflow(int_type c) -> int_type {
    if (Traits::eq_int_type(c, Traits::eof())) {
        return 0;
    }
    const std::ptrdiff_t buffered = this->pptr() - this->pbase();
    try {
        buffer.resize(buffer.size() + growthStep);
    } catch (const std::bad_alloc&) {
        // The message cannot be completed: drop what was written of it and let the stream go
        // bad. The buffer is unchanged, so the put area is valid again at once.
        setPutArea(0);
        return Traits::eof();
    }
    setPutArea(buffered);
    *this->pptr() = Traits::to_char_type(c);
    this->pbump(1);
    return c;
}

template <class CharT, class Traits, class Alloc>
int basic_qv_obuf<CharT, Traits, Alloc>::sync() {
    if (this->pptr() <= this->pbase()) {
        // Nothing to send; fields a writer has set stay in force for the next message.
        return 0;
    }
    *this->pptr() = CharT();
    currentTarget->send(buffer.data(), *this);

    // The text has gone out before anything here can fail, so a failure never loses it.
    setPutArea(0);
    try {
        if (buffer.size() != initialSize) {
            buffer = std::vector<CharT, Alloc>(initialSize, CharT(), buffer.get_allocator());
            setPutArea(0);
        }
    } catch (const std::bad_alloc&) {
        // Keep the long buffer and the fields; -1 puts the stream into its bad state.
        return -1;
    }
    positionTarget.location = LOCATION(-1, -1);
    currentTarget = &positionTarget;
    sound = 0;
    recipient = -1;
    return 0;
}

template class basic_qv_obuf<char>;

}  // namespace qvn
