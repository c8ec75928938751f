#include "workspace/engine/SafeFileName.h"

#include <gtest/gtest.h>

TEST(SafeFileNameTest, OrdinaryNamesStayAndOthersBecomeOneFileName)
{
    struct Case
    {
        QString name;
        QString stem;
    };
    const Case cases[] = {
        {QStringLiteral("Tabela 1"), QStringLiteral("Tabela 1")},
        {QStringLiteral("Wykres KGHM (dzienny) 100%"), QStringLiteral("Wykres KGHM (dzienny) 100%")},
        {QStringLiteral("Zażółć gęślą jaźń"), QStringLiteral("Zażółć gęślą jaźń")},
        {QStringLiteral(".ukryty..plik."), QStringLiteral(".ukryty..plik.")},
        {QStringLiteral("../../.bashrc"), QStringLiteral("..%2F..%2F.bashrc")},
        {QStringLiteral("a\\b:c"), QStringLiteral("a%5Cb%3Ac")},
        {QStringLiteral("linia\nnowa\t"), QStringLiteral("linia%0Anowa%09")},
        {QStringLiteral(".."), QStringLiteral("%2E%2E")},
        {QStringLiteral("."), QStringLiteral("%2E")},
        {QString(), QStringLiteral("_")},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(SafeFileName::Stem(c.name), c.stem) << c.name.toStdString();
        EXPECT_EQ(SafeFileName::IsSafeStem(c.name), c.name == c.stem) << c.name.toStdString();
        EXPECT_TRUE(SafeFileName::IsSafeStem(c.stem)) << c.stem.toStdString();
    }
}

TEST(SafeFileNameTest, LongNamesAreCutAtACharacterWithinTheFileNameLength)
{
    // 'ą' takes two bytes and the emoji four: the cut falls before the character that does not fit.
    const QString polish = QString(150, QChar(0x0105));
    const QString emoji = QString(QStringLiteral("a")) + QString::fromUtf8("\xF0\x9F\x93\x88").repeated(60);
    for (const QString& name : {polish, emoji})
    {
        const QString stem = SafeFileName::Stem(name);
        EXPECT_LE(stem.toUtf8().size(), SafeFileName::kMaxStemBytes);
        EXPECT_GE(stem.toUtf8().size(), SafeFileName::kMaxStemBytes - 3);
        EXPECT_TRUE(name.startsWith(stem));
        EXPECT_FALSE(stem.back().isHighSurrogate());
        EXPECT_FALSE(SafeFileName::IsSafeStem(name));
        EXPECT_TRUE(SafeFileName::IsSafeStem(stem));
    }
}

TEST(SafeFileNameTest, UniqueStemsCountUpAndStaySafe)
{
    std::set<QString> used;
    EXPECT_EQ(SafeFileName::UniqueStem(QStringLiteral("Tabela"), used), QStringLiteral("Tabela"));
    EXPECT_EQ(SafeFileName::UniqueStem(QStringLiteral("Tabela"), used), QStringLiteral("Tabela (1)"));
    EXPECT_EQ(SafeFileName::UniqueStem(QStringLiteral("Tabela"), used), QStringLiteral("Tabela (2)"));
    // Different names that make one stem get apart too.
    EXPECT_EQ(SafeFileName::UniqueStem(QStringLiteral("a/b"), used), QStringLiteral("a%2Fb"));
    EXPECT_EQ(SafeFileName::UniqueStem(QStringLiteral("a%2Fb"), used), QStringLiteral("a%2Fb (1)"));

    const QString longName(300, QLatin1Char('x'));
    const QString first = SafeFileName::UniqueStem(longName, used);
    const QString second = SafeFileName::UniqueStem(longName, used);
    EXPECT_NE(first, second);
    EXPECT_TRUE(second.endsWith(QStringLiteral(" (1)")));
    EXPECT_TRUE(SafeFileName::IsSafeStem(second));
}
