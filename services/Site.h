#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace Tessivane {

// The pages of the maker's site that the program opens.
enum class Page {
    HomePage,
    HelpWebPage,
    DownloadWebPage,
    Donate,
    CoBrand,
    FullyBranded,
    QuennicSoftwares,
    ReferAFriend
};

// Each page with the value of the page parameter that selects it.
struct PageKey
{
    Page page;
    const char* key;
};
inline constexpr PageKey PageKeys[] = {
    {Page::HomePage, "home-page"},
    {Page::HelpWebPage, "help-web-page"},
    {Page::DownloadWebPage, "download-web-page"},
    {Page::Donate, "donate"},
    {Page::CoBrand, "co-brand"},
    {Page::FullyBranded, "fully-branded"},
    {Page::QuennicSoftwares, "quennicsoftwares"},
    {Page::ReferAFriend, "telvo-refer-a-friend"},
};

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
// The address parsed without any repair or re-encoding; none when it is not a
// valid, fully encoded address.
std::optional<QUrl> exactUrl(const QString& address);

} // namespace Tessivane
