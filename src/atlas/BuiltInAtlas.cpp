#include "atlas/BuiltInAtlas.h"

#include <QResource>
#include <memory>

namespace fortunix::atlas {

namespace {

// Decompressed straight from the resource, without the copy that reading it as a file makes.
QByteArray ReadResource(const QString& path) {
    const QResource resource(path);
    return resource.isValid() ? resource.uncompressedData() : QByteArray();
}

std::unique_ptr<Atlas>& LoadedAtlas() {
    static std::unique_ptr<Atlas> atlas;
    return atlas;
}

}  // namespace

Atlas LoadBuiltInAtlas() {
    Atlas atlas = Atlas::FromTables(ReadResource(QStringLiteral(":/atlas/countries.tsv")),
                                    ReadResource(QStringLiteral(":/atlas/divisions.tsv")),
                                    ReadResource(QStringLiteral(":/atlas/places.tsv")));
    atlas.attachOtherNames(ReadResource(QStringLiteral(":/atlas/place-names.tsv")),
                           ReadResource(QStringLiteral(":/atlas/place-name-keys.tsv")),
                           ReadResource(QStringLiteral(":/atlas/country-names.tsv")));
    atlas.attachZones(ReadResource(QStringLiteral(":/atlas/place-zones.tsv")));
    return atlas;
}

const Atlas& BuiltInAtlas() {
    std::unique_ptr<Atlas>& atlas = LoadedAtlas();
    if (!atlas) {
        atlas = std::make_unique<Atlas>(LoadBuiltInAtlas());
    }
    return *atlas;
}

bool IsBuiltInAtlasLoaded() {
    return LoadedAtlas() != nullptr;
}

}  // namespace fortunix::atlas
