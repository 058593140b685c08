#include "TextFit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace Tessivane {

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

} // namespace Tessivane
