#pragma once

#include <QDate>
#include <QMap>
#include <QMimeData>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace fortunix::fakes {

// Records every message box with the windows on screen behind it, and answers from a queue
// (OK, or No for a Yes/No box, when the queue is empty). Never blocks.
class RecordingMessageBoxes final : public MessageBoxes {
  public:
    struct Shown {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
        QStringList visibleWindows;  // object names
    };

    MessageAnswer Show(QWidget*, const QString& text, MessageIcon icon,
                       MessageButtons buttons) override;

    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;
};

class RecordingWebOpener final : public WebOpener {
  public:
    void Open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

// In-memory settings keyed by "application/section/key".
class MemorySettingsStore final : public SettingsStore {
  public:
    QString Read(const QString& application, const QString& section, const QString& key) override {
        return values.value(application + u'/' + section + u'/' + key);
    }
    void Save(const QString& application, const QString& section, const QString& key,
              const QString& value) override {
        values.insert(application + u'/' + section + u'/' + key, value);
        ++writes;
    }
    QMap<QString, QString> values;
    int writes = 0;
};

class FakeInstanceLock final : public InstanceLock {
  public:
    bool TryAcquire() override {
        held = available;
        return available;
    }
    void Release() override { held = false; }
    bool available = true;
    bool held = false;
};

class FixedClock final : public Clock {
  public:
    QDate Today() override { return today; }
    QDate today{2026, 12, 7};
};

// Hands out queued draws (0 when the queue is empty) and counts the seedings.
class ScriptedRandom final : public RandomSource {
  public:
    void SeedFromTimer() override { ++seedings; }
    float Draw() override;
    std::deque<float> draws;
    int seedings = 0;
};

class RecordingProcessControl final : public ProcessControl {
  public:
    void Terminate(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};

// Keeps what the running copy would answer with, and counts the calls of refused starts;
// `onCall` runs at each call, for a test to see what had happened by then.
class RecordingFrontCall final : public FrontCall {
  public:
    void AnswerCalls(std::function<void()> answer) override { comeToFront = std::move(answer); }
    bool CallRunningCopy() override {
        ++calls;
        if (onCall) {
            onCall();
        }
        return answered;
    }
    std::function<void()> comeToFront;
    std::function<void()> onCall;
    int calls = 0;
    bool answered = true;
};

// Folders of their own in a temporary folder, removed with the object: the program's data
// folder (which does not exist until the program makes it) and a documents folder.
class TemporaryUserFolders final : public UserFolders {
  public:
    QString DataFolder() override { return dataFolder; }
    QString DocumentsFolder() override { return documentsFolder; }
    QString HomeFolder() override { return root.path(); }

    QTemporaryDir root;
    QString dataFolder = root.filePath(QStringLiteral("data/Fortunix"));
    QString documentsFolder = root.filePath(QStringLiteral("Documents"));
};

// Answers the save dialog with `savePath` (empty: cancelled) and the print dialog with
// `printerAccepted`, first sending the printer's output to the PDF file `printerPdfPath` when
// one is given. Records what each dialog was asked.
class ScriptedDocumentDialogs final : public DocumentDialogs {
  public:
    QString AskSavePath(QWidget*, const QString& title, const QString& proposedPath,
                        const QString& filter) override;
    bool ChoosePrinter(QWidget*, QPrinter& printer) override;
    bool HasPrinter() override { return printerInstalled; }

    QString savePath;
    bool printerInstalled = true;
    bool printerAccepted = false;
    QString printerPdfPath;
    QStringList saveTitles;
    QStringList proposedPaths;
    QStringList saveFilters;
    int printerQuestions = 0;
};

// Keeps what was put on the clipboard last.
class RecordingClipboard final : public Clipboard {
  public:
    void Put(QMimeData* data) override { held.reset(data); }
    std::unique_ptr<QMimeData> held;
};

// The system's paper as a test sets it; by default the system says nothing.
class ChosenPaper final : public SystemPaper {
  public:
    std::optional<QPageSize> UsersPaper() override { return paper; }
    std::optional<QPageSize> paper;
};

// All the doubles, installed for the lifetime of the object: no browser, no settings file,
// no real exit, no real file dialog, no file in the user's folders, no real clipboard. Used by the
// tests, the benchmarks and the screenshot tool.
struct FakePlatform {
    RecordingMessageBoxes messages;
    RecordingWebOpener web;
    MemorySettingsStore settings;
    FakeInstanceLock lock;
    FixedClock clock;
    ScriptedRandom random;
    RecordingProcessControl process;
    RecordingFrontCall frontCall;
    TemporaryUserFolders folders;
    ScriptedDocumentDialogs dialogs;
    RecordingClipboard clipboard;
    ChosenPaper paper;
    Platform platform;

    FakePlatform() : FakePlatform(nullptr) {}
    // With `otherMessages` answering the message boxes instead of the recorder.
    explicit FakePlatform(MessageBoxes* otherMessages);
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;
};

}  // namespace fortunix::fakes
