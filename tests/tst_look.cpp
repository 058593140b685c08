#include "Columns.h"
#include "LinkLabel.h"
#include "Look.h"
#include "ProgramFixture.h"
#include "ScreenFit.h"
#include "TextFit.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "frmPlaneOfExOrPerExpect.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <functional>

using namespace Tessivane;
using namespace Tessivane::Testing;

namespace {

struct Colours
{
    QColor text;
    QColor background;
    QPalette::ColorRole textRole;
    QPalette::ColorRole backgroundRole;
};

bool hasText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return !frame->title().isEmpty();
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget)
        || qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QMenuBar*>(widget);
}

// The colours a control's text is drawn in and against: a transparent label or
// frame title is drawn on the nearest container that fills its background.
Colours coloursOf(const QWidget* widget)
{
    const bool box = qobject_cast<const QAbstractScrollArea*>(widget);
    const auto textRole = box ? QPalette::Text : widget->foregroundRole();
    auto backgroundRole = box ? QPalette::Base : widget->backgroundRole();
    const QWidget* drawnOn = widget;
    if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QGroupBox*>(widget)) {
        while (!drawnOn->autoFillBackground() && !drawnOn->isWindow())
            drawnOn = drawnOn->parentWidget();
        backgroundRole = drawnOn->backgroundRole();
    }
    return {widget->palette().color(QPalette::Active, textRole),
            drawnOn->palette().color(QPalette::Active, backgroundRole), textRole, backgroundRole};
}

QMap<QString, Colours> coloursOfControls(QWidget* window)
{
    QMap<QString, Colours> colours;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty() && widget->isVisibleTo(window) && hasText(widget))
            colours.insert(widget->objectName(), coloursOf(widget));
    }
    return colours;
}

QPalette darkDesktop()
{
    QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        dark.setColor(role, QColor(238, 238, 238));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    return dark;
}

// A window opened under the desktop's palette, once the desktop has turned dark.
QMap<QString, Colours> darkened(QWidget* window)
{
    QApplication::setPalette(darkDesktop());
    QApplication::processEvents();
    return coloursOfControls(window);
}

// Windows' High Contrast Black, as Qt takes it from the system's colours.
QPalette highContrastBlack()
{
    QPalette black(Qt::white, Qt::black, Qt::white, Qt::black, Qt::gray, Qt::white, Qt::white, Qt::black, Qt::black);
    black.setColor(QPalette::Link, QColor(255, 255, 0));
    black.setColor(QPalette::Highlight, QColor(26, 235, 255));
    black.setColor(QPalette::HighlightedText, Qt::black);
    black.setColor(QPalette::Disabled, QPalette::WindowText, QColor(63, 242, 63));
    return black;
}

// The controls whose text or background is not the desktop's own pair.
QStringList notTheDesktopsColours(QWidget* window)
{
    QStringList other;
    const QPalette desktop = QApplication::palette();
    const QMap<QString, Colours> colours = coloursOfControls(window);
    for (auto it = colours.cbegin(); it != colours.cend(); ++it) {
        if (it->text != desktop.color(QPalette::Active, it->textRole)
            || it->background != desktop.color(QPalette::Active, it->backgroundRole))
            other << QStringLiteral("%1: %2 on %3").arg(it.key(), it->text.name(), it->background.name());
    }
    for (const LinkLabel* link : window->findChildren<LinkLabel*>()) {
        if (link->foregroundRole() != QPalette::Link)
            other << QStringLiteral("%1: not in the link colour").arg(link->objectName());
    }
    // Nor any colour of the design's own drawn anywhere in the window.
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QColor& design : {Look::LightBlue, Look::Navy, Look::ButtonFace, QColor(0, 0, 192), QColor(Qt::blue)}) {
        bool seen = false;
        for (int y = 0; y < shown.height() && !seen; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
            seen = std::find(line, line + shown.width(), design.rgb()) != line + shown.width();
        }
        if (seen)
            other << QStringLiteral("%1 drawn").arg(design.name());
    }
    return other;
}

// Each window as it opens, built anew for every call.
template <typename Result> Result inWindow(const QString& window, Result (*read)(QWidget*))
{
    ProgramFixture fixture;
    return read(fixture.open(window));
}

// The rectangle of the pixels in which two pictures of one size differ.
QRect differing(const QImage& one, const QImage& other)
{
    QRect ink;
    for (int y = 0; y < one.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(one.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(other.constScanLine(y));
        for (int x = 0; x < one.width(); ++x) {
            if (a[x] != b[x])
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// What the text of a control shows on screen: the pixels that change when the
// text goes (a frame's title: when it changes colour, as the frame is drawn
// round it), within what the containers it lies in show of it.
QRect seenText(QWidget* window, QWidget* control, const QString& text)
{
    QRect shownOfIt = control->rect();
    for (const QWidget* inside = control; inside != window; inside = inside->parentWidget())
        shownOfIt &= QRect(control->mapFrom(inside->parentWidget(), QPoint()), inside->parentWidget()->size());
    const QImage shown = control->grab().toImage();
    std::function<void()> restore;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->clear();
        restore = [label, text] { label->setText(text); };
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText({});
        restore = [button, text] { button->setText(text); };
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        const int index = list->currentIndex();
        list->setCurrentIndex(list->findText(text));
        const QImage item = list->grab().toImage();
        list->setCurrentIndex(-1);
        const QRect seen = differing(item, list->grab().toImage());
        list->setCurrentIndex(index);
        return seen & shownOfIt;
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        const QPalette palette = frame->palette();
        QPalette other = palette;
        other.setColor(QPalette::WindowText, QColor(palette.color(QPalette::WindowText).rgb() ^ 0xffffff));
        frame->setPalette(other);
        restore = [frame, palette] { frame->setPalette(palette); };
    }
    const QRect seen = differing(shown, control->grab().toImage());
    restore();
    return seen & shownOfIt;
}

// The size of a text's pixels drawn alone in a font, on a canvas of the
// control's resolution with nothing to clip it; wrapped at wrapWidth if given.
QSize wholeText(const QWidget* control, const QString& text, int wrapWidth)
{
    // Room enough for any text of the windows.
    QImage canvas(2000, 1000, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(qRound(control->logicalDpiX() / 0.0254));
    canvas.setDotsPerMeterY(qRound(control->logicalDpiY() / 0.0254));
    canvas.fill(Qt::white);
    const QImage blank = canvas;
    QPainter painter(&canvas);
    painter.setFont(control->font());
    const int flags = wrapWidth > 0 ? Qt::TextWordWrap : Qt::TextSingleLine | Qt::TextHideMnemonic;
    painter.drawText(QRect(20, 20, wrapWidth > 0 ? wrapWidth : 1960, 960), flags, text);
    painter.end();
    return differing(canvas, blank).size();
}

// Each control's text as a user sees it, against the same text with nothing
// to clip it; for a list, its widest entry.
QString cutText(QWidget* window, QWidget* control)
{
    QString text;
    int wrapWidth = 0;
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        text = label->text();
        wrapWidth = label->wordWrap() ? label->contentsRect().width() : 0;
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        text = button->text();
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        text = frame->title();
    } else if (const auto* list = qobject_cast<const QComboBox*>(control)) {
        for (int i = 0; i < list->count(); ++i) {
            if (list->fontMetrics().horizontalAdvance(list->itemText(i)) > list->fontMetrics().horizontalAdvance(text))
                text = list->itemText(i);
        }
    }
    if (text.isEmpty())
        return {};
    const QSize whole = wholeText(control, text, wrapWidth);
    const QSize seen = seenText(window, control, text).size();
    // A pixel either way: the text may fall on another fraction of a pixel.
    if (seen.width() >= whole.width() - 1 && seen.height() >= whole.height() - 1)
        return {};
    return QStringLiteral("%1 shows %2x%3 of %4x%5 pixels")
        .arg(control->objectName())
        .arg(seen.width())
        .arg(seen.height())
        .arg(whole.width())
        .arg(whole.height());
}

QStringList cutTextsIn(QWidget* window)
{
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isVisibleTo(window) && !widget->objectName().isEmpty() && !cutText(window, widget).isEmpty())
            cut << cutText(window, widget);
    }
    return cut;
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT

private slots:
    // What the program colours keeps both its colours when the desktop turns
    // dark while the window is open; what it leaves to the desktop takes both
    // from the desktop.
    void eachControlHasBothColoursFromOnePlace_data() { addWindowRows(); }

    void eachControlHasBothColoursFromOnePlace()
    {
        QFETCH(QString, window);
        const QPalette light = QApplication::palette();
        const QMap<QString, Colours> designed = inWindow(window, coloursOfControls);
        QApplication::setPalette(darkDesktop());
        const QMap<QString, Colours> underDark = inWindow(window, coloursOfControls);
        QApplication::setPalette(light);
        const QMap<QString, Colours> turnedDark = inWindow(window, darkened);
        QApplication::setPalette(light);

        QVERIFY(designed.size() > 3);
        QCOMPARE(underDark.keys(), designed.keys());
        for (auto it = underDark.cbegin(); it != underDark.cend(); ++it) {
            const Colours& dark = it.value();
            const Colours& designedColours = designed.value(it.key());
            const bool asDesigned = dark.text == designedColours.text && dark.background == designedColours.background;
            const bool fromDesktop = dark.text == darkDesktop().color(QPalette::Active, dark.textRole)
                && dark.background == darkDesktop().color(QPalette::Active, dark.backgroundRole);
            QVERIFY2(asDesigned || fromDesktop,
                     qPrintable(QStringLiteral("%1: text %2 on %3 under the dark palette")
                                    .arg(it.key(), dark.text.name(), dark.background.name())));
            const Colours& turned = turnedDark.value(it.key());
            QVERIFY2(turned.text == dark.text && turned.background == dark.background,
                     qPrintable(QStringLiteral("%1: text %2 on %3 once the desktop turned dark")
                                    .arg(it.key(), turned.text.name(), turned.background.name())));
        }
    }

    // Made while more contrast is asked for, then asked for less and for more
    // again while open: the desktop's pairs, the design's, the desktop's.
    void moreContrastYieldsEveryDesignedPair_data() { addWindowRows(); }

    void moreContrastYieldsEveryDesignedPair()
    {
        QFETCH(QString, window);
        const QPalette light = QApplication::palette();
        QApplication::setPalette(highContrastBlack());
        const QMap<QString, Colours> designed = inWindow(window, coloursOfControls);
        {
            ProgramFixture fixture;
            fixture.fakes.contrast.set(true);
            QWidget* shown = fixture.open(window);
            QCOMPARE(notTheDesktopsColours(shown).join(QStringLiteral("; ")), QString());
            fixture.fakes.contrast.set(false);
            QCOMPARE(coloursOfControls(shown).keys(), designed.keys());
            for (auto it = designed.cbegin(); it != designed.cend(); ++it) {
                const Colours back = coloursOfControls(shown).value(it.key());
                QVERIFY2(back.text == it->text && back.background == it->background, qPrintable(it.key()));
            }
            fixture.fakes.contrast.set(true);
            QCOMPARE(notTheDesktopsColours(shown).join(QStringLiteral("; ")), QString());
        }
        QApplication::setPalette(light);
    }

    // Also run at a font DPI of 144 with the scaling off: the boxes stay the
    // size they were designed at, the fonts grow.
    void everyTextFitsItsBox_data() { addWindowRows(); }

    void everyTextFitsItsBox()
    {
        QFETCH(QString, window);
        QCOMPARE(inWindow(window, cutTextsIn).join(QStringLiteral("; ")), QString());
    }

    void onlyAFallbackFaceIsFitted_data()
    {
        columns<QString, bool>({"face", "fitted"});
        QTest::newRow("Verdana missing, drawn in a fallback") << QStringLiteral("Verdana") << true;
        QTest::newRow("the face asked for is drawn") << QStringLiteral("DejaVu Sans") << false;
    }

    void onlyAFallbackFaceIsFitted()
    {
        QFETCH(QString, face);
        QFETCH(bool, fitted);
        if (QFontInfo(QFont(face)).family() == face && fitted)
            QSKIP("Verdana is installed here");
        QLabel label(QStringLiteral("A text far too long for its small box, which wraps over more lines than fit"));
        label.setWordWrap(true);
        label.setFont(QFont(face, 12));
        label.setGeometry(0, 0, 120, 20);
        fitText(&label);
        QCOMPARE(label.font().pointSizeF() < 12, fitted);
    }

    void fittingScale_data()
    {
        columns<QSize, QSize, QSize, qreal, qreal>({"window", "frame", "room", "pixelRatio", "scale"});
        QTest::newRow("fits") << QSize(427, 248) << QSize(2, 32) << QSize(640, 385) << 2.0 << 1.0;
        QTest::newRow("too wide at 200 %") << QSize(741, 315) << QSize(2, 32) << QSize(640, 385) << 2.0 << 638 / 741.0;
        QTest::newRow("too high at 200 %") << QSize(427, 248) << QSize(0, 30) << QSize(640, 250) << 2.0 << 220 / 248.0;
        QTest::newRow("no smaller than at 96 dpi") << QSize(741, 315) << QSize(2, 32) << QSize(320, 200) << 2.0 << 0.5;
        QTest::newRow("at 100 %, as designed") << QSize(741, 315) << QSize(2, 32) << QSize(640, 385) << 1.0 << 1.0;
    }

    void fittingScale()
    {
        QFETCH(QSize, window);
        QFETCH(QSize, frame);
        QFETCH(QSize, room);
        QFETCH(qreal, pixelRatio);
        QTEST(Tessivane::fittingScale(window, frame, room, pixelRatio), "scale");
    }

    // Also run on a 1280 x 800 screen at 200 %: the closing window is made as
    // much smaller as it takes; the others keep their size.
    void windowsFitTheScreen_data()
    {
        columns<QString, QSize, QString, QRect>({"window", "designed", "button", "buttonPlace"});
        QTest::newRow("input") << "input" << QSize(427, 248) << "cmdNext" << QRect(300, 20, 88, 26);
        QTest::newRow("result") << "result" << QSize(425, 341) << "cmdback" << QRect(334, 243, 85, 26);
        QTest::newRow("closing") << "closing" << QSize(741, 315) << "cmdClose" << QRect(400, 184, 83, 25);
    }

    void windowsFitTheScreen()
    {
        QFETCH(QString, window);
        QFETCH(QSize, designed);
        QFETCH(QString, button);
        QFETCH(QRect, buttonPlace);
        ProgramFixture fixture;
        QWidget* shown = fixture.open(window);
        const QSize room = shown->screen()->availableGeometry().size();
        const QSize framed = shown->frameGeometry().size();
        const bool fits = designed.width() <= room.width() && designed.height() + 40 <= room.height();
        // As large as fits: the frame touches the room's sides, or its top and bottom.
        if (fits)
            QCOMPARE(shown->size(), designed);
        else
            QVERIFY2(framed.width() <= room.width() && framed.height() <= room.height()
                         && (framed.width() >= room.width() - 1 || framed.height() >= room.height() - 1),
                     qPrintable(QStringLiteral("%1x%2 framed in %3x%4")
                                    .arg(framed.width())
                                    .arg(framed.height())
                                    .arg(room.width())
                                    .arg(room.height())));
        const qreal scale = qreal(shown->width()) / designed.width();
        QCOMPARE(shown->height(), qRound(designed.height() * scale));
        // Its pictures within their boxes, as sharp as the screen draws them.
        for (const QLabel* picture : shown->findChildren<QLabel*>()) {
            const QPixmap pixmap = picture->pixmap();
            if (pixmap.isNull())
                continue;
            QCOMPARE(pixmap.devicePixelRatio(), shown->screen()->devicePixelRatio());
            QVERIFY(picture->contentsRect().size().expandedTo(pixmap.deviceIndependentSize().toSize())
                    == picture->contentsRect().size());
        }
        // All of it alike: its controls where the design has them, as much smaller.
        const QRect place = child<QPushButton>(shown, button.toLatin1().constData())->geometry();
        const QRectF wanted(QPointF(buttonPlace.topLeft()) * scale, QSizeF(buttonPlace.size()) * scale);
        QVERIFY2(std::abs(place.x() - wanted.x()) <= 1 && std::abs(place.y() - wanted.y()) <= 1
                     && std::abs(place.width() - wanted.width()) <= 1
                     && std::abs(place.height() - wanted.height()) <= 1,
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                .arg(button)
                                .arg(place.x())
                                .arg(place.y())
                                .arg(place.width())
                                .arg(place.height())));
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
