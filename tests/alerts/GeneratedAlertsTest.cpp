#include "AlertsFixture.h"
#include "SmtpSink.h"

#include "alerts/engine/AlertLog.h"
#include "alerts/engine/AlertTexts.h"
#include "platform/modules/AlertExprArgValue.h"

#include <QJsonArray>

#include <thread>

namespace
{
class GeneratedAlertsTest : public AlertsFixture
{
protected:
    // A buy side that holds above the level, announced as the flags say.
    std::uint32_t AddBuyAlert(const QString& name, const AlertExprArgDesc& argument, double above, bool window,
                              bool sound, bool mail)
    {
        auto alert = NewAlert(name);
        alert->BuySide().SetSideEnabled(true);
        AddExpr(alert->BuySide(), argument, eCmpGreater, above);
        alert->SetAssociatedArg(argument);
        alert->Properties().SetWindow(window);
        alert->Properties().SetSound(sound);
        alert->Properties().SetMail(mail);
        return module.AddAlert(alert);
    }

    // As a source delivers it: from a thread of its own, through the module's interface.
    void DeliverFromSource(const AlertExprArgDesc& argument, double value, const OleDate& time)
    {
        IAlertModule& face = module;
        std::thread([&face, &argument, value, time] { face.OnUpdateArgValue(argument, AlertExprArgValue(value, 2, time)); })
            .join();
    }

    void UseMailServer(int port, const QString& password = QString())
    {
        AlertsGeneralSettingsValues settings;
        settings.destinationAddress = QStringLiteral("inwestor@example.com");
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = port;
        settings.user = QStringLiteral("alerty@example.com");
        settings.password = password;
        settings.buySound = QStringLiteral("/dzwieki/buy.wav");
        settings.sellSound = QStringLiteral("/dzwieki/sell.wav");
        mediator.SetNotificationSettings(settings);
        module.SetupMailSender();
    }

    static int Occurrences(const QString& text, const QString& part) { return static_cast<int>(text.count(part)); }
};
}

TEST_F(GeneratedAlertsTest, AFiredAlertReachesTheHistoryTheLogThePopupTheSoundAndTheMailOnce)
{
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    Q4_SKIP_WHERE_THE_SMTP_SINK_CANNOT_RUN();
    SmtpSink sink;
    ASSERT_NE(sink.Port(), 0);
    UseMailServer(sink.Port());
    const std::uint32_t id = AddBuyAlert(QStringLiteral("Miedź"), Arg(1), 10, true, true, true);

    DeliverFromSource(Arg(1), 12.5, OleDate(QDate(2026, 12, 10), QTime(17, 5, 9)));
    ASSERT_TRUE(generator.WaitFor(1));
    const std::vector<QJsonObject> mails = sink.WaitForMails(1);
    ASSERT_TRUE(mediator.soundPlayer->WaitForPlayed(1));
    // Anything sent twice would have come by now.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    ASSERT_EQ(module.GetAlertsHistory().GetRowCount(), 1u);
    const auto row = module.GetAlertsHistory().GetRow(0);
    EXPECT_EQ(row->GetAlertId(), id);
    EXPECT_EQ(row->GetAlertType(), 1);
    EXPECT_EQ((QStringList{row->GetColumnText(0), row->GetColumnText(1), row->GetColumnText(2), row->GetColumnText(3)}),
              (QStringList{QStringLiteral("Miedź"), QStringLiteral("arg1"), QStringLiteral("12.50"), QStringLiteral("17:05:09")}));
    EXPECT_EQ(Occurrences(log.Text(), QStringLiteral("Alert lokalny generacja - Miedź")), 1);
    EXPECT_EQ(mediator.Popups(), QStringList{QStringLiteral("Miedź|arg1|12.50|1|0")});
    EXPECT_EQ(mediator.soundPlayer->Played(), QStringList{QStringLiteral("/dzwieki/buy.wav")});
    const std::vector<RecordingGenerator::Generated> broadcast = generator.Taken();
    ASSERT_EQ(broadcast.size(), 1u);
    EXPECT_EQ(broadcast[0].snapshots, 1u);

    ASSERT_EQ(sink.WaitForMails(1, std::chrono::milliseconds(0)).size(), 1u);
    EXPECT_EQ(mails[0].value(QStringLiteral("from")).toString(), QStringLiteral("alerty@example.com"));
    EXPECT_EQ(mails[0].value(QStringLiteral("to")).toArray(), QJsonArray{QStringLiteral("inwestor@example.com")});
    EXPECT_EQ(mails[0].value(QStringLiteral("subject")).toString(), QStringLiteral("Miedź(kupno): arg1 opis 1 = 12.50"));
    EXPECT_EQ(mails[0].value(QStringLiteral("body")).toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed(),
              QStringLiteral("Wygenerowano alert kupno\nAlert: Miedź\nInstrument: arg1\nopis 1: 12.50\n"
                             "Czas wygenerowania: 2026-12-10  17:05:09\nWygenerowano w programie Quorvanta4"));
}

TEST_F(GeneratedAlertsTest, WithoutChannelsTheAlertIsStillLoggedKeptAndBroadcastAndPkcShowsOnlyInThePopup)
{
    const LogCapture log;
    mediator.productKind = AlertLog::kLoggingProductKind;
    AddBuyAlert(QStringLiteral("cichy"), Arg(1), 10, false, false, false);
    AddBuyAlert(QStringLiteral("pkc"), Arg(2), -200, true, false, false);
    DeliverFromSource(Arg(1), 11, OleDate(44000.5));
    DeliverFromSource(Arg(2), -100.0, OleDate(44000.6));
    ASSERT_TRUE(generator.WaitFor(2));
    // The popup follows the broadcast.
    module.StopThreads();

    EXPECT_TRUE(log.Text().contains(QStringLiteral("Alert lokalny generacja - cichy")));
    ASSERT_EQ(module.GetAlertsHistory().GetRowCount(), 2u);
    EXPECT_EQ(module.GetAlertsHistory().GetRow(1)->GetName(), QStringLiteral("cichy"));
    // The newest first, and its value keeps its name also as the grid's display text.
    EXPECT_EQ(module.GetAlertsHistory().GetRow(0)->GetDisplayText(2), QStringLiteral("PKC"));
    EXPECT_EQ(mediator.Popups(), QStringList{QStringLiteral("pkc|arg2|PKC|1|0")});
    EXPECT_TRUE(mediator.soundPlayer->Played().isEmpty());
}

TEST_F(GeneratedAlertsTest, EverySourcesArgumentNameSaysWhatFiredInThePopupTheListsAndTheMail)
{
    // The names as the quote table, the orders sheet and the session statistics give them.
    struct Case
    {
        const char* source;
        const char* name;
        const char* description;
        const char* instrument;
    };
    const Case cases[] = {
        {"Tabela", "KLV Kurs", "w tabeli notowań", "KLV"},
        {"Arkusz zlecen", "KLV Cena zlecenia", "opis - Cena zlecenia", "KLV"},
        {"SessionStatistics", "Obroty instrumentów rosnących", "statystyka sesji", ""},
    };
    QStringList expectedPopups;
    std::uint32_t id = 1;
    for (const Case& c : cases)
    {
        const AlertExprArgDesc argument(kSource, id, QString::fromUtf8(c.name), QString::fromUtf8(c.description),
                                        QString::fromUtf8(c.instrument));
        const QString alertName = QStringLiteral("Alert (%1)").arg(id);
        const std::uint32_t alertId = AddBuyAlert(alertName, argument, 10, true, false, false);
        const std::optional<BLAlertsListGrid::RowInfo> row =
            module.GetAlertsListGrid().GetRowInfo(module.GetAlertsListGrid().GetRowIdxForAlert(alertName, IAlertListRow::kLocalRow));
        ASSERT_TRUE(row) << c.source;
        EXPECT_EQ(row->alertId, alertId);
        EXPECT_EQ(row->instrument, QString::fromUtf8(c.name)) << c.source;
        DeliverFromSource(argument, 48.34, OleDate(44000.5 + id));
        ASSERT_TRUE(generator.WaitFor(id)) << c.source;
        EXPECT_EQ(module.GetAlertsHistory().GetRow(0)->GetColumnText(1), QString::fromUtf8(c.name)) << c.source;
        EXPECT_EQ(AlertTexts::FormatAlertMailSubject(alertName, 1, argument, 48.34, 2),
                  QStringLiteral("%1(kupno): %2 %3 = 48.34").arg(alertName, QString::fromUtf8(c.name), QString::fromUtf8(c.description)))
            << c.source;
        expectedPopups << QStringLiteral("%1|%2|48.34|1|0").arg(alertName, QString::fromUtf8(c.name));
        ++id;
    }
    module.StopThreads();
    EXPECT_EQ(mediator.Popups(), expectedPopups);
}

TEST_F(GeneratedAlertsTest, AMailThatCannotBeSentIsLoggedWhileTheWorkerGoesOn)
{
    Q4_SKIP_WHERE_THE_SMTP_SINK_CANNOT_RUN();
    SmtpSink sink(QStringLiteral("alerty@example.com"), QStringLiteral("tajne"));
    ASSERT_NE(sink.Port(), 0);
    struct Case
    {
        const char* what;
        int port;
    } cases[] = {{"wrong password", sink.Port()}, {"nobody listens", 1}};
    std::uint32_t argument = 1;
    for (const Case& c : cases)
    {
        const LogCapture log;
        UseMailServer(c.port, QStringLiteral("zle-haslo"));
        const QString name = QString::fromUtf8(c.what);
        AddBuyAlert(name, Arg(argument), 10, false, false, true);
        AddBuyAlert(name + QStringLiteral(" bez maila"), Arg(argument + 1), 10, false, false, false);
        DeliverFromSource(Arg(argument), 11, OleDate(44000.5));
        DeliverFromSource(Arg(argument + 1), 11, OleDate(44000.5));
        // The second alert comes whatever the mail does.
        EXPECT_TRUE(generator.WaitFor(name + QStringLiteral(" bez maila"), 1)) << c.what;
        EXPECT_EQ(generator.Count(name), 1u) << c.what;
        EXPECT_TRUE(log.WaitFor(QStringLiteral("MailSenderThread::Execute"))) << c.what;
        EXPECT_TRUE(log.Text().contains(QStringLiteral("nie został wysłany"))) << c.what;
        EXPECT_FALSE(log.Text().contains(QStringLiteral("zle-haslo"))) << c.what;
        argument += 2;
    }
    EXPECT_EQ(module.GetAlertsHistory().GetRowCount(), 4u);
    EXPECT_TRUE(sink.WaitForMails(0).empty());
}
