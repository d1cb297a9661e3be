#pragma once

#include <QString>
#include <ostream>

// Shows QStrings as text in failure messages instead of as arrays of 2-byte objects.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
