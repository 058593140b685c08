#include "modHelp.h"

namespace Tessivane {

namespace {

constexpr qint64 quietDays = 14;

} // namespace

const QString modHelp::LastOfferKey = QStringLiteral("LastUpdateOffer");
const QString modHelp::UpdateQuestion
    = QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

modHelp::modHelp(Platform platform)
    : m_platform(platform)
{ }

void modHelp::OpenUrl(const QString& address)
{
    m_platform.browser.open(address);
}

void modHelp::OpenPage(Page page)
{
    OpenUrl(PageAddress(pageKey(page)));
}

void modHelp::OfferUpdateCheck()
{
    const std::optional<QString> stored = m_platform.settings.read(LastOfferKey);
    if (!stored)
        return;
    const QDate today = m_platform.clock.today();
    const QString todayText = today.toString(Qt::ISODate);
    if (stored->isEmpty()) {
        m_platform.settings.write(LastOfferKey, todayText);
        return;
    }
    const QDate lastOffer = QDate::fromString(*stored, Qt::ISODate);
    if (!lastOffer.isValid())
        return;
    const qint64 days = today.daysTo(lastOffer);
    if (days >= -quietDays && days <= quietDays)
        return;

    const auto answer
        = m_platform.messages.show(UpdateQuestion, MessageService::Icon::Information, MessageService::Buttons::YesNo);
    // Stored before the page opens, and nothing opens when it cannot be stored.
    if (!m_platform.settings.write(LastOfferKey, todayText))
        return;
    if (answer == MessageService::Answer::Yes)
        OpenPage(Page::DownloadWebPage);
}

void modHelp::ShutDownProgram()
{
    if (m_ended)
        return;
    m_shuttingDown = true;
    const QList<QPointer<QWidget>> windows = m_windows ? m_windows->loadedWindows() : QList<QPointer<QWidget>>();
    for (const QPointer<QWidget>& window : windows) {
        // A close handler may itself shut down (nested pass) or delete other windows.
        if (m_ended)
            return;
        // A nested pass must not close again what an outer pass has closed or is closing.
        if (window && !m_unloaded.contains(window.data())) {
            m_unloaded.append(window.data());
            m_windows->unload(window.data());
        }
    }
    if (m_ended)
        return;
    m_ended = true;
    m_platform.process.end(0);
}

} // namespace Tessivane
