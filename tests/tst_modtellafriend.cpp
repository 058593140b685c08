#include "Columns.h"
#include "FakePlatform.h"
#include "Site.h"
#include "modHelp.h"
#include "modTellAFriend.h"

#include <QTest>
#include <QUrl>

using namespace Tessivane;
using namespace Tessivane::Testing;

namespace {

// The boxes' texts, in the form's order.
QStringList texts(const ReferralFields& fields)
{
    QStringList texts;
    for (const ReferralBox& box : ReferralBoxes)
        texts << fields.*box.field;
    return texts;
}

ReferralFields untouched()
{
    ReferralFields fields;
    for (const ReferralBox& box : ReferralBoxes)
        fields.*box.field = QString::fromLatin1(box.initialText);
    return fields;
}

ReferralFields complete()
{
    return {.SenderName = QStringLiteral("Ann"),
            .SenderEmail = QStringLiteral("ann@example.org"),
            .MessageText = QStringLiteral("Try it"),
            .FriendName = QStringLiteral("Bob"),
            .FriendEmail = QStringLiteral("bob@example.org")};
}

// The query parameters of an address, decoded, in order.
QList<std::pair<QString, QString>> decodedQuery(const QString& address)
{
    QList<std::pair<QString, QString>> parameters;
    const QString query = address.mid(address.indexOf(QLatin1Char('?')) + 1);
    for (const QString& pair : query.split(QLatin1Char('&'))) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        parameters.append({pair.left(equals), QUrl::fromPercentEncoding(pair.mid(equals + 1).toLatin1())});
    }
    return parameters;
}

} // namespace

Q_DECLARE_METATYPE(ReferralFields)

class TestModTellAFriend : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<HelpFixture>();
        m_module = std::make_unique<modTellAFriend>(m_fixture->fakes.messages, m_fixture->help);
    }

    void checks_data()
    {
        columns<ReferralFields, QString>({"entries", "message"});

        const auto with = [](auto change) {
            ReferralFields entries = complete();
            change(entries);
            return entries;
        };
        QTest::newRow("all placeholders") << untouched() << "Please Enter Proper Email Address";
        QTest::newRow("same address") << with([](auto& e) { e.FriendEmail = e.SenderEmail; })
                                      << "Please Enter Distinct Email Addresses";
        QTest::newRow("same address but for blanks")
            << with([](auto& e) { e.FriendEmail = QStringLiteral("  ") + e.SenderEmail + QStringLiteral(" "); })
            << "Please Enter Distinct Email Addresses";
        QTest::newRow("both empty") << with([](auto& e) { e.SenderEmail.clear(), e.FriendEmail.clear(); })
                                    << "Please Enter Distinct Email Addresses";
        QTest::newRow("letter case differs")
            << with([](auto& e) { e.SenderEmail = QStringLiteral("A@B.C"), e.FriendEmail = QStringLiteral("a@b.c"); })
            << QString();
        QTest::newRow("no at sign") << with([](auto& e) { e.SenderEmail = QStringLiteral("ann.example.org"); })
                                    << "Please Enter Proper Email Address";
        QTest::newRow("friend without dot") << with([](auto& e) { e.FriendEmail = QStringLiteral("bob@example"); })
                                            << "Please Enter Proper Email Address";
        QTest::newRow("at sign and dot are enough")
            << with([](auto& e) { e.SenderEmail = QStringLiteral("@."), e.FriendEmail = QStringLiteral(".@"); })
            << QString();
        QTest::newRow("name placeholder")
            << with([](auto& e) { e.SenderName = QStringLiteral(" Your Name "); }) << "Please Enter Your Name";
        QTest::newRow("name blank") << with([](auto& e) { e.SenderName = QStringLiteral("   "); })
                                    << "Please Enter Your Name";
        QTest::newRow("name checked before message")
            << with([](auto& e) { e.SenderName.clear(), e.MessageText.clear(); }) << "Please Enter Your Name";
        QTest::newRow("message placeholder")
            << with([](auto& e) { e.MessageText = QStringLiteral("Your Message"); }) << "Please Enter Your Message";
        QTest::newRow("message initial text passes")
            << with([](auto& e) { e.MessageText = QString::fromLatin1(ReferralBoxes[2].initialText); }) << QString();
        QTest::newRow("friend name placeholder")
            << with([](auto& e) { e.FriendName = QStringLiteral("Friend's Name"); })
            << "Please Enter Your Friend's Name";
        QTest::newRow("placeholder is case-sensitive")
            << with([](auto& e) { e.FriendName = QStringLiteral("friend's name"); }) << QString();
        QTest::newRow("complete") << complete() << QString();
    }

    void checks()
    {
        QFETCH(ReferralFields, entries);
        QFETCH(QString, message);
        m_module->submitReferral(texts(entries));
        if (message.isEmpty()) {
            QVERIFY2(m_fixture->fakes.messages.shown.empty(), qPrintable(m_fixture->fakes.messages.texts().join(u'|')));
            QCOMPARE(m_fixture->fakes.browser.opened.size(), 1);
            QCOMPARE(m_fixture->fakes.browser.opened.front(), m_module->ReferralUrl);
        } else {
            QCOMPARE(m_fixture->fakes.messages.texts(), QStringList {message});
            QCOMPARE(m_fixture->fakes.messages.shown.front().icon, MessageService::Icon::Critical);
            QCOMPARE(m_fixture->fakes.messages.shown.front().buttons, MessageService::Buttons::Ok);
            QVERIFY(m_fixture->fakes.browser.opened.isEmpty());
        }
    }

    void fieldsHoldTheTrimmedEntriesEvenOnRefusal()
    {
        ReferralFields entries = untouched();
        entries.SenderName = QStringLiteral("  Ann Lee  ");
        entries.FriendEmail = QStringLiteral(" \tb@c ");
        m_module->submitReferral(texts(entries));
        QCOMPARE(m_module->SenderName, QStringLiteral("Ann Lee"));
        QCOMPARE(m_module->FriendEmail, QStringLiteral("\tb@c"));
        QCOMPARE(m_module->MessageText, QStringLiteral("Your Message\r\n"));
    }

    void requestDecodesToTheExactEntries_data()
    {
        // Each box gets the text with "{}" replaced by its parameter: distinct addresses.
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "Ann {} a@b.c";
        QTest::newRow("query characters") << "Tom & Jerry=1 {} t+j@x.y 50% off #1? a+b=c&d Ann/Lee";
        QTest::newRow("line breaks and tabs") << "A\tB {}\r\nHi a@b.c";
        QTest::newRow("beyond ascii") << "Zoë Ångström {} z@ë.se Grüße 😀 ’";
        QTest::newRow("inner blanks kept, outer dropped") << "  Ann  Lee {} a@b.c ";
    }

    void requestDecodesToTheExactEntries()
    {
        QFETCH(QString, text);
        ReferralFields entries;
        for (const ReferralBox& box : ReferralBoxes)
            entries.*box.field = QString(text).replace(QStringLiteral("{}"), QLatin1String(box.parameter));
        m_module->submitReferral(texts(entries));
        QCOMPARE(m_fixture->fakes.browser.opened.size(), 1);
        const QString address = m_fixture->fakes.browser.opened.front();

        const QString prefix = PageAddress(QStringLiteral("telvo-refer-a-friend")) + QLatin1Char('&');
        QVERIFY(address.startsWith(prefix));
        for (const QChar ch : address.mid(prefix.size())) {
            const bool unreserved = (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z')
                || (ch >= u'0' && ch <= u'9') || QStringLiteral("-._~%&=").contains(ch);
            QVERIFY2(unreserved, qPrintable(address));
        }
        QList<std::pair<QString, QString>> expected {{QStringLiteral("page"), QStringLiteral("telvo-refer-a-friend")}};
        for (const ReferralBox& box : ReferralBoxes)
            expected.append({QLatin1String(box.parameter), trimBlanks(entries.*box.field)});
        expected.append({QStringLiteral("taf6"), ProductFolder()});
        QCOMPARE(decodedQuery(address), expected);
    }

    void encodingOfSpecialCharacters()
    {
        const QString address = buildReferralUrl({.SenderName = QStringLiteral("a b"),
                                                  .SenderEmail = QStringLiteral("+"),
                                                  .MessageText = QStringLiteral("x\r\ny"),
                                                  .FriendName = QStringLiteral("#"),
                                                  .FriendEmail = QStringLiteral("&=")});
        QVERIFY(address.contains(QStringLiteral("&taf1=a%20b&taf2=%2B&taf3=x%0D%0Ay&taf4=%23&taf5=%26%3D&taf6=")));
    }

    void placeholders_data()
    {
        QTest::addColumn<int>("box"); // in ReferralBoxes
        columns<QString, QString, QString>({"text", "afterFocusIn", "afterFocusOut"});

        // clang-format off
        QTest::newRow("placeholder cleared") << 0 << "Your Name" << "" << "Your Name";
        QTest::newRow("placeholder with blanks") << 1 << " Your Email Address  " << "" << " Your Email Address  ";
        QTest::newRow("other text kept") << 3 << "Bob" << "Bob" << "Bob";
        QTest::newRow("blanks only") << 3 << "   " << "   " << "Friend's Name";
        QTest::newRow("empty") << 4 << "" << "" << "Friend's Email Address";
        QTest::newRow("message initial text stays") << 2 << "Your Message\r\n" << "Your Message\r\n" << "Your Message\r\n";
        QTest::newRow("message line break only") << 2 << "\r\n" << "\r\n" << "\r\n";
        QTest::newRow("case-sensitive") << 0 << "your name" << "your name" << "your name";
        // clang-format on
    }

    void placeholders()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(QString, afterFocusIn);
        QFETCH(QString, afterFocusOut);
        QCOMPARE(textOnFocusIn(ReferralBoxes[box], text), afterFocusIn);
        QCOMPARE(textOnFocusOut(ReferralBoxes[box], text), afterFocusOut);
    }

private:
    std::unique_ptr<HelpFixture> m_fixture;
    std::unique_ptr<modTellAFriend> m_module;
};

QTEST_MAIN(TestModTellAFriend)
#include "tst_modtellafriend.moc"
