#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "atlas/Atlas.h"

namespace fortunix::atlas {

// The countries' names in the languages the program speaks, as a place line writes them
// ("Россия" for RU in Russian): the table of tools/atlas/build-country-languages.js, a row per
// country code and a column per language, the columns named by its comment line
// "# code<tab>de<tab>fr...". The place choice reads it; the atlas itself and its image know
// only the English names.
class CountryNamesByLanguage {
  public:
    // Rows that cannot be read are skipped; without the naming line the table names nothing.
    static CountryNamesByLanguage FromTable(QByteArrayView table);

    // `country` as `language` (a column: "ru", "pt") writes it; the atlas's English name where
    // the table has none, English included.
    QString nameOf(const Country& country, QStringView language) const;

  private:
    QStringList languages_;
    QHash<QString, QStringList> names_;  // by country code, one per language
};

// The table built into the program, read at its first use; where the program holds none (the
// command-line tools), every country keeps its English name.
const CountryNamesByLanguage& BuiltInCountryNamesByLanguage();

}  // namespace fortunix::atlas
