#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace fortunix {

// The five fields of the refer-a-friend window, each trimmed of spaces, and the address
// built from them.
struct ReferralRecord {
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
    QString address;
};

// Overwritten at every submission.
extern ReferralRecord ReferralRequest;

namespace referral {
inline constexpr char kNamePlaceholder[] = QT_TRANSLATE_NOOP("Fortunix", "Your Name");
inline constexpr char kEmailPlaceholder[] = QT_TRANSLATE_NOOP("Fortunix", "Your Email Address");
inline constexpr char kMessagePlaceholder[] = QT_TRANSLATE_NOOP("Fortunix", "Your Message");
inline constexpr char kFriendNamePlaceholder[] = QT_TRANSLATE_NOOP("Fortunix", "Friend's Name");
inline constexpr char kFriendEmailPlaceholder[] =
    QT_TRANSLATE_NOOP("Fortunix", "Friend's Email Address");

inline constexpr char kDistinctEmails[] =
    QT_TRANSLATE_NOOP("Fortunix", "Please Enter Distinct Email Addresses");
inline constexpr char kProperEmail[] =
    QT_TRANSLATE_NOOP("Fortunix", "Please Enter Proper Email Address");
inline constexpr char kEnterName[] = QT_TRANSLATE_NOOP("Fortunix", "Please Enter Your Name");
inline constexpr char kEnterEmail[] = QT_TRANSLATE_NOOP("Fortunix", "Please Enter Your Email");
inline constexpr char kEnterMessage[] = QT_TRANSLATE_NOOP("Fortunix", "Please Enter Your Message");
inline constexpr char kEnterFriendName[] =
    QT_TRANSLATE_NOOP("Fortunix", "Please Enter Your Friend's Name");
inline constexpr char kEnterFriendEmail[] =
    QT_TRANSLATE_NOOP("Fortunix", "Please Enter Your Friend's Email");
inline constexpr char kNoSpaceInEmail[] =
    QT_TRANSLATE_NOOP("Fortunix", "Email Address Cannot Contain Space");
}  // namespace referral

// Removes leading and trailing spaces (code 32) only; tabs and line breaks stay.
QString TrimSpaces(const QString& text);

// The checks of the two e-mail boxes made before a submission; the message of the first
// that fails.
std::optional<QString> CheckEmailPair(const QString& senderEmail, const QString& friendEmail);

// The checks of the five fields, in order; the message of the first that fails.
std::optional<QString> CheckReferral(const ReferralRecord& request);

// A typed value as it goes into the address: UTF-8, every byte but A-Z a-z 0-9 - . _ ~
// written %XX.
QString EncodeQueryValue(const QString& value);

// The refer-a-friend page of the main site with the five fields (encoded) as taf1..taf5
// and the product's folder, as a plain address, as taf6.
QString BuildReferralAddress(const ReferralRecord& request, const QString& mainSiteBase);

// Checks ReferralRequest; on success builds its address and opens the page, otherwise shows
// the message of the failed check (error icon) over `owner`.
void SubmitReferral(QWidget* owner = nullptr);

void OpenReferralPage();

}  // namespace fortunix
