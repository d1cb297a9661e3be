#include "atlas/BuiltInAtlas.h"

#include <QResource>
#include <QtGlobal>
#include <memory>
#include <variant>

// Outside any namespace, as Qt requires: links the image's resource into the program.
static void InitAtlasImage() {
    Q_INIT_RESOURCE(atlas_image);
}

namespace fortunix::atlas {

namespace {

std::unique_ptr<Atlas>& LoadedAtlas() {
    static std::unique_ptr<Atlas> atlas;
    return atlas;
}

}  // namespace

Atlas LoadBuiltInAtlas() {
    InitAtlasImage();
    // Uncompressed in the program's read-only data: its bytes are the program's own, mapped
    // by the system, and stay where they are for as long as the program runs.
    const QResource resource(QStringLiteral(":/atlas/atlas.image"));
    std::variant<Atlas, QString> read = Atlas::FromImage(
        resource.compressionAlgorithm() == QResource::NoCompression
            ? QByteArrayView(reinterpret_cast<const char*>(resource.data()), resource.size())
            : QByteArrayView());
    if (const QString* refused = std::get_if<QString>(&read)) {
        qWarning("%s", qUtf8Printable(*refused));
        return Atlas();
    }
    return std::move(std::get<Atlas>(read));
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
