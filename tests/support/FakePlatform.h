#pragma once

#include <QApplication>
#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
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
                       MessageButtons buttons) override {
        QStringList visibleWindows;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                visibleWindows.append(window->objectName());
            }
        }
        shown.push_back({text, icon, buttons, visibleWindows});
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }

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
    float Draw() override {
        if (draws.empty()) {
            return 0.0f;
        }
        const float value = draws.front();
        draws.pop_front();
        return value;
    }
    std::deque<float> draws;
    int seedings = 0;
};

class RecordingProcessControl final : public ProcessControl {
  public:
    void Terminate(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};

// All the doubles, installed for the lifetime of the object.
struct FakePlatform {
    RecordingMessageBoxes messages;
    RecordingWebOpener web;
    MemorySettingsStore settings;
    FakeInstanceLock lock;
    FixedClock clock;
    ScriptedRandom random;
    RecordingProcessControl process;
    Platform platform{messages, web, settings, lock, clock, random, process};

    FakePlatform() { InstallPlatform(&platform); }
    ~FakePlatform() { InstallPlatform(nullptr); }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;
};

}  // namespace fortunix::fakes
