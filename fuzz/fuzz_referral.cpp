// The referral address: only unreserved characters and escapes in the values,
// a strictly valid URL, and a query that decodes back to the fields.
#include "FuzzInput.h"
#include "Site.h"
#include "modTellAFriend.h"

#include <QUrl>

using namespace Tessivane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = Fuzz::Parts(data, size, std::size(ReferralBoxes));
    ReferralFields fields;
    for (std::size_t i = 0; i < parts.size(); ++i)
        fields.*ReferralBoxes[i].field = QString::fromUtf8(parts[i].data(), static_cast<qsizetype>(parts[i].size()));

    const QString address = buildReferralUrl(fields);
    const QString prefix = PageAddress(pageKey(Page::ReferAFriend));
    FUZZ_CHECK(address.startsWith(prefix + QLatin1Char('&')));
    for (const QChar ch : address.mid(prefix.size())) {
        const char16_t c = ch.unicode();
        FUZZ_CHECK((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-'
                   || c == u'.' || c == u'_' || c == u'~' || c == u'%' || c == u'&' || c == u'=');
    }
    FUZZ_CHECK(exactUrl(address).has_value());

    // One parameter a box, then the product folder.
    constexpr auto boxes = static_cast<qsizetype>(std::size(ReferralBoxes));
    const QStringList pairs = address.mid(prefix.size() + 1).split(QLatin1Char('&'));
    FUZZ_CHECK(pairs.size() == boxes + 1);
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const bool box = i < boxes;
        const QString name
            = (box ? QLatin1String(ReferralBoxes[i].parameter) : QLatin1String("taf6")) + QLatin1Char('=');
        FUZZ_CHECK(pairs[i].startsWith(name));
        const QString value = QUrl::fromPercentEncoding(pairs[i].mid(name.size()).toLatin1());
        FUZZ_CHECK(value == (box ? fields.*ReferralBoxes[i].field : ProductFolder()));
    }
    return 0;
}
