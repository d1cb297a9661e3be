#include "atlas/BuiltInAtlas.h"

#include <memory>

#include "atlas/BuiltInTables.h"

namespace fortunix::atlas {

namespace {

std::unique_ptr<Atlas>& LoadedAtlas() {
    static std::unique_ptr<Atlas> atlas;
    return atlas;
}

}  // namespace

Atlas LoadBuiltInAtlas() {
    Atlas atlas = Atlas::FromTables(BuiltInTable(u"countries.tsv"), BuiltInTable(u"divisions.tsv"),
                                    BuiltInTable(u"places.tsv"));
    atlas.attachOtherNames(BuiltInTable(u"place-names.tsv"), BuiltInTable(u"place-name-keys.tsv"),
                           BuiltInTable(u"country-names.tsv"));
    atlas.attachZones(BuiltInTable(u"place-zones.tsv"));
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
