// The referral address: only unreserved characters and escapes in the values,
// a strictly valid URL, and a query that decodes back to the fields.
#include "FuzzInput.h"
#include "QtPlatform.h"
#include "Site.h"
#include "modTellAFriend.h"

#include <QUrl>

using namespace Tessivane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = Fuzz::Parts(data, size, 5);
    QStringList fields;
    for (const std::string& part : parts)
        fields << QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size()));

    const QString address = buildReferralUrl(ReferralFields {fields[0], fields[1], fields[2], fields[3], fields[4]});
    const QString prefix = PageAddress(QStringLiteral("telvo-refer-a-friend"));
    FUZZ_CHECK(address.startsWith(prefix + QStringLiteral("&taf1=")));
    for (const QChar ch : address.mid(prefix.size())) {
        const char16_t c = ch.unicode();
        FUZZ_CHECK((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-'
                   || c == u'.' || c == u'_' || c == u'~' || c == u'%' || c == u'&' || c == u'=');
    }
    FUZZ_CHECK(exactUrl(address).has_value());

    const QStringList pairs = address.mid(prefix.size() + 1).split(QLatin1Char('&'));
    FUZZ_CHECK(pairs.size() == 6);
    for (int i = 0; i < 6; ++i) {
        const QString name = QStringLiteral("taf%1=").arg(i + 1);
        FUZZ_CHECK(pairs[i].startsWith(name));
        const QString value = QUrl::fromPercentEncoding(pairs[i].mid(name.size()).toLatin1());
        FUZZ_CHECK(value == (i < 5 ? fields[i] : ProductFolder()));
    }
    return 0;
}
