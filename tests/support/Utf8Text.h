#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace fortunix::test_support {

// Number of Unicode code points in `text`, or nothing when the text is not well-formed
// UTF-8 (stray or missing continuation byte, overlong form, surrogate, above U+10FFFF).
inline std::optional<std::size_t> CountCodePoints(std::string_view text) {
    std::size_t count = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = 1;
        char32_t value = lead;
        char32_t smallest = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            value = static_cast<char32_t>(lead & 0x1F);
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            value = static_cast<char32_t>(lead & 0x0F);
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            value = static_cast<char32_t>(lead & 0x07);
            smallest = 0x10000;
        } else if (lead >= 0x80) {
            return std::nullopt;
        }
        if (text.size() - at < length) {
            return std::nullopt;
        }
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            value = (value << 6) | static_cast<char32_t>(next & 0x3F);
        }
        const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
        if (value < smallest || value > 0x10FFFF || surrogate) {
            return std::nullopt;
        }
        at += length;
        ++count;
    }
    return count;
}

inline bool IsPlainAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace fortunix::test_support
