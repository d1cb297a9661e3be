#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "reading/BirthFormState.h"

namespace fortunix {

// The births the user asked readings for, newest first, and whether to remember them.
struct RecentBirths {
    std::vector<BirthFormState> births;
    bool remember = true;
    friend bool operator==(const RecentBirths&, const RecentBirths&) = default;
};

// The file as JSON: {"remember": true, "births": [{"name": ..., "year": 2000, ...}, ...]}.
QByteArray EncodeRecentBirths(const RecentBirths& recent);

struct DecodedRecentBirths {
    RecentBirths recent;        // the entries the form could have held
    int unreadableEntries = 0;  // the others, left out
};
// Nothing for a text that is not such a file. An entry is left out when a value is missing or
// of another type, or when the form could not have held it when a reading was asked for: a
// list entry or a box text it does not take, a check of the form it fails, the
// birthplace-time entry without its offset, a place off the globe or in a zone unknown here.
std::optional<DecodedRecentBirths> DecodeRecentBirths(const QByteArray& json);

// The recent births in the file recent-births.json of the program's data folder. Nothing of it
// leaves the machine.
class RecentBirthsFile {
  public:
    explicit RecentBirthsFile(QString folder);

    QString Path() const;

    struct Loaded {
        RecentBirths recent;  // empty, remembering on, when there is no file
        // For a file that could not be read or understood whole: where it was set aside, or
        // empty when it could not be moved (then it stays, and Save refuses to write over it).
        std::optional<QString> setAsidePath;
        int unreadableEntries = 0;  // entries left out of a file otherwise understood
    };
    // Reads the file. One that cannot be read or understood, or holds an entry that cannot, is
    // renamed to the first free name of recent-births.unreadable.json,
    // recent-births.unreadable-2.json ..., so that nothing in it is lost; the entries that
    // could be read are kept, and written anew.
    Loaded Load();

    // Writes the file whole or not at all (a temporary file renamed over it); the reason when
    // it could not be written.
    std::optional<QString> Save(const RecentBirths& recent);

  private:
    QString folder_;
    bool keepUnreadable_ = false;  // an unreadable file stays where it is
};

}  // namespace fortunix
