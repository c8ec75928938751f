#include "platform/settings/MarkupReader.h"

#include <gtest/gtest.h>

namespace
{
// Reads the whole document; the value of attribute "v" of the first child, or nullopt when
// the document is refused.
std::optional<QString> FirstChildValue(const QString& document)
{
    MarkupReader reader(document, 8);
    std::optional<QString> value;
    for (int step = 0;; ++step)
    {
        const MarkupReader::Token token = reader.Next();
        if (token == MarkupReader::Token::Error)
            return std::nullopt;
        if (token == MarkupReader::Token::Start && step == 1)
        {
            value = QString();
            for (const MarkupReader::Attribute& attribute : reader.Attributes())
                if (attribute.name == u"v")
                    value = attribute.value;
        }
        if (token == MarkupReader::Token::End && reader.Depth() == 0)
            return value ? value : QString();
    }
}
}

TEST(MarkupReaderTest, AcceptsWellFormedSettingsXml)
{
    const struct
    {
        const char* document;
        const char* value;
    } cases[] = {
        {R"(<?xml version="1.0"?><S><n v="a"/></S>)", "a"},
        {"<S>\r\n  <!-- comment -->\r\n  <n  v = 'single \"quoted\"' ></n >\r\n</S>\r\n<!-- after -->\n", "single \"quoted\""},
        {R"(<S><n v="&lt;&gt;&amp;&quot;&apos;&#65;&#x42;&#x1F4C8;"/></S>)", "<>&\"'AB\xF0\x9F\x93\x88"},
        {"<S><n v=\"a\tb\r\nc\nd\"/></S>", "a b c d"},
        {R"(<S><n v="&#9;&#10;&#13;"/></S>)", "\t\n\r"},
        {R"(<S><?pi data?><n v="zażółć"/></S>)", "zażółć"},
        {R"(<S><n/></S>)", ""},
    };
    for (const auto& c : cases)
    {
        const std::optional<QString> value = FirstChildValue(QString::fromUtf8(c.document));
        ASSERT_TRUE(value) << c.document;
        EXPECT_EQ(*value, QString::fromUtf8(c.value)) << c.document;
    }
}

TEST(MarkupReaderTest, RefusesEverythingElse)
{
    const char* const cases[] = {
        "",
        "   ",
        "<S>",
        "<S><n v=\"a\"/>",
        "<S></T>",
        "<S><n></S></n>",
        "<S/><S/>",
        "<S/>text",
        "<S>text</S>",
        "<S><![CDATA[x]]></S>",
        "<!DOCTYPE S><S/>",
        "<S><n v=\"a\" v=\"b\"/></S>",
        "<S><n v=\"a\"w=\"b\"/></S>",
        "<S><n v=a/></S>",
        "<S><n v=\"a</S>",
        "<S><n v=\"<\"/></S>",
        "<S><n v=\"&nbsp;\"/></S>",
        "<S><n v=\"&#0;\"/></S>",
        "<S><n v=\"&#xD800;\"/></S>",
        "<S><n v=\"&#x110000;\"/></S>",
        "<S><n v=\"&#x;\"/></S>",
        "<S><n v=\"&#-1;\"/></S>",
        "<S><n v=\"&amp\"/></S>",
        "<S><n v=\"\x01\"/></S>",
        "<S><1n/></S>",
        "<S><n/ ></S>",
        "<S><!-- open",
        "<S><u><u><u><u><u><u><u><u></u></u></u></u></u></u></u></u></S>",
    };
    for (const char* document : cases)
        EXPECT_FALSE(FirstChildValue(QString::fromUtf8(document))) << document;

    const QString loneSurrogate = QStringLiteral("<S><n v=\"") + QChar(0xDC00) + QStringLiteral("\"/></S>");
    EXPECT_FALSE(FirstChildValue(loneSurrogate));
}

TEST(MarkupReaderTest, ErrorTellsWhere)
{
    MarkupReader reader(u"<S>\n  <n>\n</S>", 8);
    while (reader.Next() != MarkupReader::Token::Error)
    {
    }
    EXPECT_TRUE(reader.Error().contains(QStringLiteral("wiersz 3"))) << reader.Error().toStdString();
}
