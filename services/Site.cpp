#include "Site.h"

#include "BuildConfig.h"

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
    return QString::fromLatin1(PageKeys[static_cast<std::size_t>(page)]);
}

QString PageAddress(const QString& key)
{
    return ProductFolder() + QLatin1String("ssd.php?page=") + key;
}

} // namespace Tessivane
