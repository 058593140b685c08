#include "Look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

namespace Tessivane::Look {

namespace {

constexpr qreal smallestPoints = 6.0;
constexpr qreal step = 0.25;

bool smaller(QWidget* widget)
{
    QFont font = widget->font();
    if (font.pointSizeF() - step < smallestPoints)
        return false;
    font.setPointSizeF(font.pointSizeF() - step);
    widget->setFont(font);
    return true;
}

// The boxes were laid out for Verdana and MS Sans Serif: where the face asked
// for is the one drawn (as on Windows), the text fits as designed. Only a
// fallback face, with other metrics, is fitted.
bool drawnInItsOwnFace(const QWidget* widget)
{
    return QFontInfo(widget->font()).family().compare(widget->font().family(), Qt::CaseInsensitive) == 0;
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

void paint(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintText(QWidget* widget, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(false);
}

void paintNative(QWidget* widget)
{
    // The application palette has no role marked as set, and such a palette would
    // simply inherit the container's colours: copy every colour explicitly.
    const QPalette native = QApplication::palette(widget);
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, native.brush(g, r));
        }
    }
    widget->setPalette(palette);
}

void shrinkToFit(QLabel* label)
{
    if (drawnInItsOwnFace(label))
        return;
    const QRect box = label->contentsRect();
    const auto needed = [&] {
        return label->fontMetrics()
            .boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap | static_cast<int>(label->alignment()),
                          label->text())
            .height();
    };
    while (needed() > box.height() && smaller(label)) { }
}

void shrinkToFit(QAbstractButton* button)
{
    if (drawnInItsOwnFace(button))
        return;
    const auto needed = [&] {
        QStyleOptionButton option;
        option.initFrom(button);
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        return button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button).width();
    };
    while (needed() > button->width() && smaller(button)) { }
}

void shrinkToWidth(QLabel* label, int maxWidth)
{
    label->adjustSize();
    if (drawnInItsOwnFace(label))
        return;
    while (label->width() > maxWidth && smaller(label))
        label->adjustSize();
}

namespace {

// Read as PNG and nothing else: Qt's built-in reader, no image plugin asked or loaded.
QPixmap iconOfSize(int size)
{
    QImageReader reader(QStringLiteral(":/icons/tessivane-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QIcon programIcon()
{
    // Only the sizes a title bar, task bar or window switcher draws.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
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
