#include "StandardStreams.h"

#include <algorithm>
#include <cstdio>

#ifdef _WIN32
#include "Utf8ToUtf16.h"
#endif

namespace fortunix::console {

namespace {

// Standard error when `error`, else standard output.
bool WriteStandard(bool error, std::string_view text) {
    std::FILE* const file = error ? stderr : stdout;
#ifdef _WIN32
    if (const HANDLE console = ConsoleHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE)) {
        Utf8ToUtf16 decoder;
        return WriteConsoleText(console, ConsoleText(decoder, text, /*finished=*/true));
    }
#endif
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

}  // namespace

bool WriteStandardOutput(std::string_view text) {
    return WriteStandard(false, text);
}

bool WriteStandardError(std::string_view text) {
    return WriteStandard(true, text);
}

#ifdef _WIN32
HANDLE ConsoleHandle(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr || !GetConsoleMode(handle, &mode)) {
        return nullptr;
    }
    return handle;
}

bool WriteConsoleText(HANDLE handle, std::u16string_view text) {
    // Old consoles refuse a single write of much more than 32 kB.
    constexpr std::size_t kMostUnits = 8192;
    while (!text.empty()) {
        std::size_t piece = std::min(text.size(), kMostUnits);
        if (piece < text.size() && text[piece - 1] >= 0xD800 && text[piece - 1] < 0xDC00) {
            --piece;  // a character's two halves go together
        }
        DWORD written = 0;
        if (!WriteConsoleW(handle, text.data(), static_cast<DWORD>(piece), &written, nullptr) ||
            written == 0) {
            return false;
        }
        text.remove_prefix(written);
    }
    return true;
}
#endif

}  // namespace fortunix::console
