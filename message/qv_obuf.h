// The stream buffer behind the message stream: it collects the characters of one message and,
// when the stream is flushed, hands the finished text to the host's message log. Where the
// message is shown, to whom and with which sound are public fields that a writer sets before
// writing; the flush consumes them and puts them back to their defaults.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <streambuf>
#include <string>
#include <vector>

#include "host/kestrane.h"

namespace qvn {

template <class CharT, class Traits = std::char_traits<CharT>, class Alloc = std::allocator<CharT>>
class basic_qv_obuf : public std::basic_streambuf<CharT, Traits> {
public:
    using int_type = typename Traits::int_type;

    // Where a finished message goes. The targets live only as members of the buffer and are
    // never deleted through this base.
    class MessageModule {
    public:
        // text is NUL-terminated and valid only during the call.
        virtual void send(CharT* text, basic_qv_obuf& owner) = 0;

    protected:
        ~MessageModule() = default;
    };

    // A message at a map position, in tile coordinates.
    class PositionMessage final : public MessageModule {
    public:
        void send(CharT* text, basic_qv_obuf& owner) override;

        LOCATION location{-1, -1};
    };

    // A message attached to a unit.
    class UnitMessage final : public MessageModule {
    public:
        void send(CharT* text, basic_qv_obuf& owner) override;

        Unit unit;
    };

    basic_qv_obuf();
    basic_qv_obuf(const basic_qv_obuf&) = delete;
    basic_qv_obuf& operator=(const basic_qv_obuf&) = delete;

    UnitMessage unitTarget;
    PositionMessage positionTarget;
    MessageModule* currentTarget = &positionTarget;  // not owning
    std::int32_t sound = 0;
    std::int32_t recipient = -1;
    // The text of the message being written. The put area spans all of it but the last byte,
    // which always leaves room for the terminating NUL.
    std::vector<CharT, Alloc> buffer;

protected:
    // Grows the buffer so that a message is never split or cut, however long.
    int_type overflow(int_type c = Traits::eof()) override;
    // Sends the buffered message, if any, and makes the buffer ready for the next one.
    int sync() override;

private:
    void setPutArea(std::ptrdiff_t buffered);
};

// The char instance is the only one; it is built in qv_obuf.cpp.
extern template class basic_qv_obuf<char>;

}  // namespace qvn
