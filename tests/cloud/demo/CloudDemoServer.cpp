// A cloud server to run the program against on this machine: the tests' loopback server with a
// user "jan" (password "tajne") whose one cloud alert watches an instrument of the simulated
// market: buy when its price falls below a level, sell when it rises above it, popup window on. It prints its REST address and the
// requests it answers, and runs until it is interrupted. With --account it also enters itself as
// the cloud account of "Kelvora OnLine" in this user's settings (as the provider's configuration
// dialog would), taken at the program's next start.
//
//   cloud_demo_server [--account] <ticker or ISIN> <level> [alert name]

#include "platform/settings/Settings.h"
#include "platform/settings/SettingsManager.h"
#include "providers/simfeed/SimCatalogue.h"
#include "providers/simfeed/SimFeedOptions.h"
#include "tests/cloud/LoopbackHttpServer.h"

#include <QString>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace
{
QByteArray Response(const QString& content)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><response>%1</response>").arg(content).toUtf8();
}

QByteArray AlertList(const QString& isin, double level, const QString& name)
{
    const QString value = QString::number(level, 'f', 6);
    // Operators as they travel: 0 is "<", 1 is ">".
    return Response(QStringLiteral("<alertdefinition><alert><id>1</id><uniqueid>0123456789ABCDEF0123456789ABCDEF</uniqueid>"
                                   "<name>%1</name><isin>%2</isin><status>10</status><status2>1</status2>"
                                   "<start_from_side>78</start_from_side>"
                                   "<buy_item_type>1</buy_item_type><buy_operator>0</buy_operator><buy_value>%3</buy_value>"
                                   "<sell_item_type>1</sell_item_type><sell_operator>1</sell_operator><sell_value>%3</sell_value>"
                                   "<notifications>64</notifications><once>0</once></alert></alertdefinition>")
                        .arg(name.toHtmlEscaped(), isin.toHtmlEscaped(), value));
}

bool WriteAccount(const QString& address)
{
    SettingsManager store(QStringLiteral("Kelvora OnLine"));
    Settings& feed = *store.GetSettings(SimFeedOptions::kTreeName, true);
    SimFeedOptions options = SimFeedOptions::FromSettings(feed);
    options.cloudAddress = address;
    options.cloudLogin = QStringLiteral("jan");
    options.cloudPassword = QStringLiteral("tajne");
    options.ToSettings(feed);
    return store.Save(SimFeedOptions::kTreeName);
}
}

int main(int argc, char** argv)
{
    const bool account = argc > 1 && std::strcmp(argv[1], "--account") == 0;
    if (account)
    {
        --argc;
        ++argv;
    }
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: cloud_demo_server [--account] <ticker or ISIN> <level> [alert name]\n");
        return 2;
    }
    QString isin = QString::fromLocal8Bit(argv[1]);
    for (const SimInstrument& instrument : SimCatalogue::Instruments())
        if (instrument.ticker == isin)
            isin = instrument.isin;
    bool isNumber = false;
    const double level = QString::fromLocal8Bit(argv[2]).toDouble(&isNumber);
    if (!isNumber)
    {
        std::fprintf(stderr, "not a price level: %s\n", argv[2]);
        return 2;
    }
    const QString name = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("Poziom %1").arg(argv[2]);

    // Blocked before the server's thread starts, so that only sigwait takes them.
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);

    LoopbackHttpServer server([&](const LoopbackHttpServer::Request& request) {
        std::printf("%s %s\n", request.method.constData(), request.target.constData());
        std::fflush(stdout);
        LoopbackHttpServer::Reply reply;
        const bool signedIn = (request.user == QLatin1String("jan") && request.password == QLatin1String("tajne"))
                              || (request.user == QLatin1String("_token") && request.password == QLatin1String("T1"));
        if (!signedIn)
            reply.status = 401;
        else if (request.target.startsWith("/rest/user.xml"))
            reply.body = Response(QStringLiteral("<user><id>77</id><login>jan</login><default_notifications>64"
                                                 "</default_notifications></user>"));
        else if (request.target == "/rest/token/.xml")
            reply.body = Response(QStringLiteral("<token>T1</token>"));
        else if (request.target.startsWith("/rest/alertdefinition.xml"))
            reply.body = AlertList(isin, level, name);
        else if (request.target.startsWith("/rest/alertevent.xml"))
            reply.body = Response(QStringLiteral("<alertevent/>"));
        else
            reply.status = 204;
        return reply;
    });
    if (!server.IsListening())
    {
        std::fprintf(stderr, "the server does not listen\n");
        return 1;
    }
    if (account && !WriteAccount(server.BaseUrl()))
    {
        std::fprintf(stderr, "the cloud account was not written\n");
        return 1;
    }
    std::printf("%s\n", server.BaseUrl().toUtf8().constData());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stop, &signal);
    return 0;
}
