// The output stream through which every text reaches the host's message log. A writer sets
// the fields of its buffer (rdbuf()), inserts the text and flushes: one non-empty flush is one
// host message.
#pragma once

#include <ostream>

#include "message/qv_obuf.h"

namespace qvn {

template <class CharT, class Traits = std::char_traits<CharT>, class Alloc = std::allocator<CharT>>
class basic_qv_ostream : public std::basic_ostream<CharT, Traits> {
public:
    // The base only records the buffer's address here; the buffer is built right after it.
    basic_qv_ostream() : std::basic_ostream<CharT, Traits>(&buffer_) {
        this->imbue(buffer_.getloc());
    }

    basic_qv_obuf<CharT, Traits, Alloc>* rdbuf() { return &buffer_; }

private:
    basic_qv_obuf<CharT, Traits, Alloc> buffer_;
};

}  // namespace qvn

extern qvn::basic_qv_ostream<char> messageStream;
