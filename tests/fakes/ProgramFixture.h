#pragma once

// The program's windows wired to fake platform services.

#include "FakePlatform.h"
#include "Program.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace Tessivane::Testing {

struct ProgramFixture : HelpFixture
{
    modTellAFriend referral {fakes.messages, help};
    Program program {fakes.platform(), help, referral};
};

template <typename T> T* child(QWidget* window, const char* name)
{
    T* found = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qWarning("no child %s", name);
    return found;
}

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
