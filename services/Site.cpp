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
    switch (page) {
    case Page::HomePage:
        return QStringLiteral("home-page");
    case Page::HelpWebPage:
        return QStringLiteral("help-web-page");
    case Page::DownloadWebPage:
        return QStringLiteral("download-web-page");
    case Page::Donate:
        return QStringLiteral("donate");
    case Page::CoBrand:
        return QStringLiteral("co-brand");
    case Page::FullyBranded:
        return QStringLiteral("fully-branded");
    case Page::QuennicSoftwares:
        return QStringLiteral("quennicsoftwares");
    }
    return {};
}

QString PageAddress(const QString& key)
{
    return ProductFolder() + QLatin1String("ssd.php?page=") + key;
}

} // namespace Tessivane
