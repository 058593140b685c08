#pragma once

// The program's windows wired to fake platform services.

#include "FakePlatform.h"
#include "Program.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "frmPlaneOfExOrPerExpect.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <memory>

namespace Tessivane::Testing {

template <typename T> T* child(QWidget* window, const char* name)
{
    T* found = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qWarning("no child %s", name);
    return found;
}

// The windows ProgramFixture::open knows, as the rows of a test table with the column "window".
inline void addWindowRows()
{
    QTest::addColumn<QString>("window");
    for (const char* window : {"input", "result", "closing", "about"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

struct ProgramFixture : HelpFixture
{
    modTellAFriend referral {fakes.messages, help};
    Program program {fakes.platform(), help, referral};
    std::unique_ptr<frmAbout> about; // opened by open("about")

    // The input window, shown and active as the start-up leaves it; null if it never became active.
    frmMain* showInputWindow()
    {
        program.showMainWindow();
        frmMain* main = program.mainWindow();
        main->activateWindow();
        return QTest::qWaitForWindowActive(main) ? main : nullptr;
    }

    // The window a test row names, opened from the input window as a user opens it: "input",
    // "result" (after a reading), "closing" (after leaving the input window) or "about".
    QWidget* open(const QString& window)
    {
        if (!program.mainWindow())
            program.showMainWindow();
        frmMain* main = program.mainWindow();
        if (window == QLatin1String("result")) {
            child<QLineEdit>(main, "txtFirstName")->setText(QStringLiteral("A"));
            child<QLineEdit>(main, "txtLastName")->setText(QStringLiteral("B"));
            QTest::mouseClick(child<QPushButton>(main, "cmdNext"), Qt::LeftButton);
            return program.resultWindow();
        }
        if (window == QLatin1String("closing")) {
            main->close();
            return program.nagScreen();
        }
        if (window == QLatin1String("about")) {
            about = std::make_unique<frmAbout>(help, main);
            return about.get();
        }
        return main;
    }
};

// Windows closed with WA_DeleteOnClose go away on the next pass of the event loop.
inline void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Program windows that are on screen now.
inline int visibleWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->isVisible() && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog);
    return count;
}

} // namespace Tessivane::Testing
