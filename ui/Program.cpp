#include "Program.h"

#include "Accessibility.h"
#include "Look.h"
#include "ScreenFit.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "frmPlaneOfExOrPerExpect.h"

#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace Tessivane {

// Keeps where a window was when it was hidden. A window manager places a
// window mapped again anew, around what is on the screen then, and mutter
// hands a window it lets go back at its frame's corner, which the toolkit
// then takes for the window's place. Asked for the kept place, it comes back.
class PlaceKeeper final : public QObject
{
public:
    explicit PlaceKeeper(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

    bool kept() const { return m_kept; }

    void returnWindow() const
    {
        if (!m_kept)
            return;
        m_window->move(m_place);
        // Asked again of the native window: a move to where the toolkit
        // believes the window is would not reach the window manager.
        if (QWindow* handle = m_window->windowHandle())
            handle->setPosition(m_window->geometry().topLeft());
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !m_window->testAttribute(Qt::WA_DontShowOnScreen)) {
            m_place = m_window->pos();
            m_kept = true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
    QPoint m_place;
    bool m_kept = false;
};

namespace {

// Places a window that is about to open centred on another, on that one's
// screen. Its frame is taken to be the other's: the window manager draws both.
void centreOn(QWidget* window, const QWidget* other)
{
    const QPoint frame = other->geometry().topLeft() - other->frameGeometry().topLeft();
    QRect place(QPoint(), window->size() + QSize(2 * frame.x(), frame.y() + frame.x()));
    place.moveCenter(other->frameGeometry().center());
    if (const QScreen* screen = other->screen()) {
        const QRect room = screen->availableGeometry();
        place.moveLeft(std::clamp(place.left(), room.left(), std::max(room.left(), room.right() - place.width())));
        place.moveTop(std::clamp(place.top(), room.top(), std::max(room.top(), room.bottom() - place.height())));
    }
    window->move(place.topLeft());
}

// The window a user's action shows takes the keyboard.
void showActive(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// The frame the window manager drew around a shown window; none before it did.
QSize frameOf(const QWidget* window)
{
    return window ? window->frameGeometry().size() - window->size() : QSize();
}

} // namespace

Program::Program(Platform platform, modHelp& help, modTellAFriend& referral)
    : m_platform(platform)
    , m_help(help)
    , m_referral(referral)
{
    installAccessibility();
    m_help.setWindows(this);
    Look::yieldToDesktopColours(m_platform.contrast.moreContrast());
    m_platform.contrast.onChange(&Look::yieldToDesktopColours);
}

Program::~Program()
{
    m_help.setWindows(nullptr);
    delete m_result;
    delete m_main;
    delete m_nagScreen;
}

frmMain* Program::mainWindow() const
{
    return m_main;
}

frmNagScreen2* Program::nagScreen() const
{
    return m_nagScreen;
}

frmPlaneOfExOrPerExpect* Program::resultWindow() const
{
    return m_result;
}

void Program::showMainWindow()
{
    if (!m_mainLoaded) {
        m_mainLoaded = true;
        m_main = new frmMain(*this, m_help, m_platform.messages);
        m_mainPlace = new PlaceKeeper(m_main);
        fitOnScreen(m_main, QSize());
        m_main->Form_Load();
        m_main->show();
        return;
    }
    if (!m_main)
        return;
    m_mainPlace->returnWindow();
    showActive(m_main);
}

void Program::bringToFront(PromotionLabel label)
{
    if (m_main)
        m_main->bringToFront(label);
}

void Program::showNagScreen()
{
    const bool loaded = m_nagScreen;
    if (!loaded) {
        m_nagScreen = new frmNagScreen2(m_help, m_referral, m_platform.messages, m_platform.random);
        m_nagScreenPlace = new PlaceKeeper(m_nagScreen);
        fitOnScreen(m_nagScreen, frameOf(m_main));
    } else if (m_nagScreen->isVisible()) {
        return;
    }
    m_nagScreen->setAttribute(Qt::WA_DontShowOnScreen, m_nagScreenOffScreen);
    if (!m_nagScreenOffScreen) {
        // It opens over the input window, and comes back where the user left it.
        if (m_nagScreenPlace->kept())
            m_nagScreenPlace->returnWindow();
        else if (m_main)
            centreOn(m_nagScreen, m_main);
    }
    if (loaded)
        m_nagScreen->show();
    else
        m_nagScreen->Form_Load(); // shows it
}

void Program::showNagScreenOnLeaving()
{
    if (!m_help.shuttingDown())
        showNagScreen();
}

void Program::hideNagScreen()
{
    if (m_nagScreen)
        m_nagScreen->hide();
}

void Program::keepNagScreenOffScreen(bool keep)
{
    m_nagScreenOffScreen = keep;
    if (keep || !m_nagScreen || !m_nagScreen->testAttribute(Qt::WA_DontShowOnScreen))
        return;
    // Still meant to be seen when the step ends: shown for real now.
    const bool shown = m_nagScreen->isVisible();
    m_nagScreen->hide();
    m_nagScreen->setAttribute(Qt::WA_DontShowOnScreen, false);
    if (shown)
        showNagScreen();
}

void Program::showReading(const ReportPieces& report)
{
    // "Back" and every other way out close the old one, so this one is always fresh.
    delete m_result;
    m_result = new frmPlaneOfExOrPerExpect(*this, m_help, m_platform.clipboard);
    fitOnScreen(m_result, frameOf(m_main));
    if (m_main)
        centreOn(m_result, m_main);
    showActive(m_result);
    m_result->WriteReport(report);
}

void Program::backToMainWindow()
{
    // The close shows the closing window, hidden again two steps on: under
    // mutter a window shown and hidden in one pass leaves a black frame behind.
    keepNagScreenOffScreen(true);
    if (m_result)
        m_result->close();
    showMainWindow();
    hideNagScreen();
    keepNagScreenOffScreen(false);
}

void Program::showAbout(QWidget* parent)
{
    frmAbout about(m_help, parent);
    fitOnScreen(&about, frameOf(parent ? parent->window() : nullptr));
    // Qt's own placement guesses a frame with borders at the sides, as no
    // GNOME or KDE title bar has, and puts the window above the centre.
    if (parent)
        centreOn(&about, parent->window());
    m_about = &about;
    about.exec();
}

QList<QPointer<QWidget>> Program::loadedWindows() const
{
    // The closing window last: its close shuts down itself, as a nested pass.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : std::initializer_list<QWidget*> {m_about, m_result, m_main, m_nagScreen}) {
        if (window)
            windows.append(window);
    }
    return windows;
}

void Program::unload(QWidget* window)
{
    window->close();
}

} // namespace Tessivane
