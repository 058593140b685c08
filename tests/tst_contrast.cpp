#include "Columns.h"
#include "Contrast.h"

#ifdef TESSIVANE_SETTINGS_PORTAL
#include <QDBusVariant>
#endif

using namespace Tessivane;

namespace {

template <typename T> std::optional<T> said(const QVariant& value)
{
    return value.isValid() ? std::optional<T>(value.value<T>()) : std::nullopt;
}

// A value as the portal's Read wraps it: a variant in a variant.
QVariant readReply(const QVariant& value)
{
#ifdef TESSIVANE_SETTINGS_PORTAL
    return QVariant::fromValue(QDBusVariant(QVariant::fromValue(QDBusVariant(value))));
#else
    return value;
#endif
}

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT

private slots:
    // What each platform says, to whether the design's colours yield.
    void decision_data()
    {
        columns<QString, QVariant, QVariant, QVariant, QVariant, bool>(
            {"asked", "qtHint", "windowsFlag", "portalContrast", "gnomeKey", "more"});
        const QVariant none;
        const QVariant on = true;
        const QVariant off = false;
        // clang-format off
        QTest::newRow("nothing said, no portal")       << "" << none << none << none          << none << false;
        QTest::newRow("Windows' flag on")              << "" << none << on   << none          << none << true;
        QTest::newRow("Windows' flag off")             << "" << none << off  << none          << none << false;
        QTest::newRow("portal: higher contrast")       << "" << none << none << QVariant(1u)  << none << true;
        QTest::newRow("portal: no preference")         << "" << none << none << QVariant(0u)  << on   << false;
        QTest::newRow("portal: a value of later days") << "" << none << none << QVariant(2u)  << none << false;
        QTest::newRow("portal: Read's wrapping")       << "" << none << none << readReply(1u) << none << true;
        QTest::newRow("portal: not a number")          << "" << none << none << QVariant(1)   << on   << true;
        QTest::newRow("GNOME's key, version 1")        << "" << none << none << none << readReply(true)  << true;
        QTest::newRow("GNOME's key off")               << "" << none << none << none << readReply(false) << false;
        QTest::newRow("Qt's hint over the portal")     << "" << off  << none << QVariant(1u)  << none << false;
        QTest::newRow("Qt's hint high")                << "" << on   << none << none          << none << true;
        QTest::newRow("switch high over the system")   << "high"   << off << off << QVariant(0u) << off << true;
        QTest::newRow("switch normal over the system") << "normal" << on  << on  << QVariant(1u) << on  << false;
        QTest::newRow("switch of another word")        << "yes"    << none << none << none       << none << false;
        // clang-format on
    }

    void decision()
    {
        QFETCH(QString, asked);
        QFETCH(QVariant, qtHint);
        QFETCH(QVariant, windowsFlag);
        QFETCH(QVariant, portalContrast);
        QFETCH(QVariant, gnomeKey);
        ContrastAnswers answers;
        answers.asked = askedContrast(asked);
        answers.qtHighContrast = said<bool>(qtHint);
        answers.windowsHighContrast = said<bool>(windowsFlag);
        answers.portalContrast = portalNumber(portalContrast);
        answers.gnomeHighContrast = portalSwitch(gnomeKey);
        QTEST(wantsMoreContrast(answers), "more");
    }

    // The documented switch, read by the real service before anything is asked of the system.
    void switchIsTheUsersWord()
    {
        qputenv("TESSIVANE_CONTRAST", "high");
        QVERIFY(QtContrastPreference().moreContrast());
        qputenv("TESSIVANE_CONTRAST", "normal");
        QVERIFY(!QtContrastPreference().moreContrast());
        qunsetenv("TESSIVANE_CONTRAST");
    }
};

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
