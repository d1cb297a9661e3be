#include "ConsoleStreams.h"

#include <iostream>

#include "ConsoleBuffer.h"
#include "StandardStreams.h"

namespace fortunix::console {

namespace {

#ifdef _WIN32
// A buffer writing to the standard handle `which` when it is a console; none for a pipe, a file
// or no handle at all.
std::unique_ptr<ConsoleBuffer> BufferFor(DWORD which) {
    const HANDLE handle = ConsoleHandle(which);
    if (handle == nullptr) {
        return nullptr;
    }
    return std::make_unique<ConsoleBuffer>(
        [handle](std::u16string_view text) { return WriteConsoleText(handle, text); });
}
#endif

}  // namespace

ConsoleStreams::ConsoleStreams() {
#ifdef _WIN32
    out_ = BufferFor(STD_OUTPUT_HANDLE);
    err_ = BufferFor(STD_ERROR_HANDLE);
#endif
    if (out_) {
        std::cout.flush();
        outBefore_ = std::cout.rdbuf(out_.get());
    }
    if (err_) {
        std::cerr.flush();
        errBefore_ = std::cerr.rdbuf(err_.get());
    }
}

ConsoleStreams::~ConsoleStreams() {
    if (out_) {
        std::cout.flush();
        std::cout.rdbuf(outBefore_);
    }
    if (err_) {
        std::cerr.flush();
        std::cerr.rdbuf(errBefore_);
    }
}

}  // namespace fortunix::console
