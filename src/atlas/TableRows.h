#pragma once

#include <QByteArrayView>
#include <charconv>
#include <cstring>
#include <utility>
#include <vector>

// The one reader of the tables built into the program (data/atlas/*.tsv). They share one form:
// UTF-8 text in lines that end in a line feed (a carriage return before it is not part of the
// line, and the last line may lack both); a line starting with '#' is a comment wherever it
// stands; fields are separated by tabs; a field may hold a list whose items are separated by
// bars ("USA|America").

namespace fortunix::atlas {

// Where `byte` first stands in `text`, or null.
inline const char* FindByte(QByteArrayView text, char byte) {
    return text.isEmpty()
               ? nullptr
               : static_cast<const char*>(std::memchr(text.data(), byte, std::size_t(text.size())));
}

// How many times `byte` stands in `text`: the lines of a table, the items of its lists.
inline qsizetype CountByte(QByteArrayView text, char byte) {
    qsizetype count = 0;
    for (const char* at = FindByte(text, byte); at; ++count) {
        text = text.sliced(at + 1 - text.data());
        at = FindByte(text, byte);
    }
    return count;
}

// The lines of a table, comments left out and empty lines kept, one at a time. Each line is a
// view into the table.
class TableLines {
  public:
    explicit TableLines(QByteArrayView table) : rest_(table) {}

    // Takes the next line; false when none is left.
    bool Next(QByteArrayView& line) {
        while (!rest_.isEmpty()) {
            const char* lineFeed = FindByte(rest_, '\n');
            const qsizetype length = lineFeed ? lineFeed - rest_.data() : rest_.size();
            line = rest_.first(length);
            rest_ = rest_.sliced(lineFeed ? length + 1 : length);
            if (!line.isEmpty() && line.back() == '\r') {
                line.chop(1);
            }
            if (line.isEmpty() || line.front() != '#') {
                return true;
            }
        }
        return false;
    }

  private:
    QByteArrayView rest_;
};

// The fields of a line: the texts between its tabs, at least one.
inline void SplitFields(QByteArrayView line, std::vector<QByteArrayView>& fields) {
    fields.clear();
    for (;;) {
        const char* tab = FindByte(line, '\t');
        if (!tab) {
            fields.push_back(line);
            return;
        }
        const qsizetype length = tab - line.data();
        fields.push_back(line.first(length));
        line = line.sliced(length + 1);
    }
}

// Field `at` (from 0) of a line, without splitting the rest; empty for a line with fewer.
inline QByteArrayView FieldOf(QByteArrayView line, int at) {
    for (; at > 0; --at) {
        const char* tab = FindByte(line, '\t');
        if (tab == nullptr) {
            return {};
        }
        line = line.sliced(tab + 1 - line.data());
    }
    const char* tab = FindByte(line, '\t');
    return tab != nullptr ? line.first(tab - line.data()) : line;
}

// Calls `row` with the fields of each line that is neither a comment nor empty.
template <typename RowHandler>
void ForEachRow(QByteArrayView table, RowHandler row) {
    TableLines lines(table);
    std::vector<QByteArrayView> fields;
    for (QByteArrayView line; lines.Next(line);) {
        if (!line.isEmpty()) {
            SplitFields(line, fields);
            row(std::as_const(fields));
        }
    }
}

// The items of a bar-separated list, one at a time: "a|b" holds two, "a|" an empty second one,
// and an empty field none. Each item is a view into the field.
class ListItems {
  public:
    explicit ListItems(QByteArrayView field) : rest_(field), done_(field.isEmpty()) {}

    // Takes the next item; false when none is left.
    bool Next(QByteArrayView& item) {
        if (done_) {
            return false;
        }
        const char* bar = FindByte(rest_, '|');
        done_ = bar == nullptr;
        item = done_ ? rest_ : rest_.first(bar - rest_.data());
        rest_ = done_ ? QByteArrayView() : rest_.sliced(item.size() + 1);
        return true;
    }

  private:
    QByteArrayView rest_;
    bool done_;
};

// Reads a whole field as a number: false for anything else, an empty field included.
template <typename Number>
bool ParseNumber(QByteArrayView text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end;
}

// The same for a double, quicker for the decimals the tables hold ("-74.00597"): up to 15
// digits make an integer that a double holds exactly, and dividing it by a power of ten that
// a double holds exactly rounds once, to the nearest double, as from_chars does. Any other
// text is left to from_chars.
inline bool ParseNumber(QByteArrayView text, double& value) {
    constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr int kMostDigits = 15;
    const bool negative = !text.isEmpty() && text.front() == '-';
    qint64 digits = 0;
    int count = 0;
    int decimals = -1;  // digits after the point, once there is one
    for (qsizetype at = negative ? 1 : 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + (c - '0');
            ++count;
            decimals += decimals >= 0 ? 1 : 0;
        } else if (c == '.' && decimals < 0 && count > 0) {
            decimals = 0;
        } else {
            count = kMostDigits + 1;  // not this simple form
            break;
        }
    }
    if (count == 0 || count > kMostDigits) {
        return ParseNumber<double>(text, value);
    }
    const double magnitude =
        static_cast<double>(digits) / kPowersOfTen[decimals > 0 ? decimals : 0];
    value = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace fortunix::atlas
