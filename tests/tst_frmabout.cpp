#include "Columns.h"
#include "ProgramFixture.h"
#include "Titles.h"
#include "frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using namespace Tessivane;
using namespace Tessivane::Testing;

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<ProgramFixture>();
        m_about = std::make_unique<frmAbout>(m_fixture->help, nullptr);
        m_about->show();
        m_about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
    }

    void cleanup()
    {
        m_about.reset();
        m_fixture.reset();
    }

    void contents()
    {
        QCOMPARE(m_about->windowTitle(), versionTitle());
        QVERIFY(m_about->isModal());
        QCOMPARE(child<QLabel>(m_about.get(), "Label2")->text(), versionTitle());
        QVERIFY(child<QLabel>(m_about.get(), "Label1")
                    ->text()
                    .startsWith(QStringLiteral("Tessivane Software gives you an idea about your personality. ")));
        QCOMPARE(child<QLabel>(m_about.get(), "Label3")->text(),
                 QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                                "Get this software fully branded for your website. "));
        QCOMPARE(child<QLabel>(m_about.get(), "lblCobrand")->text(), QStringLiteral("Click here for more details."));
        QVERIFY(child<QLabel>(m_about.get(), "lblHomePage")->text().contains(siteHost()));
        QVERIFY(!child<QLabel>(m_about.get(), "Picture1")->pixmap().isNull());
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(m_about.get(), "cmdOK"));
    }

    void closes_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("enter") << 0;
        QTest::newRow("escape") << 1;
        QTest::newRow("OK") << 2;
    }

    void closes()
    {
        QFETCH(int, how);
        QSignalSpy finished(m_about.get(), &QDialog::finished);
        if (how == 0)
            QTest::keyClick(m_about.get(), Qt::Key_Return);
        else if (how == 1)
            QTest::keyClick(m_about.get(), Qt::Key_Escape);
        else
            QTest::mouseClick(child<QPushButton>(m_about.get(), "cmdOK"), Qt::LeftButton);
        QCOMPARE(finished.size(), 1);
        QVERIFY(!m_about->isVisible());
        QVERIFY(m_fixture->fakes.browser.opened.isEmpty());
    }

private:
    std::unique_ptr<ProgramFixture> m_fixture;
    std::unique_ptr<frmAbout> m_about;
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
