// Two waits a user has after start-up: the closing window, from the first time
// it is asked for until it is on screen; and "Next" on a name of 1,000,000
// characters, from the press until the result window with the report is on
// screen (the median of several presses). Prints both in milliseconds, then the
// heap a reading leaves behind, in bytes: Next and Back on a short name, 200
// times after 20, each result window drawn.
#include "FakePlatform.h"
#include "Program.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "frmPlaneOfExOrPerExpect.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Tessivane;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Testing::FakePlatform fakes;
    modHelp help(fakes.platform());
    modTellAFriend referral(fakes.messages, help);
    Program program(fakes.platform(), help, referral);
    program.showMainWindow();
    frmMain* main = program.mainWindow();
    main->findChild<QLineEdit*>(QStringLiteral("txtFirstName"))->setText(QString(999999, u'N'));
    main->findChild<QLineEdit*>(QStringLiteral("txtLastName"))->setText(QStringLiteral("D"));
    QCoreApplication::processEvents();

    const auto onScreen = [](QWidget* window) {
        while (!window->windowHandle() || !window->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QCoreApplication::processEvents(); // the first paint
    };
    onScreen(main); // the window manager is done with the input window first
    QElapsedTimer closing;
    closing.start();
    program.showNagScreen();
    onScreen(program.nagScreen());
    const double closingMs = static_cast<double>(closing.nsecsElapsed()) / 1e6;
    program.hideNagScreen();

    std::vector<double> times;
    for (int press = 0; press < 7; ++press) {
        QElapsedTimer timer;
        timer.start();
        main->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();
        frmPlaneOfExOrPerExpect* result = program.resultWindow();
        onScreen(result);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!result->findChild<QPlainTextEdit*>(QStringLiteral("txtDisplay"))
                 ->toPlainText()
                 .contains(QStringLiteral("Mental Ability 99 - Strong"))) {
            std::fprintf(stderr, "bench_next: unexpected report\n");
            return 1;
        }
        result->findChild<QPushButton*>(QStringLiteral("cmdback"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());

    main->findChild<QLineEdit*>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("MARY"));
    const auto reading = [&] {
        main->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();
        frmPlaneOfExOrPerExpect* result = program.resultWindow();
        result->grab();
        result->findChild<QPushButton*>(QStringLiteral("cmdback"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    };
    long long leftPerReading = -1;
#ifdef __GLIBC__
    for (int i = 0; i < 20; ++i)
        reading();
    const auto before = static_cast<long long>(mallinfo2().uordblks);
    for (int i = 0; i < 200; ++i)
        reading();
    leftPerReading = (static_cast<long long>(mallinfo2().uordblks) - before) / 200;
#endif
    std::printf("%.1f %.1f %lld\n", times[times.size() / 2], closingMs, leftPerReading);
    return 0;
}
