#pragma once

#include <QDate>
#include <QPageSize>
#include <QString>
#include <functional>
#include <optional>

#include "reading/BirthDataRules.h"

class QMimeData;
class QPrinter;
class QWidget;

namespace fortunix {

// Everything the program asks of the platform passes through one of these seams. The program
// installs the Qt implementations (QtPlatform.h); tests install recorders.

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A modal message box titled with the program's name.
    virtual MessageAnswer Show(QWidget* parent, const QString& text, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

class WebOpener {
  public:
    virtual ~WebOpener() = default;
    // Hands the address to the desktop's browser; the outcome is never reported.
    virtual void Open(const QString& address) = 0;
};

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The text stored under (application, section, key); empty when there is none.
    virtual QString Read(const QString& application, const QString& section,
                         const QString& key) = 0;
    virtual void Save(const QString& application, const QString& section, const QString& key,
                      const QString& value) = 0;
};

class InstanceLock {
  public:
    virtual ~InstanceLock() = default;
    // True when no other copy of this executable holds the lock; this copy then holds it.
    virtual bool TryAcquire() = 0;
    virtual void Release() = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDate Today() = 0;  // the local date
};

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void SeedFromTimer() = 0;
    virtual float Draw() = 0;  // uniform in [0, 1)
};

class ProcessControl {
  public:
    virtual ~ProcessControl() = default;
    // Ends the program with `status` once the current handler returns.
    virtual void Terminate(int status) = 0;
};

// How a later start of the program by the same user reaches the copy that runs: it asks
// that copy to bring its window to the front. Nothing outside the user's own account can call.
class FrontCall {
  public:
    virtual ~FrontCall() = default;
    // In the running copy: from now on every call runs `comeToFront`.
    virtual void AnswerCalls(std::function<void()> comeToFront) = 0;
    // In a refused start: asks the running copy to come to the front. False when no copy
    // answered (none runs, or it is not listening yet); waits at most a few seconds.
    virtual bool CallRunningCopy() = 0;
};

// Where the program keeps the user's files.
class UserFolders {
  public:
    virtual ~UserFolders() = default;
    // The per-user folder of the program's own files (the recent births); it may not exist yet.
    virtual QString DataFolder() = 0;
    // The user's documents folder, where a saved reading is proposed; it may not exist.
    virtual QString DocumentsFolder() = 0;
    // The user's home folder, where a saved reading is proposed without a documents folder.
    virtual QString HomeFolder() = 0;
};

// The dialogs of the desktop that choose where a document goes.
class DocumentDialogs {
  public:
    virtual ~DocumentDialogs() = default;
    // Asks where to save a file, proposing `proposedPath`; empty when the user cancels.
    virtual QString AskSavePath(QWidget* parent, const QString& title, const QString& proposedPath,
                                const QString& filter) = 0;
    // Lets the user choose the printer and its settings for `printer`; false when cancelled.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // False when the system knows of no printer at all.
    virtual bool HasPrinter() = 0;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Puts `data` on the system clipboard, which takes it over.
    virtual void Put(QMimeData* data) = 0;
};

// The paper the user chose for the whole system, apart from any printer.
class SystemPaper {
  public:
    virtual ~SystemPaper() = default;
    // Nothing when the system does not say, or names a paper without a standard size.
    virtual std::optional<QPageSize> UsersPaper() = 0;
};

struct Platform {
    MessageBoxes& messages;
    WebOpener& web;
    SettingsStore& settings;
    InstanceLock& lock;
    Clock& clock;
    RandomSource& random;
    ProcessControl& process;
    FrontCall& frontCall;
    UserFolders& folders;
    DocumentDialogs& dialogs;
    Clipboard& clipboard;
    SystemPaper& paper;
};

// The seams in use. InstallPlatform must run before any window is created.
void InstallPlatform(Platform* platform);
Platform& CurrentPlatform();

// Shorthand for the message boxes of the windows: OK button, application title.
MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok);

}  // namespace fortunix
