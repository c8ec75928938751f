#include "core/mediator/ArgumentParser.h"
#include "tests/core/mediator/MediatorFixture.h"

class ArgumentParserTest : public MediatorFixture
{
};

TEST(ArgumentParserOptionsTest, ExtendedModeOnlyForTheExactSingleArgument)
{
    const struct
    {
        QStringList arguments;
        bool extended;
    } cases[] = {
        {{QStringLiteral("--extended")}, true},
        {{QStringLiteral("--Extended")}, false},
        {{QStringLiteral("--extended"), QStringLiteral("x")}, false},
        {{QStringLiteral("x"), QStringLiteral("--extended")}, false},
        {{QStringLiteral(" --extended")}, false},
        {{}, false},
    };
    for (const auto& testCase : cases)
    {
        bool extended = false;
        EXPECT_TRUE(ArgumentParser().ParseOptions(testCase.arguments, extended));
        EXPECT_EQ(extended, testCase.extended) << testCase.arguments.join(QLatin1Char('|')).toStdString();
    }
}

TEST_F(ArgumentParserTest, TheOneArgumentOpensAsADesktopAndOtherwiseAsAWindowFileOnceThePanelsAreThere)
{
    MakeInitialised();
    const struct
    {
        QStringList arguments;
        QStringList beforeSession;
        QStringList afterSession;
    } cases[] = {
        {{QStringLiteral("/d/a.q4s")}, {QStringLiteral("Frame:LoadSession(/d/a.q4s)")}, {}},
        {{QStringLiteral("/d/a.q4c")}, {}, {QStringLiteral("Chart:Open(/d/a.q4c)")}},
        {{QStringLiteral("--extended")}, {}, {}},
        {{QStringLiteral("/d/a.q4c"), QStringLiteral("/d/b.q4c")}, {}, {}},
        {{}, {}, {}},
    };
    for (const auto& testCase : cases)
    {
        ArgumentParser parser;
        const std::string name = testCase.arguments.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(parser.OpenCommandLineFile(testCase.arguments, *mediator));
        EXPECT_EQ(TakePluginEvents(), testCase.beforeSession) << name;
        EXPECT_TRUE(parser.OpenCommandLineWindowFile(testCase.arguments, *mediator));
        EXPECT_EQ(TakePluginEvents(), testCase.afterSession) << name;
    }
}

TEST_F(ArgumentParserTest, AWindowFileThatDoesNotOpenIsNamedInTheLog)
{
    MakeInitialised();
    ArgumentParser parser;
    const QStringList arguments{QStringLiteral("/d/nieznany.xyz")};
    EXPECT_TRUE(parser.OpenCommandLineFile(arguments, *mediator));
    EXPECT_TRUE(parser.OpenCommandLineWindowFile(arguments, *mediator));
    EXPECT_TRUE(folder.LogText().contains(QStringLiteral("Nie otwarto pliku \"/d/nieznany.xyz\" podanego w wierszu poleceń.")));
}
