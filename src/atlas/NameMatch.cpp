#include "atlas/NameMatch.h"

#include <string_view>

#include "atlas/KeyLetters.h"

namespace fortunix::atlas {

namespace {

// Whether `key` holds the bytes of `city` at `at`, compared here rather than by a call: a
// look-up grades thousands of names against a few letters.
bool HoldsAt(std::string_view key, std::size_t at, std::string_view city) {
    for (std::size_t i = 0; i < city.size(); ++i) {
        if (key[at + i] != city[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

NameMatch MatchPlaceName(QByteArrayView placeKey, QByteArrayView cityKey) {
    const std::string_view key(placeKey.data(), static_cast<std::size_t>(placeKey.size()));
    const std::string_view city(cityKey.data(), static_cast<std::size_t>(cityKey.size()));
    if (city.empty() || key.size() < city.size()) {
        return NameMatch::None;
    }
    if (HoldsAt(key, 0, city)) {
        const std::string_view rest = key.substr(city.size());
        if (rest.empty() || rest == " city") {
            return NameMatch::Exact;
        }
        if (rest.front() == ' ') {
            return NameMatch::Prefix;
        }
    }
    const auto wordEndsAt = [key](std::size_t end) { return end == key.size() || key[end] == ' '; };
    for (std::size_t at = 1; at + city.size() <= key.size(); ++at) {
        if (key[at - 1] == ' ' && key[at] == city.front() && wordEndsAt(at + city.size()) &&
            HoldsAt(key, at, city)) {
            return NameMatch::InnerWord;
        }
    }
    return NameMatch::None;
}

QByteArray CompactKey(QByteArrayView key) {
    QByteArray compact;
    compact.reserve(key.size());
    for (const char byte : key) {
        if (byte != ' ') {
            compact.append(byte);
        }
    }
    return compact;
}

bool IsCompactFormOf(QByteArrayView compact, QByteArrayView key) {
    qsizetype at = 0;
    for (const char byte : key) {
        if (byte != ' ' && (at == compact.size() || compact[at++] != byte)) {
            return false;
        }
    }
    return at == compact.size();
}

bool AreInitialsOf(QByteArrayView initials, QByteArrayView key) {
    // Word by word, up to the first that does not fit: divisions are compared by the thousand.
    qsizetype matched = 0;
    for (qsizetype at = 0; at < key.size();) {
        if (key[at] == ' ') {
            ++at;
            continue;
        }
        const qsizetype wordStart = at;
        NextLetter(key, at);
        const QByteArrayView initial = key.sliced(wordStart, at - wordStart);
        if (!initials.sliced(matched).startsWith(initial)) {
            return false;
        }
        matched += initial.size();
        while (at < key.size() && key[at] != ' ') {
            ++at;
        }
    }
    return matched == initials.size();
}

}  // namespace fortunix::atlas
