#include "ConsoleStreams.h"

#include <iostream>

#include "ConsoleBuffer.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fortunix::console {

namespace {

#ifdef _WIN32
// A buffer writing to `handle` when it is a console (GetConsoleMode succeeds only for one);
// none for a pipe, a file or no handle at all.
std::unique_ptr<ConsoleBuffer> BufferFor(DWORD standardHandle) {
    const HANDLE handle = GetStdHandle(standardHandle);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr || !GetConsoleMode(handle, &mode)) {
        return nullptr;
    }
    return std::make_unique<ConsoleBuffer>([handle](std::u16string_view text) {
        while (!text.empty()) {
            DWORD written = 0;
            if (!WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written,
                               nullptr) ||
                written == 0) {
                return false;
            }
            text.remove_prefix(written);
        }
        return true;
    });
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
