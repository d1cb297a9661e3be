#include "atlas/CountryNamesByLanguage.h"

#include <vector>

#include "atlas/BuiltInTables.h"
#include "atlas/TableRows.h"

namespace fortunix::atlas {

namespace {

// The languages of the comment line that names the columns, "# code<tab>de<tab>fr...".
QStringList ColumnLanguages(QByteArrayView table) {
    constexpr QByteArrayView kNamingLine = "# code\t";
    const QByteArray text = QByteArray::fromRawData(table.data(), table.size());
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith(kNamingLine)) {
            return QString::fromUtf8(line.sliced(kNamingLine.size())).trimmed().split(u'\t');
        }
    }
    return {};
}

}  // namespace

CountryNamesByLanguage CountryNamesByLanguage::FromTable(QByteArrayView table) {
    CountryNamesByLanguage names;
    names.languages_ = ColumnLanguages(table);
    if (names.languages_.isEmpty()) {
        return names;
    }
    ForEachRow(table, [&names](const std::vector<QByteArrayView>& fields) {
        if (fields.size() != static_cast<std::size_t>(names.languages_.size()) + 1) {
            return;
        }
        QStringList row;
        for (std::size_t column = 1; column < fields.size(); ++column) {
            row.append(QString::fromUtf8(fields[column]));
        }
        names.names_.insert(QString::fromUtf8(fields[0]), row);
    });
    return names;
}

QString CountryNamesByLanguage::nameOf(const Country& country, QStringView language) const {
    const qsizetype column = languages_.indexOf(language);
    const auto row = names_.constFind(country.code);
    if (column < 0 || row == names_.cend() || row->at(column).isEmpty()) {
        return country.name;
    }
    return row->at(column);
}

const CountryNamesByLanguage& BuiltInCountryNamesByLanguage() {
    static const CountryNamesByLanguage names =
        CountryNamesByLanguage::FromTable(BuiltInTable(u"country-names-by-language.tsv"));
    return names;
}

}  // namespace fortunix::atlas
