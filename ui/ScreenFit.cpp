#include "ScreenFit.h"

#include "TextFit.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace Tessivane {

namespace {

const char* const scaleProperty = "tessivaneScale";

QRect scaled(const QRect& rect, qreal by)
{
    // Edges rounded, not sizes, so that boxes that meet still meet.
    const int left = qRound(rect.left() * by);
    const int top = qRound(rect.top() * by);
    return QRect(left, top, qRound((rect.right() + 1) * by) - left, qRound((rect.bottom() + 1) * by) - top);
}

// The controls of the window's form, by their names. Qt's own parts (a list's
// drop-down, a box's scroll bars) follow their owners.
bool ofTheForm(const QWidget* control)
{
    const QString name = control->objectName();
    return !control->isWindow() && !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

void scaleFixedSize(QWidget* widget, qreal by)
{
    if (widget->minimumSize() == widget->maximumSize())
        widget->setFixedSize(scaled(QRect(QPoint(), widget->minimumSize()), by).size());
}

void scaleWindow(QWidget* window, qreal by)
{
    // Every font first, as each is now: what is set on a control is its own, and
    // what it inherits follows its container.
    std::vector<std::pair<QWidget*, QFont>> fonts {{window, window->font()}};
    const QList<QWidget*> inside = window->findChildren<QWidget*>();
    for (QWidget* control : inside) {
        if (control->testAttribute(Qt::WA_SetFont))
            fonts.emplace_back(control, control->font());
    }
    const QStringList faces = QFontDatabase::families();
    for (auto& [widget, font] : fonts) {
        font.setPointSizeF(font.pointSizeF() * by);
        // A bitmap face (MS Sans Serif, as Windows and Wine have it) has no size
        // below its smallest: smaller text takes the desktop's own face.
        if (faces.contains(font.family(), Qt::CaseInsensitive) && !QFontDatabase::isSmoothlyScalable(font.family()))
            font.setFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        widget->setFont(font);
    }
    for (QWidget* control : inside) {
        if (ofTheForm(control)) {
            scaleFixedSize(control, by);
            // What a layout places, it places again.
            if (!control->parentWidget()->layout())
                control->setGeometry(scaled(control->geometry(), by));
        }
        auto* picture = qobject_cast<QLabel*>(control);
        if (picture && !picture->pixmap().isNull()) {
            const QPixmap pixmap = picture->pixmap();
            QPixmap smaller = pixmap.scaled(pixmap.size() * by, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            smaller.setDevicePixelRatio(pixmap.devicePixelRatio());
            picture->setPixmap(smaller);
        }
    }
    scaleFixedSize(window, by);
    window->setProperty(scaleProperty, by);
    refitText(window, by);
}

} // namespace

qreal fittingScale(const QSize& window, const QSize& frame, const QSize& room, qreal pixelRatio)
{
    if (window.isEmpty() || room.isEmpty())
        return 1;
    const qreal across = qreal(room.width() - frame.width()) / window.width();
    const qreal down = qreal(room.height() - frame.height()) / window.height();
    return std::clamp(std::min(across, down), 1 / std::max<qreal>(pixelRatio, 1), qreal(1));
}

void fitOnScreen(QWidget* window, const QSize& frame)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    // Before a window manager has framed a window, its title bar is all Qt can guess.
    const QSize around = frame.isNull() ? QSize(0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight)) : frame;
    // A window with a layout (the input window's menu bar) has its size once it is laid out.
    const QSize size = window->layout() ? window->sizeHint() : window->size();
    const qreal by = fittingScale(size, around, screen->availableGeometry().size(), screen->devicePixelRatio());
    if (by < 1)
        scaleWindow(window, by);
}

qreal scaleOf(const QWidget* window)
{
    const QVariant scale = window->property(scaleProperty);
    return scale.isValid() ? scale.toReal() : 1;
}

} // namespace Tessivane
