#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <chrono>
#include <cstdlib>

#include "platform/InstanceLockFolder.h"
#include "platform/ProgramInfo.h"

namespace fortunix {

namespace {

// How old a lock file whose holder cannot be read must be before it is set aside.
constexpr int kStaleLockMilliseconds = 10000;

}  // namespace

MessageAnswer QtMessageBoxes::Show(QWidget* parent, const QString& text, MessageIcon icon,
                                   MessageButtons buttons) {
    QMessageBox box(
        icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromLatin1(kProgramName), text,
        buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        parent);
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) {
        return MessageAnswer::Yes;
    }
    return answer == QMessageBox::No ? MessageAnswer::No : MessageAnswer::Ok;
}

void QtWebOpener::Open(const QString& address) {
    // The answer is not reliable (sandboxes report success without opening), so it is ignored.
    QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

QString QtSettingsStore::Read(const QString& application, const QString& section,
                              const QString& key) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(kProgramName), application);
    return settings.value(section + QLatin1Char('/') + key).toString();
}

void QtSettingsStore::Save(const QString& application, const QString& section, const QString& key,
                           const QString& value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(kProgramName), application);
    settings.setValue(section + QLatin1Char('/') + key, value);
}

QtInstanceLock::QtInstanceLock(const QString& executableName)
    : QtInstanceLock(PerUserLockFolder(), executableName) {}

QtInstanceLock::QtInstanceLock(const QString& folder, const QString& executableName) {
    if (folder.isEmpty()) {
        return;
    }
    lockFile_ = std::make_unique<QLockFile>(folder + QLatin1Char('/') + executableName +
                                            QStringLiteral(".lock"));
    // A file whose holder cannot be read (left empty or torn by a crash during its write) is
    // judged by its age, and with 0 it would refuse every later start. A live holder keeps
    // its file locked, so it is never taken from it however old the file is.
    lockFile_->setStaleLockTime(kStaleLockMilliseconds);
}

bool QtInstanceLock::TryAcquire() {
    if (!lockFile_ || lockFile_->tryLock(0)) {
        return true;
    }
    return lockFile_->error() != QLockFile::LockFailedError;
}

void QtInstanceLock::Release() {
    if (lockFile_) {
        lockFile_->unlock();
    }
}

QDate QtClock::Today() {
    return QDate::currentDate();
}

void TimerSeededRandom::SeedFromTimer() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(ticks));
}

float TimerSeededRandom::Draw() {
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    float value = uniform(engine_);
    return value < 1.0f ? value : 0.0f;  // some libraries can round up to 1
}

void QtProcessControl::Terminate(int status) {
    terminationRequested_ = true;
    exitStatus_ = status;
    // exit() only ends loops that run; before the first one there is nothing to end.
    if (QCoreApplication::instance() != nullptr && QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(status);
    }
}

QString QtUserFolders::DataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString QtUserFolders::DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString QtDocumentDialogs::AskSavePath(QWidget* parent, const QString& title,
                                       const QString& proposedPath, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, proposedPath, filter);
}

bool QtDocumentDialogs::ChoosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString ExecutableName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace fortunix
