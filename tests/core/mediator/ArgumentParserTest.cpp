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

TEST_F(ArgumentParserTest, TheOneArgumentOpensAsADesktopFirstThenAsAWindowFile)
{
    MakeInitialised();
    ArgumentParser parser;
    const struct
    {
        QStringList arguments;
        QStringList events;
    } cases[] = {
        {{QStringLiteral("/d/a.q4s")}, {QStringLiteral("Frame:LoadSession(/d/a.q4s)")}},
        {{QStringLiteral("/d/a.q4c")}, {QStringLiteral("Chart:Open(/d/a.q4c)")}},
        {{QStringLiteral("--extended")}, {}},
        {{QStringLiteral("/d/a.q4c"), QStringLiteral("/d/b.q4c")}, {}},
        {{}, {}},
    };
    for (const auto& testCase : cases)
    {
        EXPECT_TRUE(parser.OpenCommandLineFile(testCase.arguments, *mediator));
        EXPECT_EQ(TakePluginEvents(), testCase.events) << testCase.arguments.join(QLatin1Char('|')).toStdString();
    }
}
