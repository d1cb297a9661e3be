#include "AtlasImageBuild.h"

#include <QSaveFile>
#include <cstdio>

#include "atlas/BuiltInTables.h"

namespace fortunix::atlasimage {

atlas::Atlas AtlasFromBuiltInTables() {
    using atlas::BuiltInTable;
    atlas::Atlas atlas =
        atlas::Atlas::FromTables(BuiltInTable(u"countries.tsv"), BuiltInTable(u"divisions.tsv"),
                                 BuiltInTable(u"places.tsv"));
    atlas.attachOtherNames(BuiltInTable(u"place-names.tsv"), BuiltInTable(u"place-name-keys.tsv"),
                           BuiltInTable(u"country-names.tsv"));
    atlas.attachZones(BuiltInTable(u"place-zones.tsv"));
    return atlas;
}

bool WriteAtlasImage(const QString& path) {
    const atlas::Atlas atlas = AtlasFromBuiltInTables();
    // Written whole or not at all: a build stopped halfway leaves no image cut short.
    QSaveFile file(path);
    const QByteArrayView image = atlas.image();
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(image.data(), image.size()) != image.size() || !file.commit()) {
        std::fprintf(stderr, "fortunix-atlas-image: cannot write %s: %s\n", qUtf8Printable(path),
                     qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}

}  // namespace fortunix::atlasimage
