// Two waits a user has after start-up: the closing window, from the first time
// it is asked for until it is on screen; and "Next" on a name of 1,000,000
// characters, from the press until the result window with the report is on
// screen (the median of several presses). Prints both in milliseconds.
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
        main->cmdNext_Click();
        frmPlaneOfExOrPerExpect* result = program.resultWindow();
        onScreen(result);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!result->findChild<QPlainTextEdit*>(QStringLiteral("txtDisplay"))
                 ->toPlainText()
                 .contains(QStringLiteral("Mental Ability 99 - Strong"))) {
            std::fprintf(stderr, "bench_next: unexpected report\n");
            return 1;
        }
        result->cmdback_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f %.1f\n", times[times.size() / 2], closingMs);
    return 0;
}
