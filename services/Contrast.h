#pragma once

// Whether the user has asked the system for more contrast. While the answer is
// yes, the windows draw only the desktop's colours (ui/Look.h).

#include "Platform.h"

#include <QVariant>

#include <functional>
#include <memory>
#include <optional>

namespace Tessivane {

// What the platform has said so far; each is empty where it said nothing.
struct ContrastAnswers
{
    std::optional<bool> asked; // TESSIVANE_CONTRAST, the user's own word for this program
    std::optional<bool> qtHighContrast; // Qt's contrast preference (Qt 6.10 and later)
    std::optional<bool> windowsHighContrast; // SPI_GETHIGHCONTRAST's HCF_HIGHCONTRASTON
    std::optional<uint> portalContrast; // the settings portal's org.freedesktop.appearance contrast
    std::optional<bool> gnomeHighContrast; // GNOME's org.gnome.desktop.a11y.interface high-contrast
};

// The user's own word first; then what the system says, the portal's contrast
// before GNOME's key, which it stands for where the portal's backend serves it.
bool wantsMoreContrast(const ContrastAnswers& answers);

// TESSIVANE_CONTRAST: "high" or "normal"; anything else leaves it to the system.
std::optional<bool> askedContrast(const QString& value);

// A setting as the portal sent it, unwrapped from the variants that Read
// (version 1) and ReadOne (version 2) put round it; empty if of another type.
std::optional<uint> portalNumber(const QVariant& value);
std::optional<bool> portalSwitch(const QVariant& value);

// Asks the system, and keeps asking: Qt's own preference where Qt has one;
// otherwise Windows' high contrast flag, again at every change of the system's
// colours, or the settings portal on the session bus and its change signal.
// Nothing waits on the bus: until the portal answers, the answer is no.
class QtContrastPreference final : public ContrastPreference
{
public:
    QtContrastPreference();
    ~QtContrastPreference() override;
    QtContrastPreference(const QtContrastPreference&) = delete;
    QtContrastPreference& operator=(const QtContrastPreference&) = delete;
    bool moreContrast() const override;
    void onChange(std::function<void(bool)> changed) override;

    // Takes in what the system has just said, and tells a changed answer on.
    void heard(const std::function<void(ContrastAnswers&)>& said);

private:
    ContrastAnswers m_answers;
    bool m_more = false;
    std::function<void(bool)> m_changed;
    class Listener; // the platform's side: what hears the system
    std::unique_ptr<Listener> m_listener;
};

} // namespace Tessivane
