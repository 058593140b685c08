#include "modTellAFriend.h"

#include "Reading.h"
#include "Site.h"
#include "modHelp.h"

#include <QUrl>

namespace Tessivane {

modTellAFriend::modTellAFriend(MessageService& messages, modHelp& help)
    : m_messages(messages)
    , m_help(help)
{ }

void modTellAFriend::submitReferral(const QStringList& texts)
{
    for (qsizetype i = 0; i < texts.size() && i < qsizetype(std::size(ReferralBoxes)); ++i)
        this->*ReferralBoxes[i].field = trimBlanks(texts[i]);

    if (const auto problem = addressProblem(SenderEmail, FriendEmail))
        return refuse(*problem);
    SendReferral();
}

void modTellAFriend::SendReferral()
{
    if (const auto problem = missingField(*this))
        return refuse(*problem);
    ReferralUrl = buildReferralUrl(*this);
    m_help.OpenUrl(ReferralUrl);
}

void modTellAFriend::refuse(const QString& message)
{
    m_messages.show(message, MessageService::Icon::Critical, MessageService::Buttons::Ok);
}

QString textOnFocusIn(const ReferralBox& box, const QString& text)
{
    return trimBlanks(text) == QLatin1String(box.placeholder) ? QString() : text;
}

QString textOnFocusOut(const ReferralBox& box, const QString& text)
{
    return trimBlanks(text).isEmpty() ? QString::fromLatin1(box.placeholder) : text;
}

QString trimBlanks(const QString& text)
{
    const std::u16string_view whole(QStringView(text).utf16(), std::size_t(text.size()));
    const std::u16string_view trimmed = trimBlanks(whole);
    if (trimmed.empty())
        return {};
    return text.mid(trimmed.data() - whole.data(), qsizetype(trimmed.size()));
}

std::optional<QString> addressProblem(const QString& senderEmail, const QString& friendEmail)
{
    if (senderEmail == friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    const auto proper = [](const QString& address) {
        return address.contains(QLatin1Char('@')) && address.contains(QLatin1Char('.'));
    };
    if (!proper(senderEmail) || !proper(friendEmail))
        return QStringLiteral("Please Enter Proper Email Address");
    return std::nullopt;
}

std::optional<QString> missingField(const ReferralFields& fields)
{
    for (const ReferralBox& box : ReferralBoxes) {
        const QString& field = fields.*box.field;
        if (field.isEmpty() || field == QLatin1String(box.placeholder))
            return QString::fromLatin1(box.missing);
    }
    return std::nullopt;
}

QString buildReferralUrl(const ReferralFields& fields)
{
    const auto parameter = [](const char* name, const QString& value) {
        return QLatin1Char('&') + QLatin1String(name) + QLatin1Char('=')
            + QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    QString address = PageAddress(pageKey(Page::ReferAFriend));
    for (const ReferralBox& box : ReferralBoxes)
        address += parameter(box.parameter, fields.*box.field);
    return address + parameter("taf6", ProductFolder());
}

} // namespace Tessivane
