#pragma once

#include "Platform.h"
#include "Site.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace Tessivane {

// What a shutdown needs of the program's windows. The part that builds the
// windows implements it; here a window is any top-level widget.
class ProgramWindows
{
public:
    virtual ~ProgramWindows() = default;
    // Every window loaded now, shown or hidden, in the order they are closed.
    virtual QList<QPointer<QWidget>> loadedWindows() const = 0;
    // Closes one as its close box would: its own close handling runs.
    virtual void unload(QWidget* window) = 0;
};

// Page launcher, update reminder and the one orderly way the program ends.
class modHelp
{
public:
    explicit modHelp(Platform platform);

    // Fire and forget: nothing is examined or reported.
    void OpenUrl(const QString& address);
    void OpenPage(Page page);

    // Quiet on the first run and while the last offer lies 14 days or less away;
    // otherwise asks once and records today. Never reports a failure.
    void OfferUpdateCheck();

    // The windows a shutdown closes; none until set.
    void setWindows(ProgramWindows* windows) { m_windows = windows; }
    // Closes every window of the program (each runs its own close handling),
    // then ends the process with status 0. Safe to re-enter from a close handler.
    void ShutDownProgram();
    // True from the start of a shutdown: close handlers must not show anything then.
    bool shuttingDown() const { return m_shuttingDown; }

    static const QString LastOfferKey;
    static const QString UpdateQuestion;

private:
    Platform m_platform;
    ProgramWindows* m_windows = nullptr;
    QList<QWidget*> m_unloaded; // windows this shutdown has closed, closed once only
    bool m_shuttingDown = false;
    bool m_ended = false;
};

} // namespace Tessivane
