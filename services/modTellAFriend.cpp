#include "modTellAFriend.h"

#include "Site.h"
#include "modHelp.h"

#include <QUrl>

namespace Tessivane {

namespace {

QString encoded(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

bool isUnset(const QString& field, ReferralBox box)
{
    const QString trimmed = TrimBlanks(field);
    return trimmed.isEmpty() || trimmed == Placeholder(box);
}

} // namespace

QString Placeholder(ReferralBox box)
{
    switch (box) {
    case ReferralBox::Name:
        return QStringLiteral("Your Name");
    case ReferralBox::Email:
        return QStringLiteral("Your Email Address");
    case ReferralBox::Message:
        return QStringLiteral("Your Message");
    case ReferralBox::FriendName:
        return QStringLiteral("Friend's Name");
    case ReferralBox::FriendEmail:
        return QStringLiteral("Friend's Email Address");
    }
    return {};
}

QString InitialText(ReferralBox box)
{
    return box == ReferralBox::Message ? Placeholder(box) + QLatin1String("\r\n") : Placeholder(box);
}

bool RefusesBlanks(ReferralBox box)
{
    return box == ReferralBox::Email || box == ReferralBox::FriendEmail;
}

QString TextOnFocusIn(ReferralBox box, const QString& text)
{
    return TrimBlanks(text) == Placeholder(box) ? QString() : text;
}

QString TextOnFocusOut(ReferralBox box, const QString& text)
{
    return TrimBlanks(text).isEmpty() ? Placeholder(box) : text;
}

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString BuildReferralUrl(const QString& senderName, const QString& senderEmail, const QString& messageText,
                         const QString& friendName, const QString& friendEmail)
{
    return PageAddress(QStringLiteral("telvo-refer-a-friend")) + QLatin1String("&taf1=") + encoded(senderName)
        + QLatin1String("&taf2=") + encoded(senderEmail) + QLatin1String("&taf3=") + encoded(messageText)
        + QLatin1String("&taf4=") + encoded(friendName) + QLatin1String("&taf5=") + encoded(friendEmail)
        + QLatin1String("&taf6=") + encoded(ProductFolder());
}

modTellAFriend::modTellAFriend(MessageService& messages, modHelp& help)
    : m_messages(messages)
    , m_help(help)
{ }

void modTellAFriend::SubmitReferral(const ReferralEntries& entries)
{
    SenderName = TrimBlanks(entries.Name);
    SenderEmail = TrimBlanks(entries.Email);
    MessageText = TrimBlanks(entries.Message);
    FriendName = TrimBlanks(entries.FriendName);
    FriendEmail = TrimBlanks(entries.FriendEmail);

    if (SenderEmail == FriendEmail)
        return refuse(QStringLiteral("Please Enter Distinct Email Addresses"));
    const auto proper = [](const QString& address) {
        return address.contains(QLatin1Char('@')) && address.contains(QLatin1Char('.'));
    };
    if (!proper(SenderEmail) || !proper(FriendEmail))
        return refuse(QStringLiteral("Please Enter Proper Email Address"));
    SendReferral();
}

void modTellAFriend::SendReferral()
{
    if (isUnset(SenderName, ReferralBox::Name))
        return refuse(QStringLiteral("Please Enter Your Name"));
    if (isUnset(SenderEmail, ReferralBox::Email))
        return refuse(QStringLiteral("Please Enter Your Email"));
    if (isUnset(MessageText, ReferralBox::Message))
        return refuse(QStringLiteral("Please Enter Your Message"));
    if (isUnset(FriendName, ReferralBox::FriendName))
        return refuse(QStringLiteral("Please Enter Your Friend's Name"));
    if (isUnset(FriendEmail, ReferralBox::FriendEmail))
        return refuse(QStringLiteral("Please Enter Your Friend's Email"));

    ReferralUrl = BuildReferralUrl(TrimBlanks(SenderName), TrimBlanks(SenderEmail), TrimBlanks(MessageText),
                                   TrimBlanks(FriendName), TrimBlanks(FriendEmail));
    m_help.OpenUrl(ReferralUrl);
}

void modTellAFriend::refuse(const QString& message)
{
    m_messages.show(message, MessageService::Icon::Critical, MessageService::Buttons::Ok);
}

} // namespace Tessivane
