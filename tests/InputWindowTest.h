#pragma once

#include "ProgramFixture.h"

namespace Tessivane::Testing {

// The base of a window test: a program of its own for each test function, with
// the input window shown and active.
class InputWindowTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<ProgramFixture> m_fixture;
    frmMain* m_main = nullptr;

private slots:
    void init()
    {
        m_fixture = std::make_unique<ProgramFixture>();
        m_main = m_fixture->showInputWindow();
        QVERIFY(m_main);
    }
    void cleanup()
    {
        m_fixture.reset();
        processDeferredDeletes();
    }
};

} // namespace Tessivane::Testing
