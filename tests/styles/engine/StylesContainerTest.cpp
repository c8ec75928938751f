#include "StylesFixture.h"

#include "platform/settings/Settings.h"
#include "styles/engine/DefaultStyles.h"
#include "styles/engine/StyleChartWindow.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StylesContainer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{
class StylesContainerTest : public StylesFixture
{
protected:
    StylesContainer& container = StylesContainer::Instance();

    std::shared_ptr<StyleBase> Add(std::shared_ptr<StyleBase> style, const QString& name)
    {
        style->SetName(name);
        container.AddStyle(style);
        return style;
    }

    QStringList StyleFiles(const QString& folder) const
    {
        return QDir(folder).entryList({QStringLiteral("*.q4style")}, QDir::Files, QDir::Name);
    }
};
}

TEST_F(StylesContainerTest, FindsStylesByIdAndKindByNameAndByGuid)
{
    const auto table = Add(std::make_shared<StyleTable>(), QStringLiteral("Tabela"));
    const auto text = Add(std::make_shared<StyleTextField>(), QStringLiteral("Tekst"));

    EXPECT_GT(table->GetId(), 0);
    EXPECT_NE(table->GetId(), text->GetId());
    EXPECT_EQ(container.FindStyle(table->GetId(), StyleTable::Type), table);
    EXPECT_EQ(container.FindStyle(table->GetId(), StyleTextField::Type), nullptr);
    EXPECT_EQ(container.FindStyle(QStringLiteral("Tekst")), text->GetId());
    EXPECT_EQ(container.FindStyle(QStringLiteral("tekst")), 0);
    EXPECT_EQ(container.FindStyle(table->GetGuid()), table->GetId());
    EXPECT_EQ(container.FindStyleByGuidOrName(table->GetGuid().toString(QUuid::WithoutBraces)), table->GetId());
    EXPECT_EQ(container.FindStyleByGuidOrName(QStringLiteral("Tekst")), text->GetId());
    EXPECT_EQ(container.GetStyleGuid(text->GetId()), text->GetGuid().toString());
    EXPECT_TRUE(container.GetStyleGuid(999).isEmpty());

    std::deque<std::shared_ptr<StyleBase>> tables;
    container.GetAllStylesOfKind(StyleTable::Type, tables);
    EXPECT_EQ(tables, (std::deque<std::shared_ptr<StyleBase>>{table}));
    EXPECT_EQ(container.GetKinds(), (std::vector<StyleType>{StyleTextField::Type, StyleTable::Type}));
    EXPECT_EQ(container.AddStyle(table), table->GetId());
    EXPECT_EQ(container.GetCount(), 2);
}

TEST_F(StylesContainerTest, NamesStayUnique)
{
    const auto first = Add(std::make_shared<StyleTable>(), QStringLiteral("Mój"));
    const auto second = Add(std::make_shared<StyleTable>(), QStringLiteral("Mój"));
    const auto unnamed = Add(std::make_shared<StyleTable>(), QString());
    const auto reserved = Add(std::make_shared<StyleTable>(), QStringLiteral("Własny"));
    EXPECT_EQ(second->GetName(), QStringLiteral("Mój (2)"));
    EXPECT_EQ(unnamed->GetName(), QStringLiteral("Własny (2)"));
    EXPECT_EQ(reserved->GetName(), QStringLiteral("Własny (3)"));

    const QString reservedName = StylesContainer::kOwnStyleName;
    struct Case
    {
        QString name;
        bool exists;
    };
    const Case cases[] = {{QStringLiteral("Mój"), false},  // the style's own name
                          {QStringLiteral(" Mój "), false},
                          {QStringLiteral("Mój (2)"), true},
                          {QStringLiteral("Nowy"), false},
                          {QStringLiteral("Własny"), true},
                          {QString(), true},
                          {QStringLiteral("   "), true}};
    for (const Case& test : cases)
        EXPECT_EQ(container.CheckIfNameExists(test.name, first, reservedName), test.exists) << test.name.toStdString();
    // A working copy of the style counts as the style itself.
    EXPECT_FALSE(container.CheckIfNameExists(QStringLiteral("Mój"), first->Copy(), reservedName));
}

TEST_F(StylesContainerTest, UndoRestoresTheStateAtEntryIncludingRelatedStyles)
{
    const auto text = Add(std::make_shared<StyleTextField>(), QStringLiteral("Tekst"));
    const auto table = Add(std::make_shared<StyleTable>(), QStringLiteral("Tabela"));
    table->SetRelatedStyle(StyleTable::RelationEven, text->GetId(), StyleTextField::Type);
    const auto atEntry = table->Copy();
    const auto textAtEntry = text->Copy();

    StylesContainer::UndoPoint undo;
    container.CreateUndoPoint(table, undo);
    // Edits, each followed by a new undo point as the style editing makes them.
    table->SetValue(StyleTable::ParamCursorColor, 0x00FF00);
    table->SetName(QStringLiteral("Zmieniona"));
    container.CreateUndoPoint(table, undo);
    text->SetValue(StyleTextField::ParamFontColor, 0x0000FF);
    table->GetOwnStyle(StyleTable::RelationOdd)->SetValue(StyleTextField::ParamBkColor, 0x00FFFF);
    table->SetRelatedStyle(StyleTable::RelationEven, StyleBase::kOwnStyleId, StyleTextField::Type);
    container.CreateUndoPoint(table, undo);

    container.RestoreFromUndoPoint(undo, table);

    EXPECT_TRUE(SameStyle(*atEntry, *table));
    EXPECT_EQ(table->GetRelatedStyle(StyleTable::RelationEven), text);
    EXPECT_TRUE(SameStyle(*textAtEntry, *text));
}

TEST_F(StylesContainerTest, UndoOfAnOwnStyleThatIsNotInTheContainer)
{
    StyleTable source;
    auto own = source.Copy();
    own->SetValue(StyleTable::ParamAnimate, 0);
    const auto atEntry = own->Copy();
    StylesContainer::UndoPoint undo;
    container.CreateUndoPoint(own, undo);
    own->SetValue(StyleTable::ParamAnimate, 1);
    own->GetOwnStyle(StyleTable::RelationOdd)->SetValue(StyleTextField::ParamFontColor, 0x0000FF);

    container.RestoreFromUndoPoint(undo, own);

    EXPECT_TRUE(SameStyle(*atEntry, *own));
}

TEST_F(StylesContainerTest, StylesRoundTripThroughTheFolder)
{
    const QString folder = Folder(QStringLiteral("Styles"));
    const auto text = Add(std::make_shared<StyleTextField>(), QStringLiteral("Tekst"));
    const auto chart = Add(std::make_shared<StyleChartWindow>(), QStringLiteral("Wykres"));
    const auto table = Add(std::make_shared<StyleTable>(), QStringLiteral("Tabela"));
    ChangeEveryParameter(*table, 4);
    ChangeEveryParameter(*chart, 6);
    table->SetRelatedStyle(StyleTable::RelationOdd, text->GetId(), StyleTextField::Type);
    std::map<int, std::shared_ptr<StyleBase>> saved;
    for (const auto& style : {text, chart, table})
        saved[style->GetId()] = style->Copy();
    ASSERT_TRUE(container.SaveStyles(folder, true));
    EXPECT_EQ(StyleFiles(folder).size(), 3);

    StylesContainer::Release();
    ASSERT_TRUE(container.LoadStyles(folder, false));

    ASSERT_EQ(container.GetCount(), 3);
    for (const auto& [id, style] : saved)
    {
        const auto loaded = container.FindStyle(id);
        ASSERT_NE(loaded, nullptr);
        EXPECT_EQ(loaded->GetGuid(), style->GetGuid());
        EXPECT_TRUE(SameStyle(*style, *loaded)) << style->GetName().toStdString();
    }
    // The table read before the text style it relates to still finds it.
    EXPECT_EQ(container.FindStyle(table->GetId())->GetRelatedStyle(StyleTable::RelationOdd),
              container.FindStyle(text->GetId()));
}

TEST_F(StylesContainerTest, CorruptStyleFilesAreSkippedAndLoggedWhileTheOthersLoad)
{
    const QString folder = Folder(QStringLiteral("Styles"));
    Add(std::make_shared<StyleTable>(), QStringLiteral("Dobra"));
    ASSERT_TRUE(container.SaveStyles(folder, true));
    const auto write = [&](const QString& name, const QByteArray& content) {
        QFile file(folder + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    };
    write(QStringLiteral("a-broken.q4style"), "<?xml version=\"1.0\"?><Q4Style><n k=");
    write(QStringLiteral("b-unknown.q4style"),
          "<Q4Style><n k=\"Type\" v=\"StyleNieznany\"/><n k=\"StyleGuid\" v=\"{1c1d1e1f-0000-4000-8000-000000000001}\"/>"
          "</Q4Style>");
    write(QStringLiteral("c-noguid.q4style"), "<Q4Style><n k=\"Type\" v=\"StyleTable\"/></Q4Style>");
    write(QStringLiteral("d-otherroot.q4style"), "<Settings><n k=\"Type\" v=\"StyleTable\"/></Settings>");
    StylesContainer::Release();

    EXPECT_FALSE(container.LoadStyles(folder, false));

    EXPECT_EQ(container.GetCount(), 1);
    EXPECT_NE(container.FindStyle(QStringLiteral("Dobra")), 0);
    for (const char* name : {"a-broken", "b-unknown", "c-noguid", "d-otherroot"})
        EXPECT_TRUE(Warnings().contains(QLatin1String(name))) << name;
    // Saving never removes a file it could not read: it may hold a style of a later version.
    ASSERT_TRUE(container.SaveStyles(folder, true));
    EXPECT_EQ(StyleFiles(folder).size(), 5);
}

TEST_F(StylesContainerTest, AStyleFileThatCannotBeReadIsKeptAsACopyAndAReadOnlyOneIsLeft)
{
    const QString folder = Folder(QStringLiteral("Styles"));
    const auto damaged = Add(std::make_shared<StyleTable>(), QStringLiteral("Uszkodzona"));
    const auto locked = Add(std::make_shared<StyleTextField>(), QStringLiteral("Zablokowana"));
    ASSERT_TRUE(container.SaveStyles(folder, true));
    const auto pathOf = [&](const std::shared_ptr<StyleBase>& style) {
        return folder + QLatin1Char('/') + style->GetGuid().toString(QUuid::WithoutBraces) + StylesContainer::kFileExtension;
    };
    const QByteArray garbage("<?xml version=\"1.0\"?><Q4Style><n k=");
    {
        QFile file(pathOf(damaged));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    QFile::setPermissions(pathOf(locked), QFile::ReadOwner);
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray lockedContent = read(pathOf(locked));
    locked->SetValue(StyleTextField::ParamFontColor, 0x0000FF);

    EXPECT_FALSE(container.SaveStyles(folder, true));

    EXPECT_EQ(read(pathOf(damaged) + QStringLiteral(".bak")), garbage);
    EXPECT_TRUE(Warnings().contains(pathOf(damaged) + QStringLiteral(".bak")));
    Settings rewritten;
    EXPECT_TRUE(rewritten.LoadFromFile(pathOf(damaged), StylesContainer::kRootName));
    EXPECT_EQ(read(pathOf(locked)), lockedContent);
    EXPECT_TRUE(Errors().contains(pathOf(locked)));
    QFile::setPermissions(pathOf(locked), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(StylesContainerTest, AnInterruptedSaveKeepsThePreviousStyles)
{
    const QString folder = Folder(QStringLiteral("Styles"));
    const auto kept = Add(std::make_shared<StyleTable>(), QStringLiteral("Stara"));
    const auto blocked = Add(std::make_shared<StyleTextField>(), QStringLiteral("Tekst"));
    ASSERT_TRUE(container.SaveStyles(folder, true));
    const QStringList before = StyleFiles(folder);

    // The user removed a style and changed another; the save then cannot write one file
    // (a folder stands where it goes), as when the program is stopped midway.
    container.RemoveStyle(kept->GetId());
    blocked->SetValue(StyleTextField::ParamFontColor, 0x0000FF);
    const auto added = Add(std::make_shared<StyleTable>(), QStringLiteral("Nowa"));
    const QString blockedPath = folder + QLatin1Char('/') + added->GetGuid().toString(QUuid::WithoutBraces) +
                                StylesContainer::kFileExtension;
    ASSERT_TRUE(QDir().mkpath(blockedPath));

    EXPECT_FALSE(container.SaveStyles(folder, true));

    EXPECT_TRUE(Errors().contains(folder));
    for (const QString& file : before)
        EXPECT_TRUE(QFileInfo::exists(folder + QLatin1Char('/') + file)) << file.toStdString();
    StylesContainer::Release();
    container.LoadStyles(folder, false);
    EXPECT_NE(container.FindStyle(QStringLiteral("Stara")), 0);
    EXPECT_NE(container.FindStyle(QStringLiteral("Tekst")), 0);
}

TEST_F(StylesContainerTest, StaleFilesGoOnlyWhenAskedAndAfterEveryStyleIsWritten)
{
    const QString folder = Folder(QStringLiteral("Styles"));
    const auto removed = Add(std::make_shared<StyleTable>(), QStringLiteral("Usunięta"));
    Add(std::make_shared<StyleTable>(), QStringLiteral("Zostaje"));
    ASSERT_TRUE(container.SaveStyles(folder, true));
    container.RemoveStyle(removed->GetId());
    QFile other(folder + QStringLiteral("/notatki.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    ASSERT_TRUE(container.SaveStyles(folder, false));
    EXPECT_EQ(StyleFiles(folder).size(), 2);
    ASSERT_TRUE(container.SaveStyles(folder, true));
    EXPECT_EQ(StyleFiles(folder).size(), 1);
    EXPECT_TRUE(QFileInfo::exists(other.fileName()));
}

TEST_F(StylesContainerTest, DefaultsLoadFirstAndTheUsersChangedCopyReplacesThem)
{
    ASSERT_TRUE(container.LoadStyles(QString(), true));
    const int defaults = container.GetCount();
    for (const auto& style : DefaultStyles::Create())
        EXPECT_EQ(container.FindStyle(container.FindStyle(style->GetGuid()))->GetName(), style->GetName());
    const QUuid darkTable = DefaultStyles::Guid(StyleTable::Type, DefaultStyles::Look::Dark);
    const int id = container.FindStyle(darkTable);
    ASSERT_NE(id, 0);
    EXPECT_EQ(container.FindStyle(id)->GetName(), QStringLiteral("Czarny - tabela"));

    container.FindStyle(id)->SetValue(StyleTable::ParamCursorColor, 0x00ABCD);
    container.FindStyle(id)->SetName(QStringLiteral("Mój czarny"));
    const QString folder = Folder(QStringLiteral("Styles"));
    ASSERT_TRUE(container.SaveStyles(folder, true));
    StylesContainer::Release();

    ASSERT_TRUE(container.LoadStyles(Folder(QStringLiteral("InstallSettings")), true));
    ASSERT_TRUE(container.LoadStyles(folder, false));
    EXPECT_EQ(container.GetCount(), defaults);
    const auto users = container.FindStyle(container.FindStyle(darkTable));
    EXPECT_EQ(users->GetName(), QStringLiteral("Mój czarny"));
    EXPECT_EQ(users->GetValue(StyleTable::ParamCursorColor), 0x00ABCD);
}

TEST_F(StylesContainerTest, ARemovedStyleLivesOnInTheOwnCopiesOfStylesThatRelatedToIt)
{
    const auto text = Add(std::make_shared<StyleTextField>(), QStringLiteral("Tekst"));
    text->SetValue(StyleTextField::ParamBkColor, 0x00CCCC);
    const auto table = Add(std::make_shared<StyleTable>(), QStringLiteral("Tabela"));
    table->SetRelatedStyle(StyleTable::RelationOdd, text->GetId(), StyleTextField::Type);

    ASSERT_TRUE(container.RemoveStyle(text->GetId()));
    EXPECT_FALSE(container.RemoveStyle(text->GetId()));

    const auto related = table->GetRelatedStyle(StyleTable::RelationOdd);
    EXPECT_EQ(related, table->GetOwnStyle(StyleTable::RelationOdd));
    EXPECT_EQ(related->GetValue(StyleTextField::ParamBkColor), 0x00CCCC);
}

TEST_F(StylesContainerTest, MakeAllRelatedStylesAsOwnAndCopyRelatedStylesToOwn)
{
    const auto text = Add(std::make_shared<StyleTextField>(), QStringLiteral("Tekst"));
    const auto table = Add(std::make_shared<StyleTable>(), QStringLiteral("Tabela"));
    table->SetRelatedStyle(StyleTable::RelationOdd, text->GetId(), StyleTextField::Type);
    text->SetValue(StyleTextField::ParamFontColor, 0x0000AA);

    container.CopyRelatedStylesToOwn();
    EXPECT_EQ(table->GetRelatedStyle(StyleTable::RelationOdd), text);
    EXPECT_EQ(table->GetOwnStyle(StyleTable::RelationOdd)->GetValue(StyleTextField::ParamFontColor), 0x0000AA);

    container.MakeAllRelatedStylesAsOwn();
    EXPECT_EQ(table->GetRelatedStyle(StyleTable::RelationOdd), table->GetOwnStyle(StyleTable::RelationOdd));
}

TEST_F(StylesContainerTest, TheSingleFileFormReadsBack)
{
    const auto text = Add(std::make_shared<StyleTextField>(), QStringLiteral("Tekst"));
    const auto table = Add(std::make_shared<StyleTable>(), QStringLiteral("Tabela"));
    table->SetRelatedStyle(StyleTable::RelationEven, text->GetId(), StyleTextField::Type);
    Settings single;
    container.Serialize(single);
    single.AddUnnamed()[QStringLiteral("Type")] = QStringLiteral("StyleNieznany");
    StylesContainer::Release();

    EXPECT_FALSE(container.Unserialize(single, false));

    ASSERT_EQ(container.GetCount(), 2);
    const auto loadedTable = container.FindStyle(container.FindStyle(QStringLiteral("Tabela")));
    EXPECT_EQ(loadedTable->GetRelatedStyle(StyleTable::RelationEven)->GetName(), QStringLiteral("Tekst"));
}

TEST_F(StylesContainerTest, LoadedNamesThatClashAreMadeUnique)
{
    const QString folder = Folder(QStringLiteral("Styles"));
    Add(std::make_shared<StyleTable>(), QStringLiteral("Ta sama"));
    ASSERT_TRUE(container.SaveStyles(folder, true));
    StylesContainer::Release();
    Add(std::make_shared<StyleTable>(), QStringLiteral("Ta sama"));

    ASSERT_TRUE(container.LoadStyles(folder, false));

    EXPECT_NE(container.FindStyle(QStringLiteral("Ta sama")), 0);
    EXPECT_NE(container.FindStyle(QStringLiteral("Ta sama (2)")), 0);
}
