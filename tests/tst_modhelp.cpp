#include "Columns.h"
#include "FakePlatform.h"
#include "modHelp.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

using namespace Tessivane;
using namespace Tessivane::Testing;
using Answer = MessageService::Answer;

Q_DECLARE_METATYPE(Tessivane::Page)
Q_DECLARE_METATYPE(Tessivane::MessageService::Answer)

namespace {

// The windows as the shutdown sees them: handles that count their closes. The
// closing window shuts down from its own close, as the real one does, and a
// window's close while it is closing does nothing, as in Qt.
class FakeWindows final : public ProgramWindows
{
public:
    explicit FakeWindows(modHelp& help, int count, int closingWindow)
        : m_help(help)
        , m_windows(count)
    {
        for (auto& window : m_windows)
            window = std::make_unique<QWidget>();
        m_closing = m_windows[closingWindow].get();
        help.setWindows(this);
    }
    ~FakeWindows() override { m_help.setWindows(nullptr); }

    QList<QPointer<QWidget>> loadedWindows() const override
    {
        QList<QPointer<QWidget>> handles;
        for (const auto& window : m_windows)
            handles.append(window.get());
        return handles;
    }
    void unload(QWidget* window) override
    {
        if (m_inClose.contains(window))
            return;
        m_inClose.append(window);
        ++closes[window];
        if (window == m_closing)
            m_help.ShutDownProgram();
        m_inClose.removeOne(window);
    }
    void closeBox() { unload(m_closing); }
    QList<int> closeCounts() const
    {
        QList<int> counts;
        for (const auto& window : m_windows)
            counts.append(closes.value(window.get()));
        return counts;
    }

    QHash<QWidget*, int> closes;

private:
    modHelp& m_help;
    std::vector<std::unique_ptr<QWidget>> m_windows;
    QWidget* m_closing = nullptr;
    QList<QWidget*> m_inClose;
};

} // namespace

class TestModHelp : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<HelpFixture>(); }

    void siteBaseIsSchemeAndHostAlone()
    {
        static const QRegularExpression form(QStringLiteral("^https?://[A-Za-z0-9.-]+(:[0-9]+)?$"));
        QVERIFY2(form.match(SiteBase()).hasMatch(), qPrintable(SiteBase()));
        QCOMPARE(ProductFolder(), SiteBase() + QStringLiteral("/tessivane/"));
        QVERIFY(!siteHost().contains(QLatin1Char('/')));
        QVERIFY(SiteBase().endsWith(siteHost()));
    }

    void defaultSiteAddress()
    {
        if (SiteBase() != QStringLiteral("https://www.tessivane.example"))
            QSKIP("built for another site");
        m_fixture->help.OpenPage(Page::HomePage);
        QCOMPARE(m_fixture->fakes.browser.opened.value(0),
                 QStringLiteral("https://www.tessivane.example/tessivane/ssd.php?page=home-page"));
    }

    void offerUpdateCheck_data()
    {
        columns<QString, Answer, bool, bool, QString, bool>(
            {"stored", "answer", "failWrites", "asks", "storedAfter", "opensDownload"});

        const QString today = QStringLiteral("2026-12-08");
        QTest::newRow("first run") << QString() << Answer::Yes << false << false << today << false;
        QTest::newRow("same day") << today << Answer::Yes << false << false << today << false;
        QTest::newRow("14 days ago") << "2026-11-24" << Answer::Yes << false << false << "2026-11-24" << false;
        QTest::newRow("14 days ahead") << "2026-12-22" << Answer::Yes << false << false << "2026-12-22" << false;
        QTest::newRow("15 days ago, yes") << "2026-11-23" << Answer::Yes << false << true << today << true;
        QTest::newRow("15 days ago, no") << "2026-11-23" << Answer::No << false << true << today << false;
        QTest::newRow("15 days ahead, yes") << "2026-12-23" << Answer::Yes << false << true << today << true;
        QTest::newRow("15 days ahead, no") << "2026-12-23" << Answer::No << false << true << today << false;
        QTest::newRow("across a year") << "2025-12-08" << Answer::No << false << true << today << false;
        QTest::newRow("unreadable date") << "8/12/2026" << Answer::Yes << false << false << "8/12/2026" << false;
        QTest::newRow("refused write after yes")
            << "2026-11-23" << Answer::Yes << true << true << "2026-11-23" << false;
        QTest::newRow("refused write on first run") << QString() << Answer::Yes << true << false << QString() << false;
    }

    void offerUpdateCheck()
    {
        QFETCH(QString, stored);
        QFETCH(Answer, answer);
        QFETCH(bool, failWrites);
        QFETCH(bool, asks);
        QFETCH(QString, storedAfter);
        QFETCH(bool, opensDownload);

        if (!stored.isEmpty())
            m_fixture->fakes.settings.values.insert(modHelp::LastOfferKey, stored);
        m_fixture->fakes.settings.failWrites = failWrites;
        m_fixture->fakes.messages.answers = {answer};

        m_fixture->help.OfferUpdateCheck();

        QCOMPARE(m_fixture->fakes.messages.shown.size(), asks ? 1u : 0u);
        if (asks) {
            const auto& shown = m_fixture->fakes.messages.shown.front();
            QCOMPARE(shown.text,
                     QStringLiteral("There maybe an update to this software available\r"
                                    "Do you want to check for an update?"));
            QCOMPARE(shown.icon, MessageService::Icon::Information);
            QCOMPARE(shown.buttons, MessageService::Buttons::YesNo);
        }
        QCOMPARE(m_fixture->fakes.settings.values.value(modHelp::LastOfferKey), storedAfter);
        const QStringList download {PageAddress(QStringLiteral("download-web-page"))};
        QCOMPARE(m_fixture->fakes.browser.opened, opensDownload ? download : QStringList());
    }

    void secondRunOfAStartIsQuiet()
    {
        m_fixture->fakes.settings.values.insert(modHelp::LastOfferKey, QStringLiteral("2026-01-01"));
        m_fixture->fakes.messages.answers = {Answer::Yes};
        m_fixture->help.OfferUpdateCheck();
        m_fixture->help.OfferUpdateCheck();
        QCOMPARE(m_fixture->fakes.messages.shown.size(), 1u);
        QCOMPARE(m_fixture->fakes.browser.opened.size(), 1);
    }

    void unreadableStoreEndsSilently()
    {
        m_fixture->fakes.settings.failReads = true;
        m_fixture->help.OfferUpdateCheck();
        QVERIFY(m_fixture->fakes.messages.shown.empty());
        QCOMPARE(m_fixture->fakes.settings.writes, 0);
        QVERIFY(m_fixture->fakes.browser.opened.isEmpty());
    }

    void dateIsStoredBeforeThePageOpens()
    {
        m_fixture->fakes.settings.values.insert(modHelp::LastOfferKey, QStringLiteral("2020-05-05"));
        m_fixture->fakes.messages.answers = {Answer::Yes};
        QString storedWhenOpened;
        m_fixture->fakes.browser.onOpen
            = [&] { storedWhenOpened = m_fixture->fakes.settings.values.value(modHelp::LastOfferKey); };
        m_fixture->help.OfferUpdateCheck();
        QCOMPARE(storedWhenOpened, QStringLiteral("2026-12-08"));
    }

    void shutDownClosesEveryWindowOnceAndEndsOnce_data()
    {
        columns<int, bool>({"closingWindow", "byItsCloseBox"});
        QTest::newRow("closing window first") << 0 << false;
        QTest::newRow("closing window between") << 1 << false;
        QTest::newRow("closing window last") << 2 << false;
        QTest::newRow("closing window's close box") << 1 << true;
    }

    void shutDownClosesEveryWindowOnceAndEndsOnce()
    {
        QFETCH(int, closingWindow);
        QFETCH(bool, byItsCloseBox);
        FakeWindows windows(m_fixture->help, 3, closingWindow);
        QVERIFY(!m_fixture->help.shuttingDown());

        if (byItsCloseBox)
            windows.closeBox();
        else
            m_fixture->help.ShutDownProgram();

        QVERIFY(m_fixture->help.shuttingDown());
        QCOMPARE(windows.closeCounts(), QList<int>({1, 1, 1}));
        QCOMPARE(m_fixture->fakes.process.ends, std::vector<int> {0});
        m_fixture->help.ShutDownProgram(); // nothing runs after the end
        QCOMPARE(windows.closeCounts(), QList<int>({1, 1, 1}));
        QCOMPARE(m_fixture->fakes.process.ends.size(), 1u);
    }

private:
    std::unique_ptr<HelpFixture> m_fixture;
};

QTEST_MAIN(TestModHelp)
#include "tst_modhelp.moc"
