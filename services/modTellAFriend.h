#pragma once

#include "Platform.h"

#include <QString>

namespace Tessivane {

class modHelp;

// The five entry boxes of the refer-a-friend form.
enum class ReferralBox { Name, Email, Message, FriendName, FriendEmail };

QString Placeholder(ReferralBox box);
// What a box holds before the user touches it: the placeholder, and for the
// message a line break after it.
QString InitialText(ReferralBox box);
// Whether a typed blank is refused in the box (the two address boxes).
bool RefusesBlanks(ReferralBox box);
// The box's text after it gains the focus: emptied when it (trimmed) is the placeholder.
QString TextOnFocusIn(ReferralBox box, const QString& text);
// The box's text after it loses the focus: the placeholder when it is empty once trimmed.
QString TextOnFocusOut(ReferralBox box, const QString& text);

// Removes leading and trailing U+0020 only.
QString TrimBlanks(const QString& text);

inline const QString BlankInAddressMessage = QStringLiteral("Email Address Cannot Contain Space");

// The texts of the five boxes as they stand.
struct ReferralEntries
{
    QString Name;
    QString Email;
    QString Message;
    QString FriendName;
    QString FriendEmail;
};

// The refer-a-friend request: checks the entries and opens the referral page
// with them as query parameters, each percent-encoded as UTF-8.
class modTellAFriend
{
public:
    modTellAFriend(MessageService& messages, modHelp& help);

    // "Refer A Friend Now": copies the trimmed entries into the fields, checks the
    // two addresses, then SendReferral. The first failing check shows its message.
    void SubmitReferral(const ReferralEntries& entries);
    // Checks the five fields and opens the request.
    void SendReferral();

    QString SenderName;
    QString SenderEmail;
    QString MessageText;
    QString FriendName;
    QString FriendEmail;
    QString ReferralUrl;

private:
    void refuse(const QString& message);

    MessageService& m_messages;
    modHelp& m_help;
};

// The request address for these field values.
QString BuildReferralUrl(const QString& senderName, const QString& senderEmail, const QString& messageText,
                         const QString& friendName, const QString& friendEmail);

} // namespace Tessivane
