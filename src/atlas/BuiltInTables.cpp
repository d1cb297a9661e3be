#include "atlas/BuiltInTables.h"

#include <QResource>
#include <QString>

namespace fortunix::atlas {

QByteArray BuiltInTable(QStringView fileName) {
    // Decompressed straight from the resource, without the copy that reading it as a file makes.
    const QResource resource(QStringLiteral(":/atlas/") + fileName.toString());
    return resource.isValid() ? resource.uncompressedData() : QByteArray();
}

}  // namespace fortunix::atlas
