#include "Look.h"

#include "LinkLabel.h"
#include "ScreenFit.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QResource>
#include <QStyle>
#include <QStyleFactory>

#include <vector>

namespace Tessivane::Look {

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

namespace {

// The design's palette of a control, kept on it while the desktop's is shown.
const char designProperty[] = "tessivaneDesignColours";
bool yielding = false;
// Windows' native styles draw faces and the menu bar from the system's theme,
// whatever the palette says; a contrast asked for through the program alone
// would leave the desktop's text on the theme's light faces. While yielding,
// Fusion draws the whole program from the palette.
QString setAsideStyle;

void drawFromPalette(bool yield)
{
    const QString style = QApplication::style()->name();
    if (yield && (style == QLatin1String("windowsvista") || style == QLatin1String("windows11"))) {
        setAsideStyle = style;
        QApplication::setStyle(QStringLiteral("Fusion"));
    } else if (!yield && !setAsideStyle.isEmpty()) {
        QApplication::setStyle(setAsideStyle);
        setAsideStyle.clear();
    }
}

void showColoursOf(QWidget* widget)
{
    if (qobject_cast<LinkLabel*>(widget))
        widget->setForegroundRole(yielding ? QPalette::Link : QPalette::NoRole);
    const QVariant design = widget->property(designProperty);
    // An empty palette sets no colour: the desktop's, also as it changes.
    if (design.isValid())
        widget->setPalette(yielding ? QPalette() : design.value<QPalette>());
}

void designPalette(QWidget* widget, const QPalette& palette)
{
    widget->setProperty(designProperty, QVariant::fromValue(palette));
    showColoursOf(widget);
}

} // namespace

void yieldToDesktopColours(bool yield)
{
    if (yield == yielding)
        return;
    yielding = yield;
    drawFromPalette(yield);
    for (QWidget* window : QApplication::topLevelWidgets())
        showColours(window);
}

void showColours(QWidget* window)
{
    showColoursOf(window);
    for (QWidget* widget : window->findChildren<QWidget*>())
        showColoursOf(widget);
}

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
    designPalette(widget, palette);
    // A line edit draws its own face, and a button its own: a fill behind either
    // would show at its corners.
    widget->setAutoFillBackground(!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QAbstractButton*>(widget));
    if (auto* list = qobject_cast<QComboBox*>(widget))
        drawListsWithPalette(list);
}

void paintText(QWidget* widget, const QColor& text)
{
    QPalette palette;
    palette.setColor(QPalette::WindowText, text);
    // Drawn on its container, whose colour stays its background.
    designPalette(widget, palette);
    widget->setAutoFillBackground(false);
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
