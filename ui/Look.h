#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>

class QWidget;

namespace Tessivane::Look {

inline const QColor LightBlue {124, 165, 231};
inline const QColor Navy {0, 0, 128};
// A button's face and text as Windows drew them in its classic look.
inline const QColor ButtonFace {212, 208, 200};
inline const QColor ButtonText {0, 0, 0};

// Asked for by name; where it is not installed the font system picks the nearest.
QFont verdana(qreal points, bool bold = false, bool underline = false);
QFont msSansSerif(qreal points);

// The design's background and text colours of a window, a container or a
// control, in the roles its kind draws them with; the rest stays the desktop's.
void paint(QWidget* widget, const QColor& background, const QColor& text);
// Text colour alone, on a transparent background: the container's colour.
void paintText(QWidget* widget, const QColor& text);

// While the user asks the system for more contrast, every pair of colours the
// design fixes yields, as a pair, to the desktop's, and links take the
// desktop's link colour: in every window open, at once, and in every window
// made later. Off again, the design's colours come back.
void yieldToDesktopColours(bool yield);
// The colours of a window whose controls were just made, as the user's contrast asks.
void showColours(QWidget* window);

// The program's icon, set once for the whole application: every window shows it.
QIcon programIcon();
// The icon as the about and closing windows draw it, 32 pixels square, as sharp
// as the screen of the window it is shown in draws it.
QPixmap programPicture(const QWidget* shownIn);

// Title-bar buttons of every window: a system menu and a close box, no minimise or maximise.
Qt::WindowFlags fixedWindowFlags();

} // namespace Tessivane::Look
