#include "StandardStreams.h"

#include <algorithm>
#include <cstdio>

#ifdef _WIN32
#include "Utf8ToUtf16.h"
#endif

namespace fortunix::console {

namespace {

bool WriteBytes(std::FILE* file, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

#ifdef _WIN32
bool Write(DWORD which, std::FILE* file, std::string_view text) {
    const HANDLE console = ConsoleHandle(which);
    if (console == nullptr) {
        return WriteBytes(file, text);
    }
    Utf8ToUtf16 decoder;
    return WriteConsoleText(console, ConsoleText(decoder, text, /*finished=*/true));
}
#endif

}  // namespace

bool WriteStandardOutput(std::string_view text) {
#ifdef _WIN32
    return Write(STD_OUTPUT_HANDLE, stdout, text);
#else
    return WriteBytes(stdout, text);
#endif
}

bool WriteStandardError(std::string_view text) {
#ifdef _WIN32
    return Write(STD_ERROR_HANDLE, stderr, text);
#else
    return WriteBytes(stderr, text);
#endif
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
