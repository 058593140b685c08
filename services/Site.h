#pragma once

#include <QString>

namespace Tessivane {

// The pages of the maker's site that a user can open from the program.
enum class Page { HomePage, HelpWebPage, DownloadWebPage, Donate, CoBrand, FullyBranded, QuennicSoftwares };
// The value of the page parameter that selects each page, in the order of Page.
inline constexpr const char* PageKeys[]
    = {"home-page", "help-web-page", "download-web-page", "donate", "co-brand", "fully-branded", "quennicsoftwares"};

// Scheme and host of the maker's site, without a trailing slash (set at configure time).
QString SiteBase();
// The site's host alone, as the program names it to the user.
QString siteHost();
// SiteBase followed by "/tessivane/".
QString ProductFolder();
// The value of the page parameter that selects the page.
QString pageKey(Page page);
// ProductFolder + "ssd.php?page=" + key.
QString PageAddress(const QString& key);

} // namespace Tessivane
