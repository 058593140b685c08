#include "BuildConfig.h"
#include "LinkLabel.h"
#include "ProgramFixture.h"
#include "Reading.h"
#include "Report.h"
#include "Titles.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "frmPlaneOfExOrPerExpect.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Tessivane;
using namespace Tessivane::Testing;

Q_DECLARE_METATYPE(Tessivane::MessageService::Answer)

namespace {

// Types text key by key, also characters that QTest::keyClicks cannot name.
void type(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        const auto key = ch.isLetter() && ch.unicode() < 128 ? Qt::Key(Qt::Key_A + ch.toUpper().unicode() - u'A')
                                                             : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, widget, key, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, key, QString(ch), Qt::NoModifier);
    }
}

} // namespace

class TestFrmMain : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<ProgramFixture>();
        m_fixture->program.showMainWindow();
        m_main = m_fixture->program.mainWindow();
        QVERIFY(m_main);
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
    }

    void cleanup()
    {
        m_about.reset();
        m_fixture.reset();
        processDeferredDeletes();
    }

    void loadFillsTheDateListsAfterTheReminder()
    {
        // The title as the user sees it, with two blanks; the other windows build theirs the same way.
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Tessivane  v" TESSIVANE_VERSION));
        QCOMPARE(closingWindowTitle(), QStringLiteral("Tessivane v" TESSIVANE_VERSION));
        // The reminder ran (first run: today stored) while the lists were filled.
        QCOMPARE(m_fixture->fakes.settings.values.value(modHelp::LastOfferKey), QStringLiteral("2026-12-08"));
        const struct
        {
            const char* name;
            int count;
            const char* first;
            const char* last;
        } lists[]
            = {{"cboDate", 31, "1", "31"}, {"cboMonth", 12, "January", "December"}, {"cboYear", 151, "1900", "2050"}};
        for (const auto& list : lists) {
            auto* box = child<QComboBox>(m_main, list.name);
            QCOMPARE(box->count(), list.count);
            QCOMPARE(box->currentIndex(), 0);
            QCOMPARE(box->itemText(0), QString::fromLatin1(list.first));
            QCOMPARE(box->itemText(list.count - 1), QString::fromLatin1(list.last));
            QVERIFY(!box->isEditable());
            // An editable list would take the typed text in as an entry of its own on Enter.
            QTest::keyClicks(box, QStringLiteral("7x"));
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->count(), list.count);
            QVERIFY(box->currentText() != QLatin1String("7x"));
        }
        QCOMPARE(child<QComboBox>(m_main, "cboMonth")->itemText(8), QStringLiteral("September"));
    }

    // The order each window defines, then its links; a link is pressed by Enter and Space.
    void tabOrderReachesTheLinks_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("names");
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
        QWidget* shown = open(window);
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

    void onlyTheLabelInFrontTakesTheFocus()
    {
        m_fixture->program.bringToFront(PromotionLabel::FullBrand);
        child<QWidget>(m_main, "cmdNext")->setFocus(Qt::TabFocusReason);
        for (const char* name : {"Label61", "lblFullBrand", "txtFirstName"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
    }

    void typedSmallLettersBecomeCapitals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("smith") << "smith"
                               << "SMITH";
        QTest::newRow("punctuation and digits") << "o'neil-2"
                                                << "O'NEIL-2";
        QTest::newRow("accented small letter stays") << "\u00e9a"
                                                     << "\u00e9A";
        QTest::newRow("capitals stay") << "McD"
                                       << "MCD";
    }

    void typedSmallLettersBecomeCapitals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
            auto* box = child<QLineEdit>(m_main, name);
            type(box, typed);
            QCOMPARE(box->text(), shown);
        }
    }

    void pastedTextKeepsSmallLetters()
    {
        auto* box = child<QLineEdit>(m_main, "txtLastName");
        QGuiApplication::clipboard()->setText(QStringLiteral("van der berg"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("van der berg"));
    }

    void millionCharacterNameIsKeptAndRead()
    {
        auto* first = child<QLineEdit>(m_main, "txtFirstName");
        QGuiApplication::clipboard()->setText(QString(999999, u'N') + QStringLiteral("D"));
        first->setFocus();
        QTest::keyClick(first, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(first->text().size(), 1000000);
        QTest::keyClicks(child<QLineEdit>(m_main, "txtLastName"), QStringLiteral("e"));
        QTest::mouseClick(child<QPushButton>(m_main, "cmdNext"), Qt::LeftButton);
        auto* result = m_fixture->program.resultWindow();
        QVERIFY(result);
        const QString report = child<QPlainTextEdit>(result, "txtDisplay")->toPlainText();
        QVERIFY2(report.contains(QStringLiteral("Mental Ability 99 - Strong \nPhysical Ability 0 - Weak")),
                 qPrintable(report.left(200)));
    }

    void refusedEntriesLeaveTheWindowAsItWas_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no first name") << ""
                                       << "Q"
                                       << ""
                                       << "Please Enter Your First Name"
                                       << "txtFirstName";
        QTest::newRow("no last name") << "ANN"
                                      << "Q"
                                      << ""
                                      << "Please Enter Your Last Name"
                                      << "txtLastName";
        QTest::newRow("blank names") << " "
                                     << "   "
                                     << "  "
                                     << "Please Enter Your First Name"
                                     << "txtFirstName";
    }

    void refusedEntriesLeaveTheWindowAsItWas()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(QString, last);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        child<QLineEdit>(m_main, "txtFirstName")->setText(first);
        child<QLineEdit>(m_main, "txtMiddleName")->setText(middle);
        child<QLineEdit>(m_main, "txtLastName")->setText(last);
        child<QComboBox>(m_main, "cboYear")->setFocus();

        QTest::mouseClick(child<QPushButton>(m_main, "cmdNext"), Qt::LeftButton);

        QCOMPARE(m_fixture->fakes.messages.texts(), QStringList {message});
        QCOMPARE(m_fixture->fakes.messages.shown.front().icon, MessageService::Icon::Information);
        QVERIFY(m_main->isVisible());
        QVERIFY(!m_fixture->program.resultWindow());
        QCOMPARE(child<QLineEdit>(m_main, "txtFirstName")->text(), first);
        QCOMPARE(child<QLineEdit>(m_main, "txtMiddleName")->text(), middle);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void impossibleDateKeepsTheFocus()
    {
        child<QLineEdit>(m_main, "txtFirstName")->setText(QStringLiteral("A"));
        child<QLineEdit>(m_main, "txtLastName")->setText(QStringLiteral("B"));
        child<QComboBox>(m_main, "cboMonth")->setCurrentIndex(1);
        child<QComboBox>(m_main, "cboDate")->setCurrentIndex(28); // 29 February 1900
        child<QComboBox>(m_main, "cboDate")->setFocus();
        m_main->findChild<QAction*>(QStringLiteral("mnuNext"))->trigger();
        QCOMPARE(m_fixture->fakes.messages.texts(),
                 QStringList {QStringLiteral("Please Enter Correct Date Or Month!")});
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cboDate"));
        QVERIFY(m_main->isVisible());
    }

    void nextBackNextShowsOneReportInAFreshWindow()
    {
        QTest::keyClicks(child<QLineEdit>(m_main, "txtFirstName"), QStringLiteral("aaaa"));
        QTest::keyClicks(child<QLineEdit>(m_main, "txtLastName"), QStringLiteral("b"));
        child<QComboBox>(m_main, "cboYear")->setCurrentIndex(90);

        QTest::mouseClick(child<QPushButton>(m_main, "cmdNext"), Qt::LeftButton);
        QPointer<frmPlaneOfExOrPerExpect> first = m_fixture->program.resultWindow();
        QVERIFY(first && first->isVisible());
        QVERIFY(!m_main->isVisible());
        QCOMPARE(first->windowTitle(), versionTitle());
        auto* display = child<QPlainTextEdit>(first, "txtDisplay");
        const QString expected = QString::fromStdString(reportText(ComposeReport(ComputeReading(u"AAAA", u"", u"B"))))
                                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(display->toPlainText(), expected);
        QVERIFY(display->toPlainText().startsWith(QStringLiteral("Your Plane of Expression is towards Mental\n")));
        QCOMPARE(display->textCursor().position(), 0);
        QVERIFY(display->isReadOnly());
        QCOMPARE(first->focusWidget(), child<QWidget>(first, "cmdback"));

        QTest::mouseClick(child<QPushButton>(first, "cmdback"), Qt::LeftButton);
        processDeferredDeletes();
        QVERIFY(!first);
        QVERIFY(m_main->isVisible());
        QVERIFY(m_fixture->program.nagScreen()); // loaded by the close, then hidden again
        QVERIFY(!m_fixture->program.nagScreen()->isVisible());
        QCOMPARE(child<QLineEdit>(m_main, "txtFirstName")->text(), QStringLiteral("AAAA"));
        QCOMPARE(child<QComboBox>(m_main, "cboYear")->currentText(), QStringLiteral("1990"));

        QTest::mouseClick(child<QPushButton>(m_main, "cmdNext"), Qt::LeftButton);
        auto* second = m_fixture->program.resultWindow();
        QVERIFY(second);
        QCOMPARE(child<QPlainTextEdit>(second, "txtDisplay")->toPlainText(), expected);
        QCOMPARE(visibleWindows(), 1);
    }

    void readingsLeaveNothingBehind()
    {
#if !defined(__GLIBC__) || defined(__SANITIZE_ADDRESS__)
        QSKIP("counts the heap in use with glibc's own allocator");
#else
        child<QLineEdit>(m_main, "txtFirstName")->setText(QStringLiteral("MARY"));
        child<QLineEdit>(m_main, "txtLastName")->setText(QStringLiteral("WATSON"));
        const auto reading = [this] {
            QTest::mouseClick(child<QPushButton>(m_main, "cmdNext"), Qt::LeftButton);
            frmPlaneOfExOrPerExpect* result = m_fixture->program.resultWindow();
            result->grab(); // drawn as on screen: the style keeps what it draws
            QTest::mouseClick(child<QPushButton>(result, "cmdback"), Qt::LeftButton);
            m_main->grab();
            processDeferredDeletes();
        };
        for (int i = 0; i < 20; ++i)
            reading();
        const int widgets = QApplication::allWidgets().size();
        const size_t heap = mallinfo2().uordblks;
        constexpr int readings = 40;
        for (int i = 0; i < readings; ++i)
            reading();
        QCOMPARE(QApplication::allWidgets().size(), widgets);
        const auto left = static_cast<qint64>(mallinfo2().uordblks) - static_cast<qint64>(heap);
        // Each reading left some 20 kB when every new window drew with palettes of its own.
        QVERIFY2(left < readings * 2048, qPrintable(QStringLiteral("%1 bytes a reading").arg(left / readings)));
#endif
    }

    void windowsOpenOverTheInputWindowAndComeBackWhereTheyWere()
    {
        m_main->move(160, 120);
        const QPoint mainPlace = m_main->pos();
        child<QLineEdit>(m_main, "txtFirstName")->setText(QStringLiteral("A"));
        child<QLineEdit>(m_main, "txtLastName")->setText(QStringLiteral("B"));
        QTest::mouseClick(child<QPushButton>(m_main, "cmdNext"), Qt::LeftButton);
        QWidget* result = m_fixture->program.resultWindow();
        QVERIFY(result);
        QCOMPARE(result->frameGeometry().center(), m_main->frameGeometry().center());
        QVERIFY(QTest::qWaitFor([result] { return QApplication::activeWindow() == result; }));

        QTest::mouseClick(child<QPushButton>(result, "cmdback"), Qt::LeftButton);
        QCOMPARE(m_main->pos(), mainPlace);
        QVERIFY(QTest::qWaitFor([this] { return QApplication::activeWindow() == m_main; }));
        // Loaded by leaving the result window: it opened over the input window.
        QCOMPARE(m_fixture->program.nagScreen()->frameGeometry().center(), m_main->frameGeometry().center());
    }

    void resultWindowEmptiesTheClipboard()
    {
        child<QLineEdit>(m_main, "txtFirstName")->setText(QStringLiteral("AB"));
        child<QLineEdit>(m_main, "txtLastName")->setText(QStringLiteral("CD"));
        QTest::mouseClick(child<QPushButton>(m_main, "cmdNext"), Qt::LeftButton);
        FakeClipboard& clipboard = m_fixture->fakes.clipboard;
        QCOMPARE(clipboard.clears, static_cast<int>(ReportPieceCount)); // every piece written is a change

        auto* display = child<QPlainTextEdit>(m_fixture->program.resultWindow(), "txtDisplay");
        QWidget* viewport = display->viewport();
        const QPoint inside(20, 20);
        const auto clearsOn = [&](auto action) {
            const int before = clipboard.clears;
            action();
            return clipboard.clears - before;
        };
        // Emptied after the box has handled the press (and so after a release has made the mouse selection,
        // which on X11 is the middle-click paste): the caret has moved by then.
        int caretWhenEmptied = -1;
        clipboard.onClear = [&] { caretWhenEmptied = display->textCursor().position(); };
        QCOMPARE(clearsOn([&] { QTest::mousePress(viewport, Qt::LeftButton, {}, inside); }), 1);
        QCOMPARE(caretWhenEmptied, display->cursorForPosition(inside).position());
        QVERIFY(caretWhenEmptied > 0);
        QCOMPARE(clearsOn([&] { QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside); }), 2); // release and click
        QCOMPARE(clearsOn([&] { QTest::mouseClick(viewport, Qt::LeftButton, {}, inside); }), 3);
        // The second press of a double click arrives as an event of its own.
        QMouseEvent second(QEvent::MouseButtonDblClick, inside, viewport->mapToGlobal(inside), Qt::LeftButton,
                           Qt::LeftButton, {});
        QCOMPARE(clearsOn([&] { QApplication::sendEvent(viewport, &second); }), 1);
        for (const QPoint to : {QPoint(40, 30), QPoint(60, 50)}) {
            QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::NoButton, {});
            QCOMPARE(clearsOn([&] { QApplication::sendEvent(viewport, &move); }), 1);
        }
        QCOMPARE(clearsOn([&] {
                     QTest::keyClick(display, Qt::Key_Down);
                     QTest::keyClick(display, Qt::Key_C, Qt::ControlModifier);
                     QTest::keyClick(display, Qt::Key_X);
                 }),
                 0);
        // The user cannot change the report.
        QVERIFY(display->toPlainText().startsWith(QStringLiteral("Your Plane of Expression is towards \n")));
    }

    void closeBoxesShowTheClosingWindow()
    {
        child<QLineEdit>(m_main, "txtFirstName")->setText(QStringLiteral("A"));
        child<QLineEdit>(m_main, "txtLastName")->setText(QStringLiteral("B"));
        QTest::mouseClick(child<QPushButton>(m_main, "cmdNext"), Qt::LeftButton);
        m_fixture->program.resultWindow()->close();
        processDeferredDeletes();
        QVERIFY(!m_fixture->program.resultWindow());
        QVERIFY(m_fixture->program.nagScreen() && m_fixture->program.nagScreen()->isVisible());
        QVERIFY(!m_main->isVisible()); // the input window does not reappear
        QVERIFY(m_fixture->fakes.process.ends.empty());
    }

    void inputWindowCloseBoxShowsTheClosingWindowOnce()
    {
        QPointer<frmMain> main = m_main;
        main->close();
        processDeferredDeletes();
        QVERIFY(!main);
        QVERIFY(m_fixture->program.nagScreen()->isVisible());
        QCOMPARE(visibleWindows(), 1);
        QCOMPARE(m_fixture->fakes.random.seeds, 1); // loaded once
    }

    void exitMenuLeavesButAltXDoesNot()
    {
        // A button's accelerator presses it through a short animation: wait past it.
        QSignalSpy exitPressed(child<QPushButton>(m_main, "cmdExit"), &QPushButton::clicked);
        QTest::keyClick(m_main, Qt::Key_X, Qt::AltModifier);
        QVERIFY(!exitPressed.wait(300));
        QVERIFY(m_main->isVisible());
        QVERIFY(!m_fixture->program.nagScreen());
        QPointer<frmMain> main = m_main;
        main->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        processDeferredDeletes();
        QVERIFY(!main);
        QVERIFY(m_fixture->program.nagScreen()->isVisible());
    }

    void menusAndLinksOpenTheirPages_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::newRow("online help") << "mnuOnline"
                                     << "help-web-page";
        QTest::newRow("visit") << "mnuVisit"
                               << "home-page";
        QTest::newRow("update") << "mnuUpdate"
                                << "download-web-page";
        QTest::newRow("donate") << "mnuDonate"
                                << "donate";
        QTest::newRow("forum label") << "Label61"
                                     << "home-page";
        QTest::newRow("co-brand label") << "lblCobrand"
                                        << "co-brand";
        QTest::newRow("full-brand label") << "lblFullBrand"
                                          << "fully-branded";
        QTest::newRow("make money, once switched on") << "mkmoney"
                                                      << "fully-branded";
    }

    void menusAndLinksOpenTheirPages()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        if (auto* action = m_main->findChild<QAction*>(control)) {
            QCOMPARE(action->isEnabled(), control != QLatin1String("mkmoney")); // switched off in this build
            if (!action->isEnabled()) {
                action->trigger();
                QVERIFY(m_fixture->fakes.browser.opened.isEmpty());
                action->setEnabled(true);
            }
            action->trigger();
        } else {
            auto* label = m_main->findChild<QWidget*>(control);
            label->raise(); // the promotion labels overlap: click the one in front
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(m_fixture->fakes.browser.opened, QStringList {PageAddress(key)});
    }

    void resultWindowLinksOpenTheirPages()
    {
        child<QLineEdit>(m_main, "txtFirstName")->setText(QStringLiteral("A"));
        child<QLineEdit>(m_main, "txtLastName")->setText(QStringLiteral("B"));
        QTest::mouseClick(child<QPushButton>(m_main, "cmdNext"), Qt::LeftButton);
        QWidget* result = m_fixture->program.resultWindow();
        const std::pair<const char*, const char*> links[]
            = {{"Label61", "home-page"}, {"lblCobrand", "co-brand"}, {"lblFullBrand", "fully-branded"}};
        QStringList expected;
        for (const auto& [name, key] : links) {
            auto* label = child<QWidget>(result, name);
            label->raise();
            QTest::mouseClick(label, Qt::LeftButton);
            expected << PageAddress(QString::fromLatin1(key));
        }
        QCOMPARE(m_fixture->fakes.browser.opened, expected);
    }

    // Screen readers name each entry by its label or its own accessible name.
    void entriesHaveAccessibleNames_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("first name") << "input"
                                    << "txtFirstName"
                                    << "First Name";
        QTest::newRow("middle name") << "input"
                                     << "txtMiddleName"
                                     << "Middle Name";
        QTest::newRow("last name") << "input"
                                   << "txtLastName"
                                   << "Last Name";
        QTest::newRow("month") << "input"
                               << "cboMonth"
                               << "Month of birth";
        QTest::newRow("day") << "input"
                             << "cboDate"
                             << "Day of birth";
        QTest::newRow("year") << "input"
                              << "cboYear"
                              << "Year of birth";
        QTest::newRow("report") << "result"
                                << "txtDisplay"
                                << "Your reading";
        QTest::newRow("own name") << "closing"
                                  << "txtName"
                                  << "Your name";
        QTest::newRow("own address") << "closing"
                                     << "txtEmail"
                                     << "Your email address";
        QTest::newRow("message") << "closing"
                                 << "txtMessage"
                                 << "Your message";
        QTest::newRow("friend's name") << "closing"
                                       << "txtFriendName"
                                       << "Friend's name";
        QTest::newRow("friend's address") << "closing"
                                          << "txtFriendEmail"
                                          << "Friend's email address";
    }

    void entriesHaveAccessibleNames()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget* parent = open(window);
        QVERIFY(parent);
        auto* widget = parent->findChild<QWidget*>(control);
        QVERIFY(widget);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    // Enter presses the focused push button as Space does, once however long it is held.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("held");
        QTest::addColumn<int>("presses");
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
        auto* target = open(window)->findChild<QAbstractButton*>(button);
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
    void windowsHaveAWindowRoleAndTheirTitle_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("input") << "input";
        QTest::newRow("result") << "result";
        QTest::newRow("closing") << "closing";
        QTest::newRow("about") << "about";
    }

    void windowsHaveAWindowRoleAndTheirTitle()
    {
        QFETCH(QString, window);
        QWidget* widget = open(window);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QVERIFY2(accessible->role() == QAccessible::Window || accessible->role() == QAccessible::Dialog,
                 qPrintable(QString::number(accessible->role())));
        QCOMPARE(accessible->text(QAccessible::Name), widget->windowTitle());
        // Menus are windows of their own type, and keep the role of a menu.
        for (QMenu* menu : widget->findChildren<QMenu*>())
            QCOMPARE(QAccessible::queryAccessibleInterface(menu)->role(), QAccessible::PopupMenu);
    }

    void promotionLabelsOverlapAndOneIsInFront()
    {
        auto* cobrand = child<QWidget>(m_main, "lblCobrand");
        auto* fullBrand = child<QWidget>(m_main, "lblFullBrand");
        QCOMPARE(cobrand->geometry(), fullBrand->geometry());
        QWidget* frame = cobrand->parentWidget();
        const QPoint centre = cobrand->geometry().center();
        m_main->bringToFront(PromotionLabel::FullBrand);
        QCOMPARE(frame->childAt(centre), fullBrand);
        m_main->bringToFront(PromotionLabel::CoBrand);
        QCOMPARE(frame->childAt(centre), cobrand);
    }

    void aboutBlocksTheInputWindow()
    {
        QString title;
        bool blocked = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about);
            title = about->windowTitle();
            // A click on Next, delivered as the window system would, does nothing while the about window is open.
            auto* next = child<QPushButton>(m_main, "cmdNext");
            QTest::mouseClick(m_main->windowHandle(), Qt::LeftButton, {}, next->mapTo(m_main, next->rect().center()));
            blocked = m_fixture->fakes.messages.shown.empty();
            QTest::keyClick(about, Qt::Key_Escape);
        });
        m_main->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(title, versionTitle());
        QVERIFY(blocked);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void startUpAsksOnceThenShowsTheInputWindow_data()
    {
        QTest::addColumn<MessageService::Answer>("answer");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("front");
        QTest::newRow("yes, co-brand in front") << MessageService::Answer::Yes << 0.0 << "lblCobrand";
        QTest::newRow("no, full brand in front") << MessageService::Answer::No << 0.25 << "lblFullBrand";
    }

    void startUpAsksOnceThenShowsTheInputWindow()
    {
        QFETCH(MessageService::Answer, answer);
        QFETCH(double, draw);
        QFETCH(QString, front);
        ProgramFixture fixture;
        fixture.fakes.settings.values.insert(modHelp::LastOfferKey, QStringLiteral("2026-11-23"));
        fixture.fakes.messages.answers = {answer};
        fixture.fakes.random.values = {draw};

        RunStartUp(fixture.fakes.platform(), fixture.help, fixture.program);

        QCOMPARE(fixture.fakes.messages.shown.size(), 1u); // the window's own load stays quiet
        frmMain* main = fixture.program.mainWindow();
        QVERIFY(main && main->isVisible());
        QCOMPARE(fixture.fakes.browser.opened.size(), answer == MessageService::Answer::Yes ? 1 : 0);
        auto* label = main->findChild<QWidget*>(front);
        QCOMPARE(label->parentWidget()->childAt(label->geometry().center()), label);
    }

private:
    // The window a row names: "input", "result" (after a reading), "closing" (after leaving) or "about".
    QWidget* open(const QString& window)
    {
        if (window == QLatin1String("result")) {
            child<QLineEdit>(m_main, "txtFirstName")->setText(QStringLiteral("A"));
            child<QLineEdit>(m_main, "txtLastName")->setText(QStringLiteral("B"));
            QTest::mouseClick(child<QPushButton>(m_main, "cmdNext"), Qt::LeftButton);
            return m_fixture->program.resultWindow();
        }
        if (window == QLatin1String("closing")) {
            m_main->close();
            return m_fixture->program.nagScreen();
        }
        if (window == QLatin1String("about")) {
            m_about = std::make_unique<frmAbout>(m_fixture->help, m_main);
            return m_about.get();
        }
        return m_main;
    }

    std::unique_ptr<ProgramFixture> m_fixture;
    std::unique_ptr<frmAbout> m_about;
    frmMain* m_main = nullptr;
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
