#pragma once

#include <string>
#include <string_view>

namespace fortunix::console {

// Turns UTF-8 text, handed over in pieces of any size, into UTF-16 for the Windows console.
// A character cut between two pieces waits for the rest; a byte that begins no character, or
// a character broken off, becomes U+FFFD, as the console would show it.
class Utf8ToUtf16 {
  public:
    // Appends to `out` every character that `bytes` completes.
    void Feed(std::string_view bytes, std::u16string& out);

    // The end of the text: a character still waiting is broken off.
    void Finish(std::u16string& out);

  private:
    void Take(unsigned char byte, std::u16string& out);
    void BreakOff(std::u16string& out);

    char32_t code_ = 0;
    int missing_ = 0;      // continuation bytes still to come
    char32_t lowest_ = 0;  // the least code point the length of the sequence may encode
};

// The text a Windows console is to show for the UTF-8 `bytes`: UTF-16, each newline as CR LF,
// as text written to a console has it. A character cut at the end of `bytes` waits in
// `decoder` for the next piece unless `finished`.
std::u16string ConsoleText(Utf8ToUtf16& decoder, std::string_view bytes, bool finished);

}  // namespace fortunix::console
