#pragma once

#include <QByteArrayView>
#include <charconv>
#include <vector>

namespace fortunix::atlas {

// Calls `row` with the tab-separated fields of each line of `table` that is not a comment
// (a line starting with '#') and not empty.
template <typename RowHandler>
void ForEachRow(QByteArrayView table, RowHandler row) {
    std::vector<QByteArrayView> fields;
    qsizetype lineStart = 0;
    while (lineStart < table.size()) {
        qsizetype lineEnd = table.indexOf('\n', lineStart);
        if (lineEnd < 0) {
            lineEnd = table.size();
        }
        const QByteArrayView line = table.sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (line.isEmpty() || line.front() == '#') {
            continue;
        }
        fields.clear();
        qsizetype fieldStart = 0;
        for (;;) {
            const qsizetype tab = line.indexOf('\t', fieldStart);
            if (tab < 0) {
                fields.push_back(line.sliced(fieldStart));
                break;
            }
            fields.push_back(line.sliced(fieldStart, tab - fieldStart));
            fieldStart = tab + 1;
        }
        row(fields);
    }
}

template <typename Number>
bool ParseNumber(QByteArrayView text, Number& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end;
}

}  // namespace fortunix::atlas
