// What every window shares: the keyboard reaches every control and link, and screen readers name them.
#include "Columns.h"
#include "InputWindowTest.h"
#include "LinkLabel.h"
#include "Site.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

using namespace Tessivane;
using namespace Tessivane::Testing;

class TestWindows : public InputWindowTest
{
    Q_OBJECT

private slots:
    // The order each window defines, then its links; a link is pressed by Enter and Space.
    // The first row is the first window this process builds: its links are links too.
    void tabOrderReachesTheLinks_data()
    {
        columns<QString, QString>({"window", "names"});
        QTest::newRow("input") << "input"
                               << "txtFirstName txtMiddleName txtLastName cboMonth cboDate cboYear cmdNext Label61 "
                                  "lblCobrand txtFirstName";
        QTest::newRow("result") << "result"
                                << "cmdback txtDisplay Label61 lblCobrand cmdback";
        QTest::newRow("closing") << "closing"
                                 << "cmdClose Check1 txtName cmdSubmit txtEmail txtFriendEmail txtFriendName "
                                    "txtMessage lblGoToHome cmdClose";
        QTest::newRow("about") << "about"
                               << "cmdOK lblHomePage lblCobrand cmdOK";
    }

    void tabOrderReachesTheLinks()
    {
        QFETCH(QString, window);
        QFETCH(QString, names);
        const QStringList order = names.split(u' ');
        QWidget* shown = m_fixture->open(window);
        shown->show();
        shown->activateWindow();
        QVERIFY(QTest::qWaitFor([shown] { return QApplication::activeWindow() == shown; }));
        QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
        int pressed = 0;
        for (const QString& name : order.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            QCOMPARE(focused->objectName(), name);
            auto* link = qobject_cast<LinkLabel*>(focused);
            if (!link)
                continue;
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(link);
            QCOMPARE(reader->role(), QAccessible::Link);
            QCOMPARE(reader->text(QAccessible::Name), link->text());
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
                QTest::keyClick(link, key);
            pressed += 2;
        }
        QCOMPARE(m_fixture->fakes.browser.opened.size(), pressed);
    }

    // Each link and Help menu entry opens its page, once a press, and leaves its window open.
    void linksOpenTheirPages_data()
    {
        columns<QString, QString, QString>({"window", "control", "key"});
        // clang-format off
        QTest::newRow("online help")         << "input"   << "mnuOnline"    << "help-web-page";
        QTest::newRow("visit")               << "input"   << "mnuVisit"     << "home-page";
        QTest::newRow("update")              << "input"   << "mnuUpdate"    << "download-web-page";
        QTest::newRow("donate")              << "input"   << "mnuDonate"    << "donate";
        QTest::newRow("make money, once switched on") << "input" << "mkmoney" << "fully-branded";
        QTest::newRow("forum label")         << "input"   << "Label61"      << "home-page";
        QTest::newRow("co-brand label")      << "input"   << "lblCobrand"   << "co-brand";
        QTest::newRow("full-brand label")    << "input"   << "lblFullBrand" << "fully-branded";
        QTest::newRow("result, forum")       << "result"  << "Label61"      << "home-page";
        QTest::newRow("result, co-brand")    << "result"  << "lblCobrand"   << "co-brand";
        QTest::newRow("result, full brand")  << "result"  << "lblFullBrand" << "fully-branded";
        QTest::newRow("other software")      << "closing" << "lblGoToHome"  << "quennicsoftwares";
        QTest::newRow("about, invitation")   << "about"   << "lblHomePage"  << "home-page";
        QTest::newRow("about, more details") << "about"   << "lblCobrand"   << "fully-branded";
        QTest::newRow("about, not a link")   << "about"   << "Label3"       << "";
        // clang-format on
    }

    void linksOpenTheirPages()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, key);
        QWidget* shown = m_fixture->open(window);
        shown->show();
        auto* action = shown->findChild<QAction*>(control);
        const auto press = [&] {
            if (action) {
                action->trigger();
                return;
            }
            auto* label = shown->findChild<QWidget*>(control);
            label->raise(); // the promotion labels overlap: click the one in front
            QTest::mouseClick(label, Qt::LeftButton);
        };
        if (action) {
            QCOMPARE(action->isEnabled(), control != QLatin1String("mkmoney")); // switched off in this build
            if (!action->isEnabled()) {
                press();
                QVERIFY(m_fixture->fakes.browser.opened.isEmpty());
                action->setEnabled(true);
            }
        }
        press();
        press();
        const QString page = SiteBase() + QStringLiteral("/tessivane/ssd.php?page=") + key;
        const QStringList twice = key.isEmpty() ? QStringList() : QStringList {page, page};
        QCOMPARE(m_fixture->fakes.browser.opened, twice);
        QVERIFY(shown->isVisible());
        QVERIFY(m_fixture->fakes.messages.shown.empty());
    }

    // Screen readers name each entry by its label or its own accessible name.
    void entriesHaveAccessibleNames_data()
    {
        columns<QString, QString, QString>({"window", "control", "name"});
        // clang-format off
        QTest::newRow("first name")       << "input"   << "txtFirstName"   << "First Name";
        QTest::newRow("middle name")      << "input"   << "txtMiddleName"  << "Middle Name";
        QTest::newRow("last name")        << "input"   << "txtLastName"    << "Last Name";
        QTest::newRow("month")            << "input"   << "cboMonth"       << "Month of birth";
        QTest::newRow("day")              << "input"   << "cboDate"        << "Day of birth";
        QTest::newRow("year")             << "input"   << "cboYear"        << "Year of birth";
        // A frame by its own title, not by the title of the frame around it.
        QTest::newRow("entry frame")      << "input"   << "fraName"        << "Please Fill In The Below Details:";
        QTest::newRow("birth date frame") << "input"   << "fraBirthDay"    << "Date Of Birth";
        QTest::newRow("referral frame")   << "closing" << "Frame2"         << "Refer A Friend";
        QTest::newRow("report")           << "result"  << "txtDisplay"     << "Your reading";
        QTest::newRow("own name")         << "closing" << "txtName"        << "Your name";
        QTest::newRow("own address")      << "closing" << "txtEmail"       << "Your email address";
        QTest::newRow("message")          << "closing" << "txtMessage"     << "Your message";
        QTest::newRow("friend's name")    << "closing" << "txtFriendName"  << "Friend's name";
        QTest::newRow("friend's address") << "closing" << "txtFriendEmail" << "Friend's email address";
        // clang-format on
    }

    void entriesHaveAccessibleNames()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget* parent = m_fixture->open(window);
        QVERIFY(parent);
        auto* widget = parent->findChild<QWidget*>(control);
        QVERIFY(widget);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    // A date list holds its entries where Qt puts them and reads its entry as its
    // value and its text; the name says what it is for (above).
    void listsReadTheirEntries_data()
    {
        columns<QString, int, QString, QString>({"list", "entries", "first", "next"});
        // clang-format off
        QTest::newRow("month") << "cboMonth" << 12  << "January" << "February";
        QTest::newRow("day")   << "cboDate"  << 31  << "1"       << "2";
        QTest::newRow("year")  << "cboYear"  << 151 << "1900"    << "1901";
        // clang-format on
    }

    void listsReadTheirEntries()
    {
        QFETCH(QString, list);
        QFETCH(int, entries);
        QFETCH(QString, first);
        QFETCH(QString, next);
        auto* box = m_main->findChild<QComboBox*>(list);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
        QCOMPARE(reader->text(QAccessible::Value), first);
        QVERIFY(reader->textInterface());
        QCOMPARE(reader->textInterface()->text(0, reader->textInterface()->characterCount()), first);
        QCOMPARE(reader->childCount(), 1);
        QCOMPARE(reader->child(0)->childCount(), entries);
        QCOMPARE(reader->indexOfChild(reader->child(0)), 0);

        box->setCurrentIndex(1);
        QCOMPARE(reader->textInterface()->text(0, reader->textInterface()->characterCount()), next);
    }

    // Enter presses the focused push button as Space does, once however long it is held.
    void enterPressesTheFocusedButton_data()
    {
        columns<QString, QString, int, int, bool, int>({"window", "button", "key", "modifiers", "held", "presses"});
        // clang-format off
        QTest::newRow("Enter on Next")             << "input"   << "cmdNext"   << int(Qt::Key_Return) << 0 << false << 1;
        QTest::newRow("keypad Enter on Next")      << "input"   << "cmdNext"   << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 1;
        QTest::newRow("Space on Next")             << "input"   << "cmdNext"   << int(Qt::Key_Space) << 0 << false << 1;
        QTest::newRow("held Enter repeats nothing") << "input"  << "cmdNext"   << int(Qt::Key_Return) << 0 << true << 0;
        QTest::newRow("Ctrl+Enter is no press")    << "input"   << "cmdNext"   << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << 0;
        QTest::newRow("Enter on Back")             << "result"  << "cmdback"   << int(Qt::Key_Return) << 0 << false << 1;
        QTest::newRow("Enter on Refer A Friend")   << "closing" << "cmdSubmit" << int(Qt::Key_Return) << 0 << false << 1;
        QTest::newRow("Enter on Exit")             << "closing" << "cmdClose"  << int(Qt::Key_Return) << 0 << false << 1;
        QTest::newRow("Check1 keeps its own keys") << "closing" << "Check1"    << int(Qt::Key_Return) << 0 << false << 0;
        QTest::newRow("OK stays the default")      << "about"   << "cmdOK"     << int(Qt::Key_Return) << 0 << false << 1;
        // clang-format on
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, held);
        QFETCH(int, presses);
        auto* target = m_fixture->open(window)->findChild<QAbstractButton*>(button);
        QVERIFY(target);
        QSignalSpy clicked(target, &QAbstractButton::clicked);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        QKeyEvent press(QEvent::KeyPress, key, mods, key == Qt::Key_Space ? QStringLiteral(" ") : QString(), held);
        QKeyEvent release(QEvent::KeyRelease, key, mods, press.text(), held);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
        QCOMPARE(clicked.count(), presses);
    }

    // Screen readers announce a window as it opens only when it has a window's role.
    void windowsHaveAWindowRoleAndTheirTitle_data() { addWindowRows(); }

    void windowsHaveAWindowRoleAndTheirTitle()
    {
        QFETCH(QString, window);
        QWidget* widget = m_fixture->open(window);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QVERIFY2(accessible->role() == QAccessible::Window || accessible->role() == QAccessible::Dialog,
                 qPrintable(QString::number(accessible->role())));
        QCOMPARE(accessible->text(QAccessible::Name), widget->windowTitle());
        // Menus are windows of their own type, and keep the role of a menu.
        for (QMenu* menu : widget->findChildren<QMenu*>())
            QCOMPARE(QAccessible::queryAccessibleInterface(menu)->role(), QAccessible::PopupMenu);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
