#include "BuildConfig.h"
#include "DesktopStart.h"
#include "Look.h"
#include "Program.h"
#include "QtPlatform.h"
#include "StartUp.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    Tessivane::DesktopStartUp desktop;
    QApplication app(argc, argv);
    desktop.applicationMade();
    // Only the closing window ends the program, never the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSIVANE_APP_ID));
    QApplication::setWindowIcon(Tessivane::Look::programIcon());

    Tessivane::QtPlatform qtPlatform;
    const Tessivane::Platform platform = qtPlatform.platform();
    Tessivane::modHelp help(platform);
    Tessivane::modTellAFriend referral(platform.messages, help);
    Tessivane::Program program(platform, help, referral);

    Tessivane::RunStartUp(platform, help, program);
    if (qtPlatform.process().hasEnded())
        return qtPlatform.process().status();
    return QApplication::exec();
}
