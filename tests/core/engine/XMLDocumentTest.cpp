#include "core/engine/InvalidArgException.h"
#include "core/engine/XMLDocument.h"
#include "core/engine/XMLElement.h"
#include "core/engine/XMLNodesList.h"

#include <gtest/gtest.h>

namespace
{
const QString kAnswer = QStringLiteral(
    "<user><id>17</id><settings><mail>a@b.pl</mail><phone/></settings>"
    "<alerts><alert><name>Kupno</name></alert><alert><name>Sprzedaż</name></alert></alerts></user>");
}

TEST(XMLDocumentTest, MalformedTextGivesNothingAndEmptiesTheDocument)
{
    XMLDocument document;
    ASSERT_NE(document.LoadXml(kAnswer), nullptr);
    for (const QString& bad : {QStringLiteral("<a><b></a>"), QStringLiteral(""), QStringLiteral("tekst")})
    {
        EXPECT_EQ(document.LoadXml(bad), nullptr) << bad.toStdString();
        EXPECT_THROW(document.GetDocumentElement(), InvalidArgException);
        EXPECT_THROW(document.GetXml(), InvalidArgException);
    }
}

TEST(XMLDocumentTest, ElementsAreFoundAmongAllDescendants)
{
    XMLDocument document;
    const std::shared_ptr<XMLElement> root = document.LoadXml(kAnswer);
    ASSERT_NE(root, nullptr);

    const std::shared_ptr<XMLElement> mail = root->GetElement(QStringLiteral("mail"), false);
    EXPECT_EQ(mail->GetText(), QStringLiteral("a@b.pl"));
    EXPECT_EQ(root->GetElement(QStringLiteral("missing"), true), nullptr);
    EXPECT_THROW(root->GetElement(QStringLiteral("missing"), false), InvalidArgException);

    const std::shared_ptr<XMLNodesList> names = root->GetElementsByTagName(QStringLiteral("name"));
    ASSERT_EQ(names->GetLength(), 2);
    EXPECT_EQ(names->GetItem(1)->GetText(), QStringLiteral("Sprzedaż"));
    EXPECT_THROW(names->GetItem(2), InvalidArgException);
    EXPECT_THROW(names->GetItem(-1), InvalidArgException);
    EXPECT_EQ(root->GetElement(QStringLiteral("alerts"), false)->GetText(), QStringLiteral("KupnoSprzedaż"));
}

TEST(XMLDocumentTest, ChildNodesCountTextButOnlyElementsAreItems)
{
    XMLDocument document;
    const std::shared_ptr<XMLElement> root = document.LoadXml(QStringLiteral("<a>tekst<b/></a>"));
    const std::shared_ptr<XMLNodesList> children = root->GetChildNodes();
    ASSERT_EQ(children->GetLength(), 2);
    EXPECT_THROW(children->GetItem(0), InvalidArgException);
    EXPECT_EQ(children->GetItem(1)->GetXml(), QStringLiteral("<b/>"));
}

TEST(XMLDocumentTest, BuiltDocumentGivesCompactEscapedXmlAndOutlivesItsDocument)
{
    std::shared_ptr<XMLElement> root;
    {
        XMLDocument document;
        root = document.CreateElement(QStringLiteral("alertdefinition"));
        document.AppendChild(root);
        std::shared_ptr<XMLElement> name = document.CreateElement(QStringLiteral("name"));
        root->AppendChild(name);
        name->SetText(QStringLiteral("old"));
        name->SetText(QStringLiteral("a<b&c \"d\""));
        root->AppendChild(document.CreateElement(QStringLiteral("value")));
        EXPECT_EQ(document.GetXml(), QStringLiteral("<alertdefinition><name>a&lt;b&amp;c \"d\"</name><value/></alertdefinition>"));
        EXPECT_THROW(document.AppendChild(document.CreateElement(QStringLiteral("second"))), InvalidArgException);
    }
    EXPECT_EQ(root->GetElement(QStringLiteral("name"), false)->GetText(), QStringLiteral("a<b&c \"d\""));
}

TEST(XMLDocumentTest, BadArgumentsThrow)
{
    XMLDocument document;
    const std::shared_ptr<XMLElement> root = document.CreateElement(QStringLiteral("root"));
    const std::shared_ptr<XMLElement> child = document.CreateElement(QStringLiteral("child"));
    root->AppendChild(child);
    XMLElement none{QDomElement()};
    XMLDocument other;

    EXPECT_THROW(document.AppendChild(nullptr), InvalidArgException);
    EXPECT_THROW(root->AppendChild(nullptr), InvalidArgException);
    EXPECT_THROW(root->AppendChild(std::make_shared<XMLElement>(QDomElement())), InvalidArgException);
    EXPECT_THROW(root->AppendChild(other.CreateElement(QStringLiteral("foreign"))), InvalidArgException);
    EXPECT_THROW(child->AppendChild(root), InvalidArgException);
    EXPECT_THROW(root->AppendChild(root), InvalidArgException);
    EXPECT_THROW(document.CreateElement(QStringLiteral("1 bad")), InvalidArgException);
    EXPECT_THROW(none.GetText(), InvalidArgException);
    EXPECT_THROW(none.SetText(QStringLiteral("x")), InvalidArgException);
    EXPECT_THROW(none.GetXml(), InvalidArgException);
    EXPECT_THROW(none.GetChildNodes(), InvalidArgException);
    EXPECT_THROW(none.GetElement(QStringLiteral("x"), true), InvalidArgException);
}
