#include "core/crash/SignalSafeText.h"

#include <QDateTime>
#include <QString>

#include <gtest/gtest.h>

#include <climits>

namespace
{
QString Text(const SignalSafeText& text)
{
    return QString::fromUtf8(text.Data(), static_cast<qsizetype>(text.Length()));
}
}

TEST(SignalSafeTextTest, NumbersAndAddresses)
{
    char buffer[128];
    SignalSafeText text(buffer, sizeof buffer);
    text.AppendUnsigned(0);
    text.Append(" ");
    text.AppendUnsigned(7, 3);
    text.Append(" ");
    text.AppendUnsigned(UINT64_MAX);
    text.Append(" ");
    text.AppendSigned(INT64_MIN);
    text.Append(" ");
    text.AppendHex(0);
    text.Append(" ");
    text.AppendHex(0xdeadbeef);
    EXPECT_EQ(Text(text), QStringLiteral("0 007 18446744073709551615 -9223372036854775808 0x0 0xdeadbeef"));
}

TEST(SignalSafeTextTest, UtcTimesMatchTheCalendar)
{
    const qint64 seconds[] = {0, 951782400 /* 2000-02-29 */, 1700000000, 2147483648LL /* 2038 */, 4102444799LL, -1, -86401};
    for (qint64 value : seconds)
    {
        char buffer[64];
        SignalSafeText full(buffer, sizeof buffer);
        full.AppendUtcTime(value, false);
        const QDateTime expected = QDateTime::fromSecsSinceEpoch(value, Qt::UTC);
        EXPECT_EQ(Text(full), expected.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))) << value;

        char compactBuffer[64];
        SignalSafeText compact(compactBuffer, sizeof compactBuffer);
        compact.AppendUtcTime(value, true);
        EXPECT_EQ(Text(compact), expected.toString(QStringLiteral("yyyyMMdd-HHmmss"))) << value;
    }
}

TEST(SignalSafeTextTest, WhatDoesNotFitIsCutAndTheTextStaysTerminated)
{
    char buffer[6];
    SignalSafeText text(buffer, sizeof buffer);
    text.Append("abc");
    text.AppendUnsigned(12345);
    EXPECT_EQ(text.Length(), 5u);
    EXPECT_STREQ(buffer, "abc12");
}
