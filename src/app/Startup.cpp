#include "app/Startup.h"

#include <QLabel>
#include <cmath>

#include "forms/ProgramLanguage.h"
#include "forms/Windows.h"
#include "forms/frmMain.h"
#include "platform/Platform.h"
#include "shell/Shutdown.h"
#include "shell/UpdateReminder.h"
#include "shell/WindowRegistry.h"

namespace fortunix {

namespace {

int RoundHalfToEven(float value) {
    const float lower = std::floor(value);
    const float fraction = value - lower;
    const int whole = static_cast<int>(lower);
    if (fraction > 0.5f || (fraction == 0.5f && whole % 2 != 0)) {
        return whole + 1;
    }
    return whole;
}

void RaiseLabel(QWidget* window, const char* name) {
    if (QLabel* label = window->findChild<QLabel*>(QString::fromLatin1(name))) {
        label->raise();
    }
}

}  // namespace

bool RunStartup() {
    Platform& platform = CurrentPlatform();
    if (!platform.lock.TryAcquire()) {
        ShowMessage(nullptr, QString::fromLatin1(kAlreadyRunningText), MessageIcon::Information);
        platform.frontCall.CallRunningCopy();  // the copy the user meant comes into view
        ExitApplication();
        return false;
    }
    platform.frontCall.AnswerCalls(windows::BringShownToFront);
    UseSavedLanguage();
    platform.random.SeedFromTimer();
    PromptForUpdate();
    windows::Main().show();
    CoBrand_Randomize();
    return true;
}

int CoBrandChoice(float draw) {
    // Single precision throughout: in double some draws land just off a half and round the
    // other way.
    const float scaled = draw * 6.0f;
    const float shifted = scaled + 1.0f;
    return RoundHalfToEven(shifted);
}

void BringOfferToFront(QWidget* window, int choice) {
    if (choice == 7) {
        return;
    }
    RaiseLabel(window, choice % 2 != 0 ? "lblCobrand" : "lblFullBrand");
}

void CoBrand_Randomize() {
    BringOfferToFront(&windows::Main(), CoBrandChoice(CurrentPlatform().random.Draw()));
}

}  // namespace fortunix
