#include "Utf8ToUtf16.h"

namespace fortunix::console {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void AppendCodePoint(char32_t code, std::u16string& out) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
        return;
    }
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

}  // namespace

void Utf8ToUtf16::Feed(std::string_view bytes, std::u16string& out) {
    for (const char byte : bytes) {
        Take(static_cast<unsigned char>(byte), out);
    }
}

void Utf8ToUtf16::Finish(std::u16string& out) {
    if (missing_ > 0) {
        BreakOff(out);
    }
}

void Utf8ToUtf16::BreakOff(std::u16string& out) {
    out += kReplacement;
    missing_ = 0;
}

void Utf8ToUtf16::Take(unsigned char byte, std::u16string& out) {
    if (missing_ > 0) {
        if ((byte & 0xC0) == 0x80) {
            code_ = (code_ << 6) | (byte & 0x3F);
            if (--missing_ == 0) {
                // Overlong forms, surrogates and code points past U+10FFFF are no characters.
                const bool valid =
                    code_ >= lowest_ && code_ <= 0x10FFFF && (code_ < 0xD800 || code_ > 0xDFFF);
                valid ? AppendCodePoint(code_, out) : void(out += kReplacement);
            }
            return;
        }
        BreakOff(out);  // and the byte starts afresh
    }
    if (byte < 0x80) {
        out += static_cast<char16_t>(byte);
    } else if ((byte & 0xE0) == 0xC0) {
        code_ = byte & 0x1F;
        missing_ = 1;
        lowest_ = 0x80;
    } else if ((byte & 0xF0) == 0xE0) {
        code_ = byte & 0x0F;
        missing_ = 2;
        lowest_ = 0x800;
    } else if ((byte & 0xF8) == 0xF0) {
        code_ = byte & 0x07;
        missing_ = 3;
        lowest_ = 0x10000;
    } else {
        out += kReplacement;  // a continuation byte alone, or 0xF8..0xFF
    }
}

std::u16string ConsoleText(Utf8ToUtf16& decoder, std::string_view bytes, bool finished) {
    std::u16string decoded;
    decoder.Feed(bytes, decoded);
    if (finished) {
        decoder.Finish(decoded);
    }
    std::u16string text;
    text.reserve(decoded.size());
    for (const char16_t unit : decoded) {
        if (unit == u'\n') {
            text += u'\r';
        }
        text += unit;
    }
    return text;
}

}  // namespace fortunix::console
