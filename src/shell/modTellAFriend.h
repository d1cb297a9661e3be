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
inline constexpr char kNamePlaceholder[] = "Your Name";
inline constexpr char kEmailPlaceholder[] = "Your Email Address";
inline constexpr char kMessagePlaceholder[] = "Your Message";
inline constexpr char kFriendNamePlaceholder[] = "Friend's Name";
inline constexpr char kFriendEmailPlaceholder[] = "Friend's Email Address";

inline constexpr char kDistinctEmails[] = "Please Enter Distinct Email Addresses";
inline constexpr char kProperEmail[] = "Please Enter Proper Email Address";
inline constexpr char kEnterName[] = "Please Enter Your Name";
inline constexpr char kEnterEmail[] = "Please Enter Your Email";
inline constexpr char kEnterMessage[] = "Please Enter Your Message";
inline constexpr char kEnterFriendName[] = "Please Enter Your Friend's Name";
inline constexpr char kEnterFriendEmail[] = "Please Enter Your Friend's Email";
inline constexpr char kNoSpaceInEmail[] = "Email Address Cannot Contain Space";
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
