#include "support/FakePlatform.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QWidget>

namespace fortunix::fakes {

MessageAnswer RecordingMessageBoxes::Show(QWidget*, const QString& text, MessageIcon icon,
                                          MessageButtons buttons) {
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

float ScriptedRandom::Draw() {
    if (draws.empty()) {
        return 0.0f;
    }
    const float value = draws.front();
    draws.pop_front();
    return value;
}

QString ScriptedDocumentDialogs::AskSavePath(QWidget*, const QString& title,
                                             const QString& proposedPath, const QString& filter) {
    saveTitles.append(title);
    proposedPaths.append(proposedPath);
    saveFilters.append(filter);
    return savePath;
}

bool ScriptedDocumentDialogs::ChoosePrinter(QWidget*, QPrinter& printer) {
    ++printerQuestions;
    if (!printerPdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printerPdfPath);
    }
    return printerAccepted;
}

FakePlatform::FakePlatform(MessageBoxes* otherMessages)
    : platform{otherMessages != nullptr ? *otherMessages : messages,
               web,
               settings,
               lock,
               clock,
               random,
               process,
               frontCall,
               folders,
               dialogs,
               clipboard,
               paper} {
    InstallPlatform(&platform);
}

FakePlatform::~FakePlatform() {
    InstallPlatform(nullptr);
}

}  // namespace fortunix::fakes
