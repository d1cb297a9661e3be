#include "platform/QtPlatform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <chrono>
#include <cstdlib>

#include "platform/InstanceLockFolder.h"
#include "platform/PaperSizes.h"
#include "platform/ProgramInfo.h"

#if defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#elif defined(__GLIBC__)
#include <langinfo.h>
#endif

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

QString QtUserFolders::HomeFolder() {
    return QDir::homePath();
}

QString QtDocumentDialogs::AskSavePath(QWidget* parent, const QString& title,
                                       const QString& proposedPath, const QString& filter) {
    QFileDialog dialog(parent, title, proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the proposed one before the dialog checks
    // whether the file exists, so that it asks about the file that will be written.
    dialog.setDefaultSuffix(QFileInfo(proposedPath).suffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().constFirst();
}

bool QtDocumentDialogs::ChoosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDocumentDialogs::HasPrinter() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void QtClipboard::Put(QMimeData* data) {
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<QPageSize> LocalePaper::UsersPaper() {
#if defined(Q_OS_WIN)
    DWORD code = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&code), sizeof(code) / sizeof(WCHAR)) == 0) {
        return std::nullopt;
    }
    return PaperOfWindowsCode(static_cast<int>(code));
#elif defined(__GLIBC__)
    // glibc answers these two with a number in place of the text pointer (as locale(1) reads
    // them); QCoreApplication has already taken LC_PAPER from the environment.
    const auto millimetres = [](nl_item item) {
        union {
            char* text;
            unsigned int number;
        } answer;
        answer.text = nl_langinfo(item);
        return static_cast<int>(answer.number);
    };
    return PaperOfMillimetres(millimetres(_NL_PAPER_WIDTH), millimetres(_NL_PAPER_HEIGHT));
#else
    return std::nullopt;
#endif
}

QString ExecutableName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace fortunix
