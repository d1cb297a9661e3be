#pragma once

#include <array>
#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

#include "Utf8ToUtf16.h"

namespace fortunix::console {

// A stream buffer that shows the program's UTF-8 output on a Windows console: it turns the
// bytes into UTF-16, each newline into CR LF as text written to a console has it, and hands
// the text to `write` (WriteConsoleW) whole characters at a time. The console's code page
// plays no part.
class ConsoleBuffer : public std::streambuf {
  public:
    // Bytes held before they are written.
    static constexpr std::size_t kBufferBytes = 4096;

    // UTF-16 units of a write at most: two for every byte held (every byte a newline), and a
    // U+FFFD for a character cut by a flush that the next byte broke off. About 16 kB: old
    // consoles refuse a single write of much more than 32 kB.
    static constexpr std::size_t kMostUnits = 2 * kBufferBytes + 1;

    // Writes all of its text, or answers false.
    using Writer = std::function<bool(std::u16string_view text)>;

    explicit ConsoleBuffer(Writer write);
    ~ConsoleBuffer() override;
    ConsoleBuffer(const ConsoleBuffer&) = delete;
    ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;

  protected:
    int_type overflow(int_type byte) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

  private:
    bool WriteOut(bool finished);

    Writer write_;
    std::array<char, kBufferBytes> bytes_{};
    Utf8ToUtf16 decoder_;
    bool failed_ = false;
};

}  // namespace fortunix::console
