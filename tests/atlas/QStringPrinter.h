#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Shows QStrings as text in failure messages instead of as arrays of 2-byte objects, and
// search keys (UTF-8 QByteArrays) as text instead of lists of bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& key, std::ostream* out) {
    *out << '"' << key.toStdString() << '"';
}
