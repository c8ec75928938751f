#include "alerts/engine/AlertTexts.h"
#include "platform/modules/AlertExprArgDesc.h"

#include <gtest/gtest.h>

TEST(AlertTextsTest, ValuesOperatorsAndInstrumentsAsTheGridsAndPopupsShowThem)
{
    struct ValueCase
    {
        double value;
        int precision;
        const char* shown;
        const char* mailed;
    } values[] = {
        {-100.0, 2, "PKC", "-100.00"}, {-20.0, 0, "PCR", "-20"},  {-20.5, 1, "-20.5", "-20.5"},
        {12.345, 2, "12.35", "12.35"}, {3.0, 0, "3", "3"},        {0.0, 3, "0.000", "0.000"},
    };
    for (const ValueCase& c : values)
    {
        EXPECT_EQ(AlertTexts::FormatAlertArgumentValue(c.value, c.precision), QString::fromUtf8(c.shown)) << c.value;
        EXPECT_EQ(AlertTexts::FormatNumber(c.value, c.precision), QString::fromUtf8(c.mailed)) << c.value;
    }

    const char* operators[] = {">", ">=", "<", "<=", "==", "<>", ""};
    for (std::uint32_t op = 0; op < 7; ++op)
        EXPECT_EQ(AlertTexts::CompareOperatorText(op), QString::fromUtf8(operators[op]));
    EXPECT_EQ(AlertTexts::CompareOperatorText(0xFFFFFFFF), QString());

    const QString note = QStringLiteral("  (Instrument nie jest już notowany na giełdzie)");
    EXPECT_EQ(AlertTexts::InstrumentColumnText(QStringLiteral("KGHM POLSKA MIEDZ SA"), true), QStringLiteral("KGHM POLSKA MIEDZ SA"));
    EXPECT_EQ(AlertTexts::InstrumentColumnText(QStringLiteral("KGHM POLSKA MIEDZ SA"), false),
              QStringLiteral("KGHM POLSKA MIED...") + note);
    EXPECT_EQ(AlertTexts::InstrumentColumnText(QStringLiteral("0123456789ABCDEF"), false), QStringLiteral("0123456789ABCDEF") + note);

    EXPECT_EQ(AlertTexts::SideWord(1), QStringLiteral("kupno"));
    EXPECT_EQ(AlertTexts::SideWord(0), QStringLiteral("sprzedaż"));
    EXPECT_EQ(AlertTexts::SideWord(2), QStringLiteral("sprzedaż"));
}

TEST(AlertTextsTest, MailSubjectAndBodyForAFixedTimeKeepTheNumberAndTakeUserTextLiterally)
{
    const AlertExprArgDesc argument(QStringLiteral("Src"), 1, QStringLiteral("KGHM %1 kurs"), QStringLiteral("ostatni %s"),
                                    QString());
    const OleDate time(QDate(2026, 3, 5), QTime(9, 4, 7));
    EXPECT_EQ(AlertTexts::FormatAlertMailSubject(QStringLiteral("Alert %d"), 1, argument, -100.0, 2),
              QStringLiteral("Alert %d(kupno): KGHM %1 kurs ostatni %s = -100.00"));
    EXPECT_EQ(AlertTexts::FormatAlertMailBody(QStringLiteral("Miedź"), 0, argument, 12.5, 1, time),
              QStringLiteral("Wygenerowano alert sprzedaż\nAlert: Miedź\nInstrument: KGHM %1 kurs\nostatni %s: 12.5\n"
                             "Czas wygenerowania: 2026-03-05  09:04:07\nWygenerowano w programie Quorvanta4"));
}
