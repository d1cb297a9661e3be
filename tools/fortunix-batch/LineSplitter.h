#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace fortunix::batch {

// Cuts a byte stream, fed in pieces of any size, into lines. A line holds at most
// `kMaxLineLength` bytes without its ending (LF or CRLF); the bytes of a longer line are
// dropped as they arrive, so memory stays the same whatever the input.
//
// Two marks that Windows editors and consoles leave are read as such, on every system, so
// that one file gives the same lines everywhere:
// - a UTF-8 byte-order mark at the very start (Notepad, "CSV UTF-8") is no part of the first
//   line;
// - a line holding only Ctrl+Z (0x1A, before LF, CRLF or the end) ends the text, as it ends
//   typed input in a console: it is no line, and what follows it is not read. A Ctrl+Z with
//   anything else on its line stays in the line.
class LineSplitter {
  public:
    static constexpr std::size_t kMaxLineLength = 4096;

    // `text` is the line without its newline (a CRLF line keeps its carriage return, which
    // does not count towards the length); `tooLong` says it was longer than allowed, and then
    // `text` is empty.
    using LineHandler = std::function<void(std::string_view text, bool tooLong)>;

    explicit LineSplitter(LineHandler handler);

    // Hands every line that `bytes` completes to the handler. Answers false once the text has
    // ended at a Ctrl+Z line: the rest of `bytes`, and any later piece, is ignored.
    bool Feed(std::string_view bytes);

    // The end of the input: hands over a last line that has no newline.
    void Finish();

    bool ended() const { return ended_; }

  private:
    void FeedLines(std::string_view bytes);
    void EndLine();

    LineHandler handler_;
    std::string line_;
    bool tooLong_ = false;
    bool started_ = false;         // any byte of the current line seen
    bool atStart_ = true;          // a byte-order mark may still come
    std::size_t markMatched_ = 0;  // its bytes seen so far
    bool ended_ = false;           // a Ctrl+Z line ended the text
};

}  // namespace fortunix::batch
