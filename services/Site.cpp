#include "Site.h"

#include "BuildConfig.h"

#include <algorithm>
#include <iterator>

namespace Tessivane {

QString SiteBase()
{
    return QStringLiteral(TESSIVANE_SITE_BASE);
}

QString siteHost()
{
    QString host = SiteBase();
    host.remove(0, host.indexOf(QLatin1String("://")) + 3);
    return host;
}

QString ProductFolder()
{
    return SiteBase() + QLatin1String("/tessivane/");
}

QString pageKey(Page page)
{
    const auto row = std::find_if(std::begin(PageKeys), std::end(PageKeys),
                                  [page](const PageKey& candidate) { return candidate.page == page; });
    return row == std::end(PageKeys) ? QString() : QString::fromLatin1(row->key);
}

QString PageAddress(const QString& key)
{
    return ProductFolder() + QLatin1String("ssd.php?page=") + key;
}

std::optional<QUrl> exactUrl(const QString& address)
{
    const QUrl url = QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
    if (!url.isValid() || url.toEncoded() != address.toUtf8())
        return std::nullopt;
    return url;
}

} // namespace Tessivane
