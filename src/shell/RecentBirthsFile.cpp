#include "shell/RecentBirthsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>
#include <utility>

#include "reading/TimeZoneTable.h"
#include "zones/ZoneHistory.h"

namespace fortunix {

namespace {

const QString kFileName = QStringLiteral("recent-births.json");
constexpr int kLongestOffsetMinutes = 14 * 60;
// What a line edit takes by default, which the name and look-up boxes keep.
constexpr qsizetype kLongestBoxText = 32767;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QJsonObject EncodePlace(const AtlasPlaceName& place) {
    return {{"name", Text(place.name)},
            {"division", Text(place.division)},
            {"country", Text(place.country)},
            {"zone", Text(place.zone)},
            {"longitude", place.longitude}};
}

QJsonObject EncodeBirth(const BirthFormState& state) {
    const BirthFormInput& fields = state.fields;
    QJsonObject birth{{"name", Text(fields.name)},
                      {"year", Text(fields.yearText).toInt()},
                      {"month", fields.monthIndex + 1},
                      {"day", fields.dayIndex + 1},
                      {"hour", Text(fields.hourText).toInt()},
                      {"minute", Text(fields.minuteText).toInt()},
                      {"second", state.secondIndex},
                      {"zoneRow", state.zoneRow},
                      {"daylightSaving", fields.dst},
                      {"latitudeDegrees", Text(fields.latDeg)},
                      {"latitudeMinutes", Text(fields.latMin)},
                      {"south", fields.south},
                      {"longitudeDegrees", Text(fields.lonDeg)},
                      {"longitudeMinutes", Text(fields.lonMin)},
                      {"east", fields.east},
                      {"city", Text(state.city)},
                      {"state", Text(state.state)},
                      {"country", Text(state.country)},
                      {"zoneFollowsPlace", state.zoneFollowsPlace}};
    if (state.birthplaceTimeMinutes) {
        birth.insert("birthplaceTimeMinutes", *state.birthplaceTimeMinutes);
    }
    if (state.place) {
        birth.insert("place", EncodePlace(*state.place));
    }
    return birth;
}

// Reads the members of one object, remembering whether each was there with its type.
class Reader {
  public:
    explicit Reader(QJsonObject object) : object_(std::move(object)) {}

    std::string Text(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        ok_ = ok_ && value.isString();
        return value.toString().toStdString();
    }
    bool Flag(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        ok_ = ok_ && value.isBool();
        return value.toBool();
    }
    // A whole number within lowest..highest; `lowest` for any other value, which is never
    // converted (a double beyond int would overflow).
    int Number(const char* key, int lowest, int highest) {
        const QJsonValue value = object_.value(QLatin1String(key));
        const double number = value.toDouble();
        const bool whole = value.isDouble() && number >= lowest && number <= highest &&
                           std::floor(number) == number;
        ok_ = ok_ && whole;
        return whole ? static_cast<int>(number) : lowest;
    }
    double Real(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        ok_ = ok_ && value.isDouble();
        return value.toDouble();
    }
    bool Has(const char* key) const { return object_.contains(QLatin1String(key)); }
    QJsonObject Object(const char* key) {
        const QJsonValue value = object_.value(QLatin1String(key));
        ok_ = ok_ && value.isObject();
        return value.toObject();
    }
    bool Ok() const { return ok_; }

  private:
    QJsonObject object_;
    bool ok_ = true;
};

// A place as the atlas gives it: on the globe, in a zone the history holds when it names one.
std::optional<AtlasPlaceName> DecodePlace(const QJsonObject& object) {
    Reader read(object);
    AtlasPlaceName place{read.Text("name"), read.Text("division"), read.Text("country"),
                         read.Text("zone"), read.Real("longitude")};
    const bool known = place.zone.empty() || zones::BuiltInZoneHistory().findZone(
                                                 QString::fromStdString(place.zone)) >= 0;
    if (!read.Ok() || std::abs(place.longitude) > 180 || !known) {
        return std::nullopt;
    }
    return place;
}

bool FitsBox(const std::string& text, qsizetype length = kLongestBoxText) {
    return QString::fromStdString(text).size() <= length;
}

// Whether the form takes every text of `state` as its boxes would, and passes its checks.
bool FormCouldHold(const BirthFormState& state) {
    const BirthFormInput& fields = state.fields;
    return FitsBox(fields.latDeg, kCoordinateLength) && FitsBox(fields.latMin, kCoordinateLength) &&
           FitsBox(fields.lonDeg, kLonDegLength) && FitsBox(fields.lonMin, kCoordinateLength) &&
           FitsBox(fields.name) && FitsBox(state.city) && FitsBox(state.state) &&
           FitsBox(state.country) && !CheckBirthForm(fields);
}

std::optional<BirthFormState> DecodeBirth(const QJsonObject& object) {
    Reader read(object);
    BirthFormState state;
    BirthFormInput& fields = state.fields;
    fields.name = read.Text("name");
    fields.yearText = std::to_string(read.Number("year", kFirstYear, kLastYear));
    fields.monthIndex = read.Number("month", 1, 12) - 1;
    fields.dayIndex = read.Number("day", 1, 31) - 1;
    fields.hourText = std::to_string(read.Number("hour", 0, 23));
    fields.minuteText = std::to_string(read.Number("minute", 0, 59));
    state.secondIndex = read.Number("second", 0, 59);
    state.zoneRow = read.Number("zoneRow", 0, kBirthplaceTimeRow);
    fields.dst = read.Flag("daylightSaving");
    fields.latDeg = read.Text("latitudeDegrees");
    fields.latMin = read.Text("latitudeMinutes");
    fields.south = read.Flag("south");
    fields.lonDeg = read.Text("longitudeDegrees");
    fields.lonMin = read.Text("longitudeMinutes");
    fields.east = read.Flag("east");
    state.city = read.Text("city");
    state.state = read.Text("state");
    state.country = read.Text("country");
    state.zoneFollowsPlace = read.Flag("zoneFollowsPlace");
    if (read.Has("birthplaceTimeMinutes")) {
        state.birthplaceTimeMinutes =
            read.Number("birthplaceTimeMinutes", -kLongestOffsetMinutes, kLongestOffsetMinutes);
    }
    if (read.Has("place")) {
        state.place = DecodePlace(read.Object("place"));
        if (!state.place) {
            return std::nullopt;
        }
    }
    // The birthplace-time entry is the row after the list, and only while it has an offset.
    const bool entryRow = state.zoneRow == kBirthplaceTimeRow;
    if (!read.Ok() || (entryRow && !state.birthplaceTimeMinutes) || !FormCouldHold(state)) {
        return std::nullopt;
    }
    return state;
}

}  // namespace

QByteArray EncodeRecentBirths(const RecentBirths& recent) {
    QJsonArray births;
    for (const BirthFormState& state : recent.births) {
        births.append(EncodeBirth(state));
    }
    const QJsonObject file{{"remember", recent.remember}, {"births", births}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

std::optional<DecodedRecentBirths> DecodeRecentBirths(const QByteArray& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    const QJsonObject file = document.object();
    if (!file.value(QStringLiteral("remember")).isBool() ||
        !file.value(QStringLiteral("births")).isArray()) {
        return std::nullopt;
    }
    DecodedRecentBirths decoded;
    RecentBirths& recent = decoded.recent;
    recent.remember = file.value(QStringLiteral("remember")).toBool();
    for (const QJsonValue& value : file.value(QStringLiteral("births")).toArray()) {
        const std::optional<BirthFormState> state =
            value.isObject() ? DecodeBirth(value.toObject()) : std::nullopt;
        if (state) {
            recent.births.push_back(*state);
        } else {
            ++decoded.unreadableEntries;
        }
    }
    if (recent.births.size() > kRecentBirthsKept) {
        recent.births.resize(kRecentBirthsKept);
    }
    return decoded;
}

RecentBirthsFile::RecentBirthsFile(QString folder) : folder_(std::move(folder)) {}

QString RecentBirthsFile::Path() const {
    return QDir(folder_).filePath(kFileName);
}

RecentBirthsFile::Loaded RecentBirthsFile::Load() {
    const QString path = Path();
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        return {};
    }
    std::optional<DecodedRecentBirths> decoded;
    if (file.open(QIODevice::ReadOnly)) {
        decoded = DecodeRecentBirths(file.readAll());
        file.close();
    }
    if (decoded && decoded->unreadableEntries == 0) {
        return {decoded->recent, std::nullopt};
    }
    Loaded loaded;
    if (decoded) {
        loaded.recent = decoded->recent;
        loaded.unreadableEntries = decoded->unreadableEntries;
    }
    const QDir folder(folder_);
    QString aside = folder.filePath(QStringLiteral("recent-births.unreadable.json"));
    for (int number = 2; QFileInfo::exists(aside); ++number) {
        aside = folder.filePath(QStringLiteral("recent-births.unreadable-%1.json").arg(number));
    }
    if (!QDir().rename(path, aside)) {
        keepUnreadable_ = true;
        loaded.setAsidePath = QString();
        return loaded;
    }
    loaded.setAsidePath = aside;
    if (decoded) {
        Save(loaded.recent);  // the sound entries outlive a start without a reading
    }
    return loaded;
}

std::optional<QString> RecentBirthsFile::Save(const RecentBirths& recent) {
    if (keepUnreadable_) {
        return QCoreApplication::translate("Fortunix",
                                           "the unreadable file could not be moved away");
    }
    if (!QDir().mkpath(folder_)) {
        return QCoreApplication::translate("Fortunix", "the folder could not be made");
    }
    QSaveFile file(Path());
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    file.write(EncodeRecentBirths(recent));
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace fortunix
