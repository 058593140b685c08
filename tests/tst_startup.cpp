#include "Columns.h"
#include "FakePlatform.h"
#include "StartUp.h"
#include "modHelp.h"

#include <QTest>

#include <cmath>

using namespace Tessivane;
using namespace Tessivane::Testing;

Q_DECLARE_METATYPE(std::optional<Tessivane::PromotionLabel>)

namespace {

// Records what the start-up asked of the windows; showing the input window runs
// the reminder once more, as the window's own load does.
class FakeWindows final : public StartUpWindows
{
public:
    explicit FakeWindows(modHelp* help = nullptr)
        : m_help(help)
    { }
    void showMainWindow() override
    {
        ++shown;
        if (m_help)
            m_help->OfferUpdateCheck();
    }
    void bringToFront(PromotionLabel label) override { fronts.push_back(label); }

    int shown = 0;
    std::vector<PromotionLabel> fronts;

private:
    modHelp* m_help;
};

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<HelpFixture>();
        m_windows = std::make_unique<FakeWindows>(&m_fixture->help);
    }

    void secondCopyOnlySaysSoAndEnds()
    {
        m_fixture->fakes.instances.running = true;
        m_fixture->fakes.settings.values.insert(modHelp::LastOfferKey, QStringLiteral("2020-01-01"));
        RunStartUp(m_fixture->fakes.platform(), m_fixture->help, *m_windows);

        QCOMPARE(m_fixture->fakes.messages.texts(), QStringList {QStringLiteral("Application is already running")});
        QCOMPARE(m_fixture->fakes.messages.shown.front().icon, MessageService::Icon::Information);
        QCOMPARE(m_fixture->fakes.messages.shown.front().buttons, MessageService::Buttons::Ok);
        QCOMPARE(m_fixture->fakes.process.ends, std::vector<int> {0});
        QCOMPARE(m_windows->shown, 0);
        QCOMPARE(m_fixture->fakes.settings.reads + m_fixture->fakes.settings.writes, 0);
        QCOMPARE(m_fixture->fakes.random.seeds, 0);
        QVERIFY(m_fixture->fakes.browser.opened.isEmpty());
    }

    void firstRunOpensStraightOnTheInputWindow()
    {
        m_fixture->fakes.random.values = {0.0};
        RunStartUp(m_fixture->fakes.platform(), m_fixture->help, *m_windows);
        QVERIFY(m_fixture->fakes.messages.shown.empty());
        QCOMPARE(m_windows->shown, 1);
        QCOMPARE(m_fixture->fakes.settings.values.value(modHelp::LastOfferKey), QStringLiteral("2026-12-08"));
        QCOMPARE(m_fixture->fakes.random.seeds, 1);
        QCOMPARE(m_fixture->fakes.random.draws, 1);
        QVERIFY(m_fixture->fakes.process.ends.empty());
    }

    void oldOfferAskedOnceBeforeTheWindow_data()
    {
        columns<MessageService::Answer, int>({"answer", "pagesOpened"});
        QTest::newRow("yes") << MessageService::Answer::Yes << 1;
        QTest::newRow("no") << MessageService::Answer::No << 0;
    }

    void oldOfferAskedOnceBeforeTheWindow()
    {
        QFETCH(MessageService::Answer, answer);
        QFETCH(int, pagesOpened);
        m_fixture->fakes.settings.values.insert(modHelp::LastOfferKey, QStringLiteral("2026-11-23"));
        m_fixture->fakes.messages.answers = {answer};
        int windowsShownWhenAsked = -1;
        m_fixture->fakes.messages.onShow = [&] { windowsShownWhenAsked = m_windows->shown; };

        RunStartUp(m_fixture->fakes.platform(), m_fixture->help, *m_windows);

        QCOMPARE(m_fixture->fakes.messages.shown.size(), 1u);
        QCOMPARE(windowsShownWhenAsked, 0);
        QCOMPARE(m_windows->shown, 1);
        QCOMPARE(m_fixture->fakes.browser.opened.size(), pagesOpened);
        QCOMPARE(m_fixture->fakes.settings.values.value(modHelp::LastOfferKey), QStringLiteral("2026-12-08"));
    }

    void coBrandPick_data()
    {
        columns<double, int, std::optional<PromotionLabel>>({"x", "pick", "front"});

        const auto co = std::optional<PromotionLabel>(PromotionLabel::CoBrand);
        const auto full = std::optional<PromotionLabel>(PromotionLabel::FullBrand);
        const auto neither = std::optional<PromotionLabel>();
        // x * 6 + 1 lands exactly on .5 at x = 0.25 and x = 0.75: halves go to the even side.
        QTest::newRow("0 -> 1") << 0.0 << 1 << co;
        QTest::newRow("below 1.5 -> 1") << 1.0 / 12 - 1e-9 << 1 << co;
        QTest::newRow("2.5 -> 2") << 0.25 << 2 << full;
        QTest::newRow("above 2.5 -> 3") << std::nextafter(0.25, 1.0) << 3 << co;
        QTest::newRow("4 -> 4") << 0.5 << 4 << full;
        QTest::newRow("just above 4.5 -> 5") << 7.0 / 12 + 1e-9 << 5 << co;
        QTest::newRow("5.5 -> 6") << 0.75 << 6 << full;
        QTest::newRow("above 5.5 -> 6") << std::nextafter(0.75, 1.0) << 6 << full;
        QTest::newRow("above 6.5 -> 7") << 11.0 / 12 + 1e-9 << 7 << neither;
        QTest::newRow("largest draw -> 7") << std::nextafter(1.0, 0.0) << 7 << neither;
    }

    void coBrandPick()
    {
        QFETCH(double, x);
        QFETCH(int, pick);
        QFETCH(std::optional<PromotionLabel>, front);
        m_fixture->fakes.random.values = {x};
        QCOMPARE(CoBrand_Randomize(m_fixture->fakes.random, *m_windows), pick);
        if (front)
            QCOMPARE(m_windows->fronts, std::vector<PromotionLabel> {*front});
        else
            QVERIFY(m_windows->fronts.empty());
    }

    void coBrandOddsOverAllDraws()
    {
        // Evenly spread draws give the 5 : 6 : 1 odds of twelfths.
        int counts[3] = {};
        const int draws = 12000;
        for (int i = 0; i < draws; ++i) {
            const int pick = Tessivane::coBrandPick((i + 0.5) / draws);
            ++counts[pick == 7 ? 2 : pick % 2 == 1 ? 0 : 1];
        }
        QCOMPARE(counts[0], 5000);
        QCOMPARE(counts[1], 6000);
        QCOMPARE(counts[2], 1000);
    }

private:
    std::unique_ptr<HelpFixture> m_fixture;
    std::unique_ptr<FakeWindows> m_windows;
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
