#include "ConsoleBuffer.h"

#include <algorithm>
#include <utility>

namespace fortunix::console {

ConsoleBuffer::ConsoleBuffer(Writer write) : write_(std::move(write)) {
    setp(bytes_.data(), bytes_.data() + bytes_.size());
}

ConsoleBuffer::~ConsoleBuffer() {
    WriteOut(true);
}

ConsoleBuffer::int_type ConsoleBuffer::overflow(int_type byte) {
    if (!WriteOut(false)) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(byte, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(byte);
        pbump(1);
    }
    return traits_type::not_eof(byte);
}

std::streamsize ConsoleBuffer::xsputn(const char* bytes, std::streamsize count) {
    std::streamsize done = 0;
    while (done < count) {
        if (pptr() == epptr() && !WriteOut(false)) {
            return done;
        }
        const std::streamsize room = epptr() - pptr();
        const std::streamsize piece = std::min(room, count - done);
        traits_type::copy(pptr(), bytes + done, static_cast<std::size_t>(piece));
        pbump(static_cast<int>(piece));
        done += piece;
    }
    return done;
}

int ConsoleBuffer::sync() {
    return WriteOut(false) ? 0 : -1;
}

// Hands over what the buffer holds; a character cut at its end waits unless `finished`.
bool ConsoleBuffer::WriteOut(bool finished) {
    const std::string_view held(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(bytes_.data(), bytes_.data() + bytes_.size());
    if (failed_) {
        return false;
    }
    const std::u16string text = ConsoleText(decoder_, held, finished);
    if (!text.empty() && !write_(text)) {
        failed_ = true;
    }
    return !failed_;
}

}  // namespace fortunix::console
