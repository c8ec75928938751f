#include "platform/modules/AlertExprArgDesc.h"
#include "platform/settings/Settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
AlertExprArgDesc Session(std::uint32_t id, const QString& name = QStringLiteral("Liczba"))
{
    return AlertExprArgDesc(QStringLiteral("SessionStatistics"), id, name, QStringLiteral("opis"));
}

AlertExprArgDesc Chart(std::uint32_t request, std::uint32_t series, const QString& instrument)
{
    return AlertExprArgDesc::SeriesBased(QStringLiteral("Chart"), request, series, instrument, QStringLiteral("Kurs"),
                                         QStringLiteral("zamknięcie"));
}
}

TEST(AlertExprArgDescTest, IdentityIsSourceIdsSeriesAndInstrumentNotTheTexts)
{
    EXPECT_FALSE(AlertExprArgDesc().IsValid());
    EXPECT_EQ(AlertExprArgDesc(), AlertExprArgDesc());
    EXPECT_TRUE(Session(1).IsValid());
    EXPECT_EQ(Session(1), Session(1, QStringLiteral("inna nazwa")));
    EXPECT_EQ(Session(1).Hash(), Session(1, QStringLiteral("inna nazwa")).Hash());
    // An assigned descriptor hashes as the one it copies, even one that held other texts.
    const AlertExprArgDesc session = Session(1);
    AlertExprArgDesc assigned = Chart(1, 1, QStringLiteral("KGHM"));
    assigned = session;
    EXPECT_EQ(assigned.Hash(), session.Hash());

    const std::vector<AlertExprArgDesc> distinct{
        AlertExprArgDesc(),
        Session(1),
        Session(2),
        AlertExprArgDesc(QStringLiteral("Arkusz zlecen"), 1, QStringLiteral("Cena"), QStringLiteral("opis")),
        Chart(1, 1, QStringLiteral("KGHM")),
        Chart(1, 1, QStringLiteral("PKOBP")),
        Chart(1, 2, QStringLiteral("KGHM")),
        Chart(2, 1, QStringLiteral("KGHM")),
    };
    for (std::size_t i = 0; i < distinct.size(); ++i)
    {
        for (std::size_t j = 0; j < distinct.size(); ++j)
        {
            SCOPED_TRACE(testing::Message() << i << " " << j);
            EXPECT_EQ(distinct[i] == distinct[j], i == j);
            // A strict order: exactly one of <, > or equal.
            const int relations = int(distinct[i] < distinct[j]) + int(distinct[j] < distinct[i]) + int(i == j);
            EXPECT_EQ(relations, 1);
        }
    }
}

TEST(AlertExprArgDescTest, MovingToAnotherRequestKeepsTheSeries)
{
    const AlertExprArgDesc before = Chart(100, 7, QStringLiteral("KGHM"));
    AlertExprArgDesc after = before;
    after.SetSeriesBasedArgumentSourceID(200, before.GetExtendedArgumentSourceID());
    EXPECT_NE(after, before);
    EXPECT_TRUE(after.IsSameSeries(before));
    EXPECT_EQ(after.GetBaseArgumentSourceID(), 200u);
    EXPECT_EQ(after.GetArgumentName(), QStringLiteral("Kurs"));
    EXPECT_FALSE(Chart(100, 7, QStringLiteral("PKOBP")).IsSameSeries(before));
    EXPECT_FALSE(Session(7).IsSeriesBased());
    EXPECT_EQ(Session(7).GetExtendedArgumentSourceID(), 7u);
}

TEST(AlertExprArgDescTest, ListedFlagFollowsTheInstrumentList)
{
    QStringList listed{QStringLiteral("PKOBP"), QStringLiteral("KGHM"), QStringLiteral("CDR")};
    std::sort(listed.begin(), listed.end());
    AlertExprArgDesc quoted = Chart(1, 1, QStringLiteral("KGHM"));
    AlertExprArgDesc delisted = Chart(1, 1, QStringLiteral("ZZZ"));
    AlertExprArgDesc session = Session(1);
    for (AlertExprArgDesc* descriptor : {&quoted, &delisted, &session})
        descriptor->CheckListed(&listed);
    EXPECT_TRUE(quoted.GetAlertNameValid());
    EXPECT_FALSE(delisted.GetAlertNameValid());
    EXPECT_TRUE(session.GetAlertNameValid());
    delisted.CheckListed(nullptr);
    EXPECT_TRUE(delisted.GetAlertNameValid());
}

TEST(AlertExprArgDescTest, NodeRoundTripAndTheInstrumentGivenForAMissingOne)
{
    const AlertExprArgDesc chart = Chart(100, 7, QStringLiteral("KGHM"));
    Settings node;
    ASSERT_TRUE(chart.Serialize(node));
    EXPECT_FALSE(AlertExprArgDesc().Serialize(node["empty"]));

    AlertExprArgDesc read;
    const QStringList listed{QStringLiteral("CDR")};
    ASSERT_TRUE(read.Unserialize(node, QString(), &listed));
    EXPECT_EQ(read, chart);
    EXPECT_TRUE(read.IsSeriesBased());
    EXPECT_EQ(read.GetArgumentDescription(), QStringLiteral("zamknięcie"));
    EXPECT_FALSE(read.GetAlertNameValid());

    Settings session;
    Session(21).Serialize(session);
    session.DetachNamedNode(QStringLiteral("Instrument"));
    ASSERT_TRUE(read.Unserialize(session, QStringLiteral("CDR"), &listed));
    EXPECT_EQ(read.GetInstrument(), QStringLiteral("CDR"));
    EXPECT_TRUE(read.GetAlertNameValid());

    EXPECT_FALSE(read.Unserialize(Settings(), QString(), nullptr));
    EXPECT_EQ(read.GetBaseArgumentSourceID(), 21u);
}
