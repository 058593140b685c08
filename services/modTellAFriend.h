#pragma once

#include "Platform.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace Tessivane {

class modHelp;

// The five fields of a referral, one for each box of the form.
struct ReferralFields
{
    QString SenderName;
    QString SenderEmail;
    QString MessageText;
    QString FriendName;
    QString FriendEmail;
};

// The refer-a-friend request: checks the entries and opens the referral page
// with them as query parameters, each percent-encoded as UTF-8.
class modTellAFriend : public ReferralFields
{
public:
    modTellAFriend(MessageService& messages, modHelp& help);

    // "Refer A Friend Now", given the texts of the boxes in the order of
    // ReferralBoxes: copies them, trimmed, into the fields, checks the two
    // addresses, then SendReferral. The first failing check shows its message.
    void submitReferral(const QStringList& texts);
    // Checks the fields as they stand (submitReferral has trimmed them) and opens the request.
    void SendReferral();

    QString ReferralUrl;

private:
    void refuse(const QString& message);

    MessageService& m_messages;
    modHelp& m_help;
};

// A field of ReferralFields.
using ReferralField = QString ReferralFields::*;

// One box of the refer-a-friend form, with all that is particular to it.
struct ReferralBox
{
    const char* placeholder;
    const char* initialText; // what it holds before the user touches it
    bool refusesBlanks; // a typed blank is refused
    ReferralField field; // the field it fills
    const char* missing; // the message when that field is empty or still the placeholder
    const char* parameter; // of the request
};

// In the order in which the fields are checked and sent: the sender's name,
// address and message, then the friend's name and address.
// clang-format off
inline const ReferralBox ReferralBoxes[] = {
    {"Your Name",              "Your Name",              false, &ReferralFields::SenderName,  "Please Enter Your Name",          "taf1"},
    {"Your Email Address",     "Your Email Address",     true,  &ReferralFields::SenderEmail, "Please Enter Your Email",         "taf2"},
    {"Your Message",           "Your Message\r\n",       false, &ReferralFields::MessageText, "Please Enter Your Message",       "taf3"},
    {"Friend's Name",          "Friend's Name",          false, &ReferralFields::FriendName,  "Please Enter Your Friend's Name", "taf4"},
    {"Friend's Email Address", "Friend's Email Address", true,  &ReferralFields::FriendEmail, "Please Enter Your Friend's Email", "taf5"},
};
// clang-format on

// The box's text after it gains the focus: emptied when it (trimmed) is the placeholder.
QString textOnFocusIn(const ReferralBox& box, const QString& text);
// The box's text after it loses the focus: the placeholder when it is empty once trimmed.
QString textOnFocusOut(const ReferralBox& box, const QString& text);

// Leading and trailing U+0020 removed, as everywhere in the program.
QString trimBlanks(const QString& text);

inline const QString BlankInAddressMessage = QStringLiteral("Email Address Cannot Contain Space");

// The first problem with the two (trimmed) addresses, or none.
std::optional<QString> addressProblem(const QString& senderEmail, const QString& friendEmail);
// The message of the first field that is empty or still its box's placeholder, or none.
std::optional<QString> missingField(const ReferralFields& fields);
// The request address for the fields as they stand.
QString buildReferralUrl(const ReferralFields& fields);

} // namespace Tessivane
