#include "platform/ui/StringTable.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(StringTableTest, TextsSplitIntoDescriptionAndCaption)
{
    StringTable table;
    ASSERT_TRUE(table.Load("# komentarz\n"
                           "32989\tOtwiera nowy ekran\\nEkran\n"
                           "33919\tPrzywróć\\nPrzywróć\r\n"
                           "\n"
                           "33393\tUmożliwia zmianę stylu okna statystyki.\\n\\nStyl definiuje aspekty\\nStyl okna statystyki\n"
                           "33067\tPokazuje\\chowa górny panel okna statystyki.\\nAktywność\n"
                           "501\tOLE initialization failed.\n"
                           "149\t\\nQuorvanta4\\nQuorvanta 4\\n\\n\\nQuorvanta4.Document\\nQuorvanta 4.Document\n",
                           QStringLiteral("test")));

    struct Case
    {
        std::uint32_t id;
        const char* description;
        const char* caption;
    };
    const Case cases[] = {
        {32989, "Otwiera nowy ekran", "Ekran"},
        {33919, "Przywróć", "Przywróć"},
        {33393, "Umożliwia zmianę stylu okna statystyki.", "Styl okna statystyki"},
        // A backslash that starts no known escape stays in the text.
        {33067, "Pokazuje\\chowa górny panel okna statystyki.", "Aktywność"},
        {501, "OLE initialization failed.", ""},
        {7, "", ""},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(table.Description(c.id), QString::fromUtf8(c.description)) << c.id;
        EXPECT_EQ(table.Caption(c.id), QString::fromUtf8(c.caption)) << c.id;
    }
    EXPECT_EQ(table.Part(149, 1), QStringLiteral("Quorvanta4"));
    EXPECT_EQ(table.Part(149, 5), QStringLiteral("Quorvanta4.Document"));
    EXPECT_TRUE(table.Part(149, 9).isEmpty());
    EXPECT_FALSE(table.Contains(7));
}

TEST(StringTableTest, EscapesAreUndone)
{
    EXPECT_EQ(StringTable::Unescape(QStringLiteral("a\\nb\\tc\\\\n\\d\\")), QStringLiteral("a\nb\tc\\n\\d\\"));
}

TEST(StringTableTest, AFaultyTableAddsNothing)
{
    const char* faulty[] = {
        "1\tjeden\nbez tabulatora\n",
        "1\tjeden\nx2\tdwa\n",
        "1\tjeden\n1\tjeszcze raz\n",
        "-3\tujemny\n",
        "5\tjuż jest\n",
    };
    for (const char* text : faulty)
    {
        StringTable table;
        ASSERT_TRUE(table.Load("5\tpięć\n", QStringLiteral("first")));
        QString errorText;
        EXPECT_FALSE(table.Load(text, QStringLiteral("faulty"), &errorText)) << text;
        EXPECT_TRUE(errorText.startsWith(QStringLiteral("faulty:"))) << errorText.toStdString();
        EXPECT_FALSE(table.Contains(1)) << text;
        EXPECT_EQ(table.Get(5), QStringLiteral("pięć"));
    }
}

TEST(StringTableTest, TheProgramsTablesAreCompiledInAndSound)
{
    const QDir folder(QStringLiteral(":/resources"));
    const QStringList names = folder.entryList({QStringLiteral("strings*.pl.tsv")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    StringTable all;
    for (const QString& name : names)
    {
        QString errorText;
        EXPECT_TRUE(all.LoadFile(folder.filePath(name), &errorText)) << errorText.toStdString();
    }

    const StringTable& table = StringTable::Instance();
    EXPECT_EQ(table.Get(32989), QStringLiteral("Otwiera nowy ekran\nEkran"));
    EXPECT_EQ(table.Part(149, 2), QStringLiteral("Quorvanta 4"));
}
