#include "shell/modTellAFriend.h"

#include <QCoreApplication>

#include <QUrl>

#include "platform/Platform.h"
#include "shell/modHelp.h"

namespace fortunix {

ReferralRecord ReferralRequest;

namespace {

bool IsEmptyOr(const QString& text, const QString& placeholder) {
    return text.isEmpty() || text == placeholder;
}

}  // namespace

QString TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ') {
        ++first;
    }
    while (end > first && text.at(end - 1) == u' ') {
        --end;
    }
    return text.mid(first, end - first);
}

std::optional<QString> CheckEmailPair(const QString& senderEmail, const QString& friendEmail) {
    if (senderEmail == friendEmail) {
        return QString::fromLatin1(referral::kDistinctEmails);
    }
    const bool bothHaveAt = senderEmail.contains(u'@') && friendEmail.contains(u'@');
    const bool bothHaveDot = senderEmail.contains(u'.') && friendEmail.contains(u'.');
    if (!bothHaveAt || !bothHaveDot) {
        return QString::fromLatin1(referral::kProperEmail);
    }
    return std::nullopt;
}

std::optional<QString> CheckReferral(const ReferralRecord& request) {
    struct FieldCheck {
        const QString& value;
        const char* placeholder;
        const char* message;
    };
    const FieldCheck checks[] = {
        {request.senderName, referral::kNamePlaceholder, referral::kEnterName},
        {request.senderEmail, referral::kEmailPlaceholder, referral::kEnterEmail},
        {request.message, referral::kMessagePlaceholder, referral::kEnterMessage},
        {request.friendName, referral::kFriendNamePlaceholder, referral::kEnterFriendName},
        {request.friendEmail, referral::kFriendEmailPlaceholder, referral::kEnterFriendEmail},
    };
    for (const FieldCheck& check : checks) {
        // The window shows each placeholder in the language in use.
        const QString shown = QCoreApplication::translate("Fortunix", check.placeholder);
        if (IsEmptyOr(TrimSpaces(check.value), shown)) {
            return QString::fromLatin1(check.message);
        }
    }
    return std::nullopt;
}

QString EncodeQueryValue(const QString& value) {
    // Qt keeps exactly the unreserved characters of RFC 3986 and writes upper-case hex.
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

QString BuildReferralAddress(const ReferralRecord& request, const QString& mainSiteBase) {
    // taf6 is our own address, not typed by the user, and its ':' and '/' are valid in a
    // query, so it goes in as it is.
    return mainSiteBase + QStringLiteral("/slsw-refer-a-friend.php?taf1=") +
           EncodeQueryValue(request.senderName) + QStringLiteral("&taf2=") +
           EncodeQueryValue(request.senderEmail) + QStringLiteral("&taf3=") +
           EncodeQueryValue(request.message) + QStringLiteral("&taf4=") +
           EncodeQueryValue(request.friendName) + QStringLiteral("&taf5=") +
           EncodeQueryValue(request.friendEmail) + QStringLiteral("&taf6=") + mainSiteBase +
           QStringLiteral("/fortunix/");
}

void SubmitReferral(QWidget* owner) {
    if (const std::optional<QString> failure = CheckReferral(ReferralRequest)) {
        ShowMessage(owner, *failure, MessageIcon::Error);
        return;
    }
    ReferralRequest.address = BuildReferralAddress(ReferralRequest, MainSiteBase());
    OpenReferralPage();
}

void OpenReferralPage() {
    OpenWebPage(ReferralRequest.address);
}

}  // namespace fortunix
