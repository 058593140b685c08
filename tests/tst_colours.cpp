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

// Each window as it opens, built anew for every call.
QMap<QString, Colours> coloursOfWindow(const QString& window)
{
    ProgramFixture fixture;
    if (window == QLatin1String("about")) {
        frmAbout about(fixture.help, nullptr);
        return coloursOfControls(&about);
    }
    if (window == QLatin1String("closing")) {
        fixture.program.showNagScreen();
        return coloursOfControls(fixture.program.nagScreen());
    }
    fixture.program.showMainWindow();
    if (window == QLatin1String("result")) {
        fixture.program.showReading({"Your Plane of Expression is towards Mental"});
        return coloursOfControls(fixture.program.resultWindow());
    }
    return coloursOfControls(fixture.program.mainWindow());
}

} // namespace

class TestColours : public QObject
{
    Q_OBJECT

private slots:
    // What the program colours keeps both its colours under a dark desktop;
    // what it leaves to the desktop takes both from the desktop.
    void eachControlHasBothColoursFromOnePlace_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* window : {"input", "result", "closing", "about"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }

    void eachControlHasBothColoursFromOnePlace()
    {
        QFETCH(QString, window);
        const QPalette light = QApplication::palette();
        const QMap<QString, Colours> designed = coloursOfWindow(window);
        QApplication::setPalette(darkDesktop());
        const QMap<QString, Colours> underDark = coloursOfWindow(window);
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
        }
    }
};

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
