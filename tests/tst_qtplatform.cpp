#include "Columns.h"
#include "DesktopStart.h"
#include "DisplayScale.h"
#include "QtPlatform.h"
#include "Site.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Tessivane;

namespace {

QString probePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/instance_probe");
}

} // namespace

class TestQtPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    }

    void settingsRoundTrip()
    {
        std::unique_ptr<QSettings> raw = storedAt(QStringLiteral("tessivane-test"));
        raw->clear();
        QtSettingsStore writer(QStringLiteral("tessivane-test"));
        QCOMPARE(writer.read(QStringLiteral("Missing")), std::optional<QString>(QString()));
        QVERIFY(writer.write(QStringLiteral("LastUpdateOffer"), QStringLiteral("2026-12-08")));

        QtSettingsStore reader(QStringLiteral("tessivane-test"));
        QCOMPARE(reader.read(QStringLiteral("LastUpdateOffer")), std::optional<QString>(QStringLiteral("2026-12-08")));
        // One store per executable name, in the section "Settings".
        raw->sync();
        QCOMPARE(raw->value(QStringLiteral("Settings/LastUpdateOffer")).toString(), QStringLiteral("2026-12-08"));
        QtSettingsStore renamed(QStringLiteral("tessivane-copy"));
        QCOMPARE(renamed.read(QStringLiteral("LastUpdateOffer")), std::optional<QString>(QString()));
        raw->clear();
    }

    void unwritableStoreReportsFailure()
    {
#ifdef Q_OS_WIN
        QSKIP("The registry has no folder to make unwritable; the fake store covers the failure.");
#endif
        // A folder that is a regular file cannot be written, not even by root.
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName());
        QtSettingsStore store(QStringLiteral("tessivane-test"));
        QVERIFY(!store.write(QStringLiteral("LastUpdateOffer"), QStringLiteral("2026-12-08")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    }

    void exactUrl_data()
    {
        columns<QString, bool>({"address", "valid"});
        QTest::newRow("page") << PageAddress(QStringLiteral("home-page")) << true;
        QTest::newRow("encoded query") << SiteBase() + QStringLiteral("/a?b=%20%2B%26&c=%F0%9F%98%80") << true;
        QTest::newRow("raw blank") << SiteBase() + QStringLiteral("/a b") << false;
        QTest::newRow("stray percent") << SiteBase() + QStringLiteral("/a?b=%zz") << false;
        QTest::newRow("empty") << QString() << false;
        // What a configured site base is stored as, and why.
        QTest::newRow("host in lower case") << QStringLiteral("http://www.example.org/a") << true;
        QTest::newRow("host with capitals") << QStringLiteral("http://WWW.Example.org/a") << false;
        QTest::newRow("plain port") << QStringLiteral("https://example.org:80/a") << true;
        QTest::newRow("port with leading zeros") << QStringLiteral("https://example.org:0080/a") << false;
    }

    void exactUrl()
    {
        QFETCH(QString, address);
        QFETCH(bool, valid);
        const std::optional<QUrl> url = Tessivane::exactUrl(address);
        QCOMPARE(url.has_value(), valid);
        if (valid)
            QCOMPARE(QString::fromLatin1(url->toEncoded()), address);
    }

    void clipboardIsEmptied()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("copied"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copied"));
        QtClipboard().clear();
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(!data || data->formats().isEmpty());
    }

    void messageBoxShowsTwoLinesWithDefaultYes()
    {
        QString title;
        QString text;
        bool onTop = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            // Above the closing window, which stays on top, and above another copy's.
            onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            QTest::keyClick(box, Qt::Key_Return); // the default button
        });
        const auto answer = QtMessageService().show(QStringLiteral("first\rsecond"), MessageService::Icon::Information,
                                                    MessageService::Buttons::YesNo);
        QCOMPARE(answer, MessageService::Answer::Yes);
        QCOMPARE(title, QStringLiteral("Tessivane"));
        QCOMPARE(text, QStringLiteral("first\nsecond"));
        QVERIFY(onTop);
    }

    void processEndBeforeTheEventLoopIsRecorded()
    {
        QtProcessControl process;
        QVERIFY(!process.hasEnded());
        process.end(0);
        process.end(3);
        QVERIFY(process.hasEnded());
        QCOMPARE(process.status(), 0);
    }

    void secondCopyIsRecognisedAndKilledCopyDoesNotBlock_data()
    {
        QTest::addColumn<QStringList>("launcher");
        QTest::newRow("alone") << QStringList();
#ifndef Q_OS_WIN
        // A sandbox or container: every copy started there gets the same process number.
        QTest::newRow("pid namespace") << QStringList {QStringLiteral("unshare"), QStringLiteral("--pid"),
                                                       QStringLiteral("--fork"), QStringLiteral("--mount-proc"),
                                                       QStringLiteral("--kill-child")};
#endif
    }

    void secondCopyIsRecognisedAndKilledCopyDoesNotBlock()
    {
        QFETCH(QStringList, launcher);
        if (!launcher.isEmpty() && QProcess::execute(launcher.first(), launcher.mid(1) << QStringLiteral("true")) != 0)
            QSKIP("This user cannot make a PID namespace here.");
        QProcess first;
        QVERIFY(startHolder(first, launcher));

        QCOMPARE(runProbe(launcher), QByteArray("another"));

        // Ended by force, with no chance to clean up.
        first.kill();
        QVERIFY(first.waitForFinished(10000));
        // The launcher's child goes as the launcher ends, a moment later.
        QTRY_COMPARE_WITH_TIMEOUT(runProbe(launcher), QByteArray("alone"), 5000);
        QCOMPARE(runProbe(launcher), QByteArray("alone")); // and a clean exit releases it
    }

    void desktopStartChoosesPlatformAndToken_data()
    {
        columns<QString, QString, QString, QString, QString, QString, QString>(
            {"desktop", "wayland", "x11", "platform", "activationToken", "chosenPlatform", "chosenToken"});
        // The launcher's X11 token is "id" throughout.
        // clang-format off
        QTest::newRow("GNOME on Wayland")     << "GNOME"        << "wayland-0" << ":0" << ""        << ""  << "xcb" << "";
        QTest::newRow("GNOME, listed second") << "ubuntu:GNOME" << "wayland-0" << ":0" << ""        << ""  << "xcb" << "";
        QTest::newRow("GNOME, no Xwayland")   << "GNOME"        << "wayland-0" << ""   << ""        << ""  << ""    << "id";
        QTest::newRow("GNOME, user's choice") << "GNOME"        << "wayland-0" << ":0" << "wayland" << ""  << ""    << "id";
        QTest::newRow("KDE on Wayland")       << "KDE"          << "wayland-0" << ":0" << ""        << ""  << ""    << "id";
        QTest::newRow("token given")          << "KDE"          << "wayland-0" << ":0" << ""        << "t" << ""    << "";
        QTest::newRow("GNOME on X11")         << "GNOME"        << ""          << ":0" << ""        << ""  << ""    << "";
        // clang-format on
    }

    void desktopStartChoosesPlatformAndToken()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, wayland);
        QFETCH(QString, x11);
        QFETCH(QString, platform);
        QFETCH(QString, activationToken);
        const DesktopChoice choice
            = chooseDesktopStart({desktop, wayland, x11, platform, QStringLiteral("id"), activationToken});
        QTEST(choice.platform, "chosenPlatform");
        QTEST(choice.activationToken, "chosenToken");
    }

    // Windows' Text size on top of what Qt scales by itself, the user's own factor kept.
    void scaleFactorFollowsTextSize_data()
    {
        columns<QString, int, QString>({"userFactor", "textScale", "chosen"});
        QTest::newRow("100 %") << "" << 100 << "";
        QTest::newRow("125 %") << "" << 125 << "1.25";
        QTest::newRow("150 %") << "" << 150 << "1.5";
        QTest::newRow("225 %, the most") << "" << 225 << "2.25";
        QTest::newRow("beyond the most") << "" << 500 << "2.25";
        QTest::newRow("below 100 %") << "" << 50 << "";
        QTest::newRow("user's factor times 150 %") << "1.25" << 150 << "1.875";
        QTest::newRow("user's factor alone") << "1.25" << 100 << "";
        QTest::newRow("user's value no factor") << "big" << 150 << "";
        QTest::newRow("user's factor zero") << "0" << 150 << "";
    }

    void scaleFactorFollowsTextSize()
    {
        QFETCH(QString, userFactor);
        QFETCH(int, textScale);
        QTEST(chooseScaleFactor({userFactor, textScale}), "chosen");
    }

    void copiesStartedAtOnceLeaveOne()
    {
        std::vector<std::unique_ptr<QProcess>> copies;
        for (int i = 0; i < 20; ++i) {
            copies.push_back(std::make_unique<QProcess>());
            startProbe(*copies.back(), {}, {QStringLiteral("hold")});
        }
        int alone = 0;
        for (const auto& copy : copies) {
            QVERIFY(copy->waitForReadyRead(30000));
            alone += copy->readLine().trimmed() == "alone";
        }
        QCOMPARE(alone, 1);
        for (const auto& copy : copies) {
            copy->closeWriteChannel();
            QVERIFY(copy->waitForFinished(10000));
        }
    }

    void otherSessionIsAnotherInstance()
    {
#ifdef Q_OS_WIN
        QSKIP("The session is Windows' own; a test cannot start this copy in another one.");
#endif
        QProcess first;
        QVERIFY(startHolder(first));

        QProcessEnvironment other = QProcessEnvironment::systemEnvironment();
        other.insert(QStringLiteral("XDG_SESSION_ID"), QStringLiteral("another-session"));
        QCOMPARE(runProbe({}, other), QByteArray("alone"));

        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitCode(), 0);
    }

private:
    // Where a user finds the store of an executable of that name.
    std::unique_ptr<QSettings> storedAt(const QString& name) const
    {
#ifdef Q_OS_WIN
        return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Quennic Softwares\\") + name,
                                           QSettings::NativeFormat);
#else
        return std::make_unique<QSettings>(m_config.filePath(name + QStringLiteral(".conf")), QSettings::IniFormat);
#endif
    }

    // The probe, through the launcher when there is one.
    static void startProbe(QProcess& process, QStringList launcher, const QStringList& arguments = {})
    {
        launcher << probePath() << arguments;
        process.start(launcher.first(), launcher.mid(1));
    }

    // A first copy that holds the guard until it is ended.
    static bool startHolder(QProcess& first, const QStringList& launcher = {})
    {
        startProbe(first, launcher, {QStringLiteral("hold")});
        return first.waitForReadyRead(10000) && first.readLine().trimmed() == "alone";
    }

    static QByteArray runProbe(const QStringList& launcher = {},
                               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        startProbe(process, launcher);
        process.closeWriteChannel();
        if (!process.waitForFinished(10000))
            return "timeout";
        return process.readAllStandardOutput().trimmed();
    }

    QTemporaryDir m_config;
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
