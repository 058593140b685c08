// The result window: the reading it shows, what it leaves behind, its place, the clipboard and its links.
#include "InputWindowTest.h"
#include "Reading.h"
#include "Report.h"
#include "Titles.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Tessivane;
using namespace Tessivane::Testing;

namespace {

// The titles of the windows that reach the screen while it lives.
class ShownWindows final : public QObject
{
public:
    ShownWindows() { qApp->installEventFilter(this); }
    QStringList titles;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWindowType())
            titles << static_cast<QWindow*>(watched)->title();
        return false;
    }
};

} // namespace

class TestFrmPlaneOfExOrPerExpect : public InputWindowTest
{
    Q_OBJECT

private slots:
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

        ShownWindows shown;
        QTest::mouseClick(child<QPushButton>(first, "cmdback"), Qt::LeftButton);
        processDeferredDeletes();
        // The closing window, shown by the close and hidden again, never reached the screen.
        QCOMPARE(shown.titles, QStringList {versionTitle()});
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
        // As mutter reports a hidden window it lets go: at its frame's corner.
        m_main->move(mainPlace - QPoint(0, 37));

        QTest::mouseClick(child<QPushButton>(result, "cmdback"), Qt::LeftButton);
        QCOMPARE(m_main->pos(), mainPlace);
        QVERIFY(QTest::qWaitFor([this] { return QApplication::activeWindow() == m_main; }));
        // Loaded by leaving the result window, and shown by leaving the input window: over the input window.
        const QPoint mainCentre = m_main->frameGeometry().center();
        m_main->close();
        QVERIFY(QTest::qWaitForWindowExposed(m_fixture->program.nagScreen()));
        QCOMPARE(m_fixture->program.nagScreen()->frameGeometry().center(), mainCentre);
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
};

QTEST_MAIN(TestFrmPlaneOfExOrPerExpect)
#include "tst_frmplaneofexorperexpect.moc"
