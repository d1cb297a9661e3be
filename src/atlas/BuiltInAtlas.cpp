#include "atlas/BuiltInAtlas.h"

#include <QFile>
#include <memory>

namespace fortunix::atlas {

namespace {

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
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
