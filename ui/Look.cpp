#include "Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QResource>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <vector>

namespace Tessivane::Look {

namespace {

constexpr qreal step = 0.25;

// No smaller than 6 points at the 96 dots an inch the boxes were laid out at.
bool smaller(QWidget* widget)
{
    const qreal smallest = 6.0 * 96 / widget->logicalDpiY();
    QFont font = widget->font();
    if (font.pointSizeF() - step < smallest)
        return false;
    font.setPointSizeF(font.pointSizeF() - step);
    widget->setFont(font);
    return true;
}

// The boxes were laid out for Verdana and MS Sans Serif at 96 dots an inch:
// where the face asked for is the one drawn at that resolution (as on Windows),
// the text fits as designed. A fallback face, or a larger font resolution, is fitted.
bool drawnAsDesigned(const QWidget* widget)
{
    return widget->logicalDpiY() == 96
        && QFontInfo(widget->font()).family().compare(widget->font().family(), Qt::CaseInsensitive) == 0;
}

bool fits(const QSize& needed, const QSize& room)
{
    return needed.width() <= room.width() && needed.height() <= room.height();
}

bool textFits(const QLabel* label)
{
    const QRect box = label->contentsRect();
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return fits(label->fontMetrics().boundingRect(QRect(0, 0, box.width(), 100000), flags, label->text()).size(),
                box.size());
}

bool textFits(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    const int width = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button).width();
    return fits({width, text.height()}, button->size());
}

bool textFits(const QComboBox* list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    return fits({widest, list->fontMetrics().height()}, field.size());
}

// A frame's title runs along its top, above the controls in it.
bool textFits(const QGroupBox* frame)
{
    int top = frame->height();
    for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        top = std::min(top, child->y());
    return fits(frame->fontMetrics().size(Qt::TextShowMnemonic, frame->title()), {frame->width(), top});
}

bool textFits(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text().isEmpty() || textFits(label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return textFits(button);
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        return textFits(list);
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title().isEmpty() || textFits(frame);
    return true;
}

void fitOne(QWidget* widget)
{
    if (!drawnAsDesigned(widget))
        while (!textFits(widget) && smaller(widget)) { }
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

// Every colour of every group set, so that nothing is left to inherit.
QPalette complete(const QPalette& from)
{
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, from.brush(g, r));
        }
    }
    return palette;
}

// The desktop's palette with the design's pair on top.
QPalette designPalette(const QColor& background, const QColor& text)
{
    QPalette palette = complete(QApplication::palette());
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    return palette;
}

// The style keeps the parts it has drawn, keyed by the palette they were drawn
// with, and a palette a widget inherits or is given is a new one each time. A
// window is built anew whenever it opens, so each opening would add its own
// entries. Widgets that look the same share one palette instead.
QPalette shared(const QPalette& palette)
{
    static std::vector<QPalette> known;
    const auto found = std::find(known.begin(), known.end(), palette);
    if (found != known.end())
        return *found;
    known.push_back(complete(palette));
    return known.back();
}

} // namespace

void paint(QWidget* widget, const QColor& background, const QColor& text)
{
    widget->setPalette(shared(designPalette(background, text)));
    widget->setAutoFillBackground(true);
}

void paintText(QWidget* widget, const QColor& text)
{
    // Drawn on its container, whose colour stays its background.
    const QColor background = widget->parentWidget()->palette().color(QPalette::Window);
    widget->setPalette(shared(designPalette(background, text)));
    widget->setAutoFillBackground(false);
}

void paintButton(QAbstractButton* button, const QColor& face, const QColor& text)
{
    QPalette palette = complete(QApplication::palette(button));
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, text);
    button->setPalette(shared(palette));
}

void paintNative(QWidget* widget)
{
    // Set explicitly: an unset palette would inherit the container's colours.
    widget->setPalette(shared(QApplication::palette(widget)));
}

void shareColours(QWidget* window)
{
    // Those given colours above have a shared palette already.
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->testAttribute(Qt::WA_SetPalette))
            widget->setPalette(shared(widget->palette()));
    }
}

void fitText(QWidget* widget)
{
    // Frames last: a smaller frame font is inherited by what has none of its own.
    const QList<QWidget*> inside = widget->findChildren<QWidget*>();
    for (QWidget* control : inside) {
        if (!qobject_cast<QGroupBox*>(control))
            fitOne(control);
    }
    for (QWidget* control : inside) {
        if (qobject_cast<QGroupBox*>(control))
            fitOne(control);
    }
    fitOne(widget);
}

void shrinkToWidth(QLabel* label, int maxWidth)
{
    label->adjustSize();
    if (drawnAsDesigned(label))
        return;
    while (label->width() > maxWidth && smaller(label))
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

QPixmap programPicture()
{
    return iconOfSize(32);
}

Qt::WindowFlags fixedWindowFlags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
}

} // namespace Tessivane::Look
