// The input window: entries, checks, menus, links, its about window and the start-up that shows it.
#include "BuildConfig.h"
#include "Columns.h"
#include "InputWindowTest.h"
#include "StartUp.h"
#include "Titles.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

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

class TestFrmMain : public InputWindowTest
{
    Q_OBJECT

private slots:
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
        columns<QString, QString>({"typed", "shown"});
        // clang-format off
        QTest::newRow("smith") << "smith" << "SMITH";
        QTest::newRow("punctuation and digits") << "o'neil-2" << "O'NEIL-2";
        QTest::newRow("accented small letter stays") << "\u00e9a" << "\u00e9A";
        QTest::newRow("capitals stay") << "McD" << "MCD";
        // clang-format on
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
        columns<QString, QString, QString, QString, QString>({"first", "middle", "last", "message", "focus"});
        // clang-format off
        QTest::newRow("no first name") << ""    << "Q"   << ""   << "Please Enter Your First Name" << "txtFirstName";
        QTest::newRow("no last name")  << "ANN" << "Q"   << ""   << "Please Enter Your Last Name"  << "txtLastName";
        QTest::newRow("blank names")   << " "   << "   " << "  " << "Please Enter Your First Name" << "txtFirstName";
        // clang-format on
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
        columns<MessageService::Answer, double, QString>({"answer", "draw", "front"});
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
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
