#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace fortunix::batch {

// Cuts a byte stream, fed in pieces of any size, into lines. A line holds at most
// `kMaxLineLength` bytes without its ending (LF or CRLF); the bytes of a longer line are
// dropped as they arrive, so memory stays the same whatever the input.
class LineSplitter {
  public:
    static constexpr std::size_t kMaxLineLength = 4096;

    // `text` is the line without its newline (a CRLF line keeps its carriage return, which
    // does not count towards the length); `tooLong` says it was longer than allowed, and then
    // `text` is empty.
    using LineHandler = std::function<void(std::string_view text, bool tooLong)>;

    explicit LineSplitter(LineHandler handler);

    // Hands every line that `bytes` completes to the handler.
    void Feed(std::string_view bytes);

    // The end of the input: hands over a last line that has no newline.
    void Finish();

  private:
    void EndLine();

    LineHandler handler_;
    std::string line_;
    bool tooLong_ = false;
    bool started_ = false;  // any byte of the current line seen
};

}  // namespace fortunix::batch
