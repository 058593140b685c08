#include "ProgramFixture.h"
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
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

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

// Each window as it opens, built anew for every call.
template <typename Result> Result inWindow(const QString& window, Result (*read)(QWidget*))
{
    ProgramFixture fixture;
    return read(fixture.open(window));
}

// Where a control's text needs more room than its box gives, and how much.
QString overflowOf(const QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    QSize needed;
    QSize room = widget->contentsRect().size();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty())
            return {};
        const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000), flags, label->text()).size();
        // A label that sizes itself must stay inside its container.
        room = room.boundedTo(
            QSize(label->parentWidget()->width() - label->x(), label->parentWidget()->height() - label->y()));
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        needed = metrics.size(Qt::TextShowMnemonic, button->text());
    } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        needed = QSize(0, metrics.height());
        for (int i = 0; i < list->count(); ++i)
            needed.setWidth(std::max(needed.width(), metrics.horizontalAdvance(list->itemText(i))));
        room = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).size();
    } else if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        if (frame->title().isEmpty())
            return {};
        needed = metrics.size(Qt::TextShowMnemonic, frame->title());
        // The title is drawn above the controls in the frame.
        int top = frame->height();
        for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            top = std::min(top, child->y());
        room = QSize(frame->width(), top);
    } else {
        return {};
    }
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QStringLiteral("%1 needs %2x%3, has %4x%5")
        .arg(widget->objectName())
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

QStringList overflowsIn(QWidget* window)
{
    QStringList overflows;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isVisibleTo(window) && !widget->objectName().isEmpty() && !overflowOf(widget).isEmpty())
            overflows << overflowOf(widget);
    }
    return overflows;
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

    // Also run at a font DPI of 144 with the scaling off: the boxes stay the
    // size they were designed at, the fonts grow.
    void everyTextFitsItsBox_data() { addWindowRows(); }

    void everyTextFitsItsBox()
    {
        QFETCH(QString, window);
        QCOMPARE(inWindow(window, overflowsIn).join(QStringLiteral("; ")), QString());
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
