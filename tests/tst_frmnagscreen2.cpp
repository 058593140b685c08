#include "Columns.h"
#include "ProgramFixture.h"
#include "Titles.h"
#include "frmMain.h"
#include "frmNagScreen2.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Tessivane;
using namespace Tessivane::Testing;

namespace {

// Counts windows being shown while it is installed.
class ShowSpy : public QObject
{
public:
    ShowSpy() { qApp->installEventFilter(this); }
    ~ShowSpy() override { qApp->removeEventFilter(this); }
    int shows = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            ++shows;
        return false;
    }
};

} // namespace

class TestFrmNagScreen2 : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<ProgramFixture>(); }

    void cleanup()
    {
        m_fixture.reset();
        processDeferredDeletes();
    }

    void loadDrawsTheAppeal_data()
    {
        columns<double, int>({"draw", "appeal"});
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("just below a quarter") << 0.2499 << 0;
        QTest::newRow("a quarter") << 0.25 << 1;
        QTest::newRow("a half") << 0.5 << 2;
        QTest::newRow("largest draw") << 0.9999 << 3;
    }

    void loadDrawsTheAppeal()
    {
        QFETCH(double, draw);
        QFETCH(int, appeal);
        m_fixture->fakes.random.values = {draw};
        frmNagScreen2* nag = load();
        QCOMPARE(nag->windowTitle(), closingWindowTitle());
        QCOMPARE(child<QLabel>(nag, "lblNagScreen2Caption")->text(), closingWindowTitle());
        QCOMPARE(child<QLabel>(nag, "Label2")->text(), frmNagScreen2::appeal(appeal));
        QVERIFY(frmNagScreen2::appeal(appeal).contains(siteHost()));
        QCOMPARE(m_fixture->fakes.random.seeds, 1);
        QVERIFY(!child<QLabel>(nag, "picNagscreen2Icon")->pixmap().isNull());
        QVERIFY(nag->isVisible());
        QVERIFY(nag->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(nag->testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(nag->focusWidget(), child<QWidget>(nag, "cmdClose"));
    }

    void appealsDiffer()
    {
        QStringList appeals;
        for (int n = 0; n < 4; ++n)
            appeals << frmNagScreen2::appeal(n);
        appeals.removeDuplicates();
        QCOMPARE(appeals.size(), 4);
    }

    void showingAgainDoesNotLoadAgain()
    {
        m_fixture->fakes.random.values = {0.9, 0.1};
        frmNagScreen2* nag = load();
        m_fixture->program.hideNagScreen();
        QVERIFY(!nag->isVisible());
        m_fixture->program.showNagScreen();
        QCOMPARE(m_fixture->program.nagScreen(), nag);
        QVERIFY(nag->isVisible());
        QCOMPARE(child<QLabel>(nag, "Label2")->text(), frmNagScreen2::appeal(3));
        QCOMPARE(m_fixture->fakes.random.draws, 1);
    }

    void fixedTexts()
    {
        frmNagScreen2* nag = load();
        const QString label3 = child<QLabel>(nag, "Label3")->text();
        QVERIFY(label3.contains(QStringLiteral("world\u2019s largest resource")));
        QVERIFY(label3.contains(QStringLiteral("on their interests.") + QString(61, u' ') + QStringLiteral("All the")));
        QVERIFY(label3.endsWith(QStringLiteral("friends and family. ")));
        QCOMPARE(child<QPushButton>(nag, "Check1")->text(),
                 QStringLiteral("Click Here To Visit ") + siteHost() + QStringLiteral(" Now"));
        QCOMPARE(child<QLineEdit>(nag, "txtName")->text(), QStringLiteral("Your Name"));
        QCOMPARE(child<QPlainTextEdit>(nag, "txtMessage")->toPlainText(), QStringLiteral("Your Message\n"));
    }

    void check1OpensTheHomePageOncePerPress()
    {
        frmNagScreen2* nag = load();
        auto* check = child<QPushButton>(nag, "Check1");
        QVERIFY(check->isCheckable());
        for (int press = 1; press <= 2; ++press) {
            QTest::mouseClick(check, Qt::LeftButton);
            QVERIFY(!check->isChecked());
            QCOMPARE(m_fixture->fakes.browser.opened.size(), press);
        }
        QCOMPARE(m_fixture->fakes.browser.opened.last(), PageAddress(QStringLiteral("home-page")));
    }

    void placeholdersFollowTheFocus()
    {
        frmNagScreen2* nag = load();
        activate(nag);
        auto* name = child<QLineEdit>(nag, "txtName");
        auto* email = child<QLineEdit>(nag, "txtEmail");
        // A box is emptied once it has the focus, after the focus is announced.
        name->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(name->text(), QString());
        QTest::keyClicks(name, QStringLiteral("   "));
        email->setFocus(Qt::TabFocusReason);
        QCOMPARE(name->text(), QStringLiteral("Your Name")); // only blanks: the placeholder comes back
        QTRY_COMPARE(email->text(), QString());
        QTest::keyClicks(email, QStringLiteral("ann@x.y"));
        name->setFocus(Qt::TabFocusReason);
        QCOMPARE(email->text(), QStringLiteral("ann@x.y"));
        QTRY_COMPARE(name->text(), QString());
        // The focus gone before it was emptied: the box keeps its first text.
        email->setFocus(Qt::TabFocusReason);
        auto* friendName = child<QLineEdit>(nag, "txtFriendName");
        friendName->setFocus(Qt::TabFocusReason);
        email->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(friendName->text(), QStringLiteral("Friend's Name"));

        // The message box keeps its line break, so it is not cleared.
        auto* message = child<QPlainTextEdit>(nag, "txtMessage");
        message->setFocus(Qt::TabFocusReason);
        QCOMPARE(message->toPlainText(), QStringLiteral("Your Message\n"));
    }

    void tabReachesTheHiddenMessageBox()
    {
        frmNagScreen2* nag = load();
        activate(nag);
        auto* frame = child<QGroupBox>(nag, "Frame2");
        auto* message = child<QWidget>(nag, "txtMessage");
        QVERIFY(!frame->rect().intersects(message->geometry())); // outside what the frame shows
        child<QWidget>(nag, "txtName")->setFocus(Qt::TabFocusReason);
        const char* order[] = {"cmdSubmit", "txtEmail", "txtFriendEmail", "txtFriendName", "txtMessage"};
        for (const char* name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
    }

    void blankInAnAddressIsRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("own address") << "txtEmail";
        QTest::newRow("friend's address") << "txtFriendEmail";
    }

    void blankInAnAddressIsRefused()
    {
        QFETCH(QString, box);
        frmNagScreen2* nag = load();
        activate(nag);
        auto* edit = nag->findChild<QLineEdit*>(box);
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, QStringLiteral("a b"));
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(m_fixture->fakes.messages.texts(), QStringList {QStringLiteral("Email Address Cannot Contain Space")});
        QCOMPARE(m_fixture->fakes.messages.shown.front().icon, MessageService::Icon::Critical);
        QCOMPARE(QApplication::focusWidget(), edit);
        // No blank gets in with a modifier held either.
        for (const Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::KeypadModifier})
            QTest::keyClick(edit, Qt::Key_Space, modifier);
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        // Blanks in a name are fine.
        auto* name = child<QLineEdit>(nag, "txtName");
        name->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(name, QStringLiteral("Ann Lee"));
        QCOMPARE(name->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(m_fixture->fakes.messages.shown.size(), 3u);
    }

    void referNowRunsTheChecksInOrder()
    {
        frmNagScreen2* nag = load();
        auto* submit = child<QPushButton>(nag, "cmdSubmit");
        QTest::mouseClick(submit, Qt::LeftButton);
        child<QLineEdit>(nag, "txtEmail")->setText(QStringLiteral("ann@x.y"));
        child<QLineEdit>(nag, "txtFriendEmail")->setText(QStringLiteral("ann@x.y"));
        QTest::mouseClick(submit, Qt::LeftButton);
        child<QLineEdit>(nag, "txtFriendEmail")->setText(QStringLiteral("bob@x.y"));
        QTest::mouseClick(submit, Qt::LeftButton);
        child<QLineEdit>(nag, "txtName")->setText(QStringLiteral("Ann"));
        child<QLineEdit>(nag, "txtFriendName")->setText(QStringLiteral("Bob"));
        QTest::mouseClick(submit, Qt::LeftButton);

        QCOMPARE(m_fixture->fakes.messages.texts(),
                 (QStringList {QStringLiteral("Please Enter Proper Email Address"),
                               QStringLiteral("Please Enter Distinct Email Addresses"),
                               QStringLiteral("Please Enter Your Name")}));
        QCOMPARE(m_fixture->fakes.browser.opened.size(), 1);
        // The untouched message box sends its text with the line break.
        QVERIFY(m_fixture->fakes.browser.opened.front().contains(QStringLiteral("&taf3=Your%20Message%0D%0A&")));
        QVERIFY(nag->isVisible());
    }

    void exitEndsTheProgramOnce_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("exit button") << false;
        QTest::newRow("close box") << true;
    }

    void exitEndsTheProgramOnce()
    {
        QFETCH(bool, closeBox);
        // The user closed the result window: the input window is loaded but hidden.
        m_fixture->program.showMainWindow();
        QPointer<frmMain> main = m_fixture->program.mainWindow();
        main->hide();
        QPointer<frmNagScreen2> nag = load();
        ShowSpy spy;
        if (closeBox)
            nag->close();
        else
            QTest::mouseClick(child<QPushButton>(nag, "cmdClose"), Qt::LeftButton);

        QCOMPARE(m_fixture->fakes.process.ends, std::vector<int> {0});
        QCOMPARE(visibleWindows(), 0);
        QCOMPARE(spy.shows, 0); // the input window's close brought nothing back
        processDeferredDeletes();
        QVERIFY(!main);
        QVERIFY(!nag);
    }

private:
    frmNagScreen2* load()
    {
        m_fixture->program.showNagScreen();
        return m_fixture->program.nagScreen();
    }

    static void activate(QWidget* window)
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    std::unique_ptr<ProgramFixture> m_fixture;
};

QTEST_MAIN(TestFrmNagScreen2)
#include "tst_frmnagscreen2.moc"
