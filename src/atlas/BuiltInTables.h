#pragma once

#include <QByteArray>
#include <QStringView>

namespace fortunix::atlas {

// A table compiled into the program from data/atlas, by its file name ("places.tsv"): its
// bytes, decompressed. Empty when the program holds no such table.
QByteArray BuiltInTable(QStringView fileName);

}  // namespace fortunix::atlas
