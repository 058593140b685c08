#include "Look.h"

#include "ScreenFit.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QResource>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace Tessivane::Look {

namespace {

constexpr qreal step = 0.25;

// No smaller than 6 points at the 96 dots an inch the boxes were laid out at.
qreal smallest(const QWidget* widget)
{
    return 6.0 * 96 / widget->logicalDpiY();
}

// The boxes were laid out for Verdana and MS Sans Serif at 96 dots an inch:
// where the face asked for is the one drawn at that resolution (as on Windows),
// the text fits as designed. A fallback face, or a larger font resolution, is fitted.
bool drawnAsDesigned(const QWidget* widget)
{
    return widget->logicalDpiY() == 96
        && QFontInfo(widget->font()).family().compare(widget->font().family(), Qt::CaseInsensitive) == 0;
}

// How many times larger text of this size could be and still fit this room:
// 1 or more where it fits.
qreal growth(const QSizeF& text, const QSizeF& room)
{
    const auto by
        = [](qreal room, qreal text) { return text > 0 ? room / text : std::numeric_limits<qreal>::infinity(); };
    return std::min(by(room.width(), text.width()), by(room.height(), text.height()));
}

qreal growth(const QLabel* label, const QFontMetrics& metrics)
{
    const QRect box = label->contentsRect();
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QSize text = metrics.boundingRect(QRect(0, 0, box.width(), 100000), flags, label->text()).size();
    // Wrapped text grows both ways: in its lines' length and in their number.
    if (label->wordWrap())
        return std::min(growth(text, QSizeF(box.width(), text.height())),
                        std::sqrt(growth(text, QSizeF(text.width(), box.height()))));
    return growth(text, box.size());
}

qreal growth(const QAbstractButton* button, const QFontMetrics& metrics)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.fontMetrics = metrics;
    const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
    const int margins
        = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button).width() - text.width();
    return growth(text, QSize(button->width() - margins, button->height()));
}

qreal growth(const QComboBox* list, const QFontMetrics& metrics)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.fontMetrics = metrics;
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(list->itemText(i)));
    return growth(QSize(widest, metrics.height()), field.size());
}

// A frame's title runs along its top, above the controls in it.
qreal growth(const QGroupBox* frame, const QFontMetrics& metrics)
{
    int top = frame->height();
    for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        top = std::min(top, child->y());
    return growth(metrics.size(Qt::TextShowMnemonic, frame->title()), QSize(frame->width(), top));
}

// Infinite where there is no text to fit.
qreal growth(const QWidget* widget, const QFontMetrics& metrics)
{
    constexpr qreal any = std::numeric_limits<qreal>::infinity();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().isEmpty() ? any : growth(label, metrics);
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return growth(button, metrics);
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        return growth(list, metrics);
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title().isEmpty() ? any : growth(frame, metrics);
    return any;
}

// Gives the widget the largest size, a quarter point at a time below its own,
// at which growth() is 1 or more. Text grows with its size, so one measure at
// the widget's own size tells where that is; the sizes next to it confirm it.
void fitFont(QWidget* widget, const std::function<qreal(const QFontMetrics&)>& growth, qreal least)
{
    QFont font = widget->font();
    const qreal designed = font.pointSizeF();
    const auto fitsBy = [&](int steps) {
        font.setPointSizeF(designed - steps * step);
        return growth(QFontMetrics(font, widget)) >= 1;
    };
    const qreal atDesigned = growth(widget->fontMetrics());
    const int most = static_cast<int>(std::floor((designed - least) / step + 1e-9));
    if (atDesigned >= 1 || most < 1)
        return;
    int steps = std::clamp(static_cast<int>(std::ceil(designed * (1 - atDesigned) / step)), 1, most);
    if (fitsBy(steps)) {
        while (steps > 1 && fitsBy(steps - 1))
            --steps;
    } else {
        while (steps < most && !fitsBy(++steps)) { }
    }
    font.setPointSizeF(designed - steps * step);
    widget->setFont(font);
}

// shrunkBy: how much smaller than designed the boxes were made; then the
// text is fitted whatever its face, down to a smallest size as much smaller.
void fitOne(QWidget* widget, qreal shrunkBy)
{
    if (shrunkBy < 1 || !drawnAsDesigned(widget))
        fitFont(
            widget, [widget](const QFontMetrics& metrics) { return growth(widget, metrics); },
            smallest(widget) * shrunkBy);
}

// Frames last: a smaller frame font is inherited by what has none of its own.
void fitAll(QWidget* widget, qreal shrunkBy)
{
    const QList<QWidget*> inside = widget->findChildren<QWidget*>();
    for (QWidget* control : inside) {
        if (!qobject_cast<QGroupBox*>(control))
            fitOne(control, shrunkBy);
    }
    for (QWidget* control : inside) {
        if (qobject_cast<QGroupBox*>(control))
            fitOne(control, shrunkBy);
    }
    fitOne(widget, shrunkBy);
}

} // namespace

QFont verdana(qreal points, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    // Where Verdana is missing (Wine, most Linux desktops), a sans-serif face like it.
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont msSansSerif(qreal points)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    // Every attribute set, so that nothing is inherited from a bold container.
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

namespace {

// A native style (Windows') draws a list as a native control, with its own face
// behind the design's text: lists are drawn by one that takes both from the palette.
void drawListsWithPalette(QComboBox* list)
{
    if (list->style()->name() == QLatin1String("fusion"))
        return;
    static QStyle* const fusion = [] {
        QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
        style->setParent(qApp);
        return style;
    }();
    list->setStyle(fusion);
}

} // namespace

void paint(QWidget* widget, const QColor& background, const QColor& text)
{
    // Only the roles this kind of control draws its face and text with: every
    // other colour, here and in what it holds, is the desktop's and follows it
    // (Qt resolves what a widget does not set against the desktop's palette).
    using Pair = std::pair<QPalette::ColorRole, QPalette::ColorRole>;
    std::vector<Pair> pairs = {{QPalette::Window, QPalette::WindowText}};
    if (qobject_cast<QAbstractButton*>(widget))
        pairs = {{QPalette::Button, QPalette::ButtonText}};
    // Boxes and lists: their scroll bars and drop-down lists, inside them, share their colours.
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractScrollArea*>(widget)
        || qobject_cast<QComboBox*>(widget))
        pairs.insert(pairs.end(), {{QPalette::Base, QPalette::Text}, {QPalette::Button, QPalette::ButtonText}});
    QPalette palette;
    for (const auto& [face, ink] : pairs) {
        palette.setColor(face, background);
        palette.setColor(ink, text);
    }
    widget->setPalette(palette);
    // A line edit draws its own face, and a button its own: a fill behind either
    // would show at its corners.
    widget->setAutoFillBackground(!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QAbstractButton*>(widget));
    if (auto* list = qobject_cast<QComboBox*>(widget))
        drawListsWithPalette(list);
}

void paintText(QWidget* widget, const QColor& text)
{
    QPalette palette;
    palette.setColor(widget->foregroundRole(), text);
    // Drawn on its container, whose colour stays its background.
    widget->setPalette(palette);
    widget->setAutoFillBackground(false);
}

void fitText(QWidget* widget)
{
    fitAll(widget, 1);
}

void refitText(QWidget* widget, qreal shrunkBy)
{
    fitAll(widget, shrunkBy);
}

void shrinkToWidth(QLabel* label, int maxWidth)
{
    label->adjustSize();
    if (drawnAsDesigned(label))
        return;
    const auto textWidth = [label](const QFontMetrics& metrics) {
        return metrics.boundingRect(QRect(0, 0, 2000, 2000), static_cast<int>(label->alignment()), label->text())
            .width();
    };
    const int margins = label->width() - textWidth(label->fontMetrics());
    fitFont(
        label, [&](const QFontMetrics& metrics) { return qreal(maxWidth - margins) / textWidth(metrics); },
        smallest(label));
    label->adjustSize();
}

namespace {

// Raw RGBA pixels, read where the resource lies: nothing is decoded or loaded.
QPixmap iconOfSize(int size)
{
    const QResource pixels(QStringLiteral(":/icons/tessivane-%1.rgba").arg(size));
    if (pixels.size() != static_cast<qint64>(size) * size * 4
        || pixels.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return QPixmap::fromImage(QImage(pixels.data(), size, size, size * 4, QImage::Format_RGBA8888));
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {TESSIVANE_WINDOW_ICON_SIZES})
        icon.addPixmap(iconOfSize(size));
    return icon;
}

QPixmap programPicture(const QWidget* shownIn)
{
    // 32 pixels square in the window's units (fewer in a window made smaller to
    // fit its screen), drawn from the icon's larger sizes where the screen draws
    // the window larger.
    const int side = qRound(32 * scaleOf(shownIn->window()));
    const qreal ratio = shownIn->devicePixelRatioF();
    return side == 32 && ratio == 1 ? iconOfSize(32) : programIcon().pixmap(QSize(side, side), ratio);
}

Qt::WindowFlags fixedWindowFlags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
}

} // namespace Tessivane::Look
