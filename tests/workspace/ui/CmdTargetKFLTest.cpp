#include "workspace/ui/CmdTargetKFL.h"

#include "platform/modules/KFLFasade.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/ui/CmdUI.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "tests/support/toolkit/TestRibbon.h"
#include "tests/support/ui/TestApplication.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace
{
class FakeFormulaLanguage : public KFLFasade, public KFLExplorer, public KFLEditor
{
public:
    bool ToggleIDE(QWidget*) override { return false; }
    bool IsIDEOpended() const override { return false; }
    bool OpenStrategyTesterIDE(QWidget*) override { return false; }
    bool EditScript(const QString&, QWidget*) override { return false; }
    void ForEachAvailableUDI(const std::function<void(const ScriptFileInfo&)>&) const override {}
    IGenericModule* Module() override { return nullptr; }
    void NotifySaveModuleState() override {}
    void CleanupKFLLibrary() override {}
    KFLExplorer* GetExplorer() override { return this; }
    KFLEditor* GetEditor() override { return this; }

    bool CreateFormula() override { return Tell("CreateFormula"); }
    bool DeleteFormula() override { return Tell("DeleteFormula"); }
    bool AddFolder() override { return Tell("AddFolder"); }
    bool DeleteFolder() override { return Tell("DeleteFolder"); }
    void GetFolderName(QString& name) const override { name = folderName; }
    bool IsFolderSelected() const override { return folderSelected; }
    bool IsFormulaSelected() const override { return formulaSelected; }
    void SetInitialValue(double value) override { initialValue = value; }
    double GetInitialValue() const override { return initialValue; }
    QString GetFormulaName() const override { return formulaName; }
    bool SaveFormula() override { return Tell("SaveFormula"); }
    bool IsFormulaOpen() const override { return formulaOpen; }

    bool folderSelected = false;
    bool formulaSelected = false;
    bool formulaOpen = false;
    QString folderName = QStringLiteral("Moje");
    QString formulaName = QStringLiteral("Średnia");
    double initialValue = 1.5;
    QStringList calls;

private:
    bool Tell(const char* call)
    {
        calls << QLatin1String(call);
        return true;
    }
};

class CmdTargetKFLTest : public ::testing::Test
{
protected:
    CmdTargetKFLTest()
    {
        TestApplication::Ensure();
        folderGroup = ribbon.tab->AddGroup(QStringLiteral("Folder"), CmdTargetKFL::ID_GROUP_FOLDER);
        for (const std::uint32_t id :
             {CmdTargetKFL::ID_FOLDER_NAME, CmdTargetKFL::ID_FORMULA_NAME, CmdTargetKFL::ID_INITIAL_VALUE})
            folderGroup->Add(std::make_unique<RibbonEditControl>(id), id);
    }

    bool Enabled(std::uint32_t id)
    {
        CmdUI cmdUI(id, Box(id));
        target.UpdateCommandUI(cmdUI);
        return cmdUI.Enabled().value_or(false);
    }
    RibbonEditControl* Box(std::uint32_t id) const
    {
        return qobject_cast<RibbonEditControl*>(folderGroup->FindControl(id));
    }

    TestRibbon ribbon;
    RibbonGroupBase* folderGroup = nullptr;
    FakeFormulaLanguage language;
    CmdTargetKFL target{[this] { return &language; }, [this] { return ribbon.ribbon; }};
};

TEST_F(CmdTargetKFLTest, CommandsFollowWhatIsSelectedAndOpen)
{
    struct Row
    {
        bool folder, formula, open;
        bool create, addFolder, deleteFolder, deleteFormula, save;
    };
    const Row rows[] = {
        {false, false, false, false, false, false, false, false},
        {true, false, false, true, true, true, false, false},
        {false, true, false, true, false, false, true, false},
        {false, false, true, false, false, false, false, true},
    };
    for (const Row& row : rows)
    {
        language.folderSelected = row.folder;
        language.formulaSelected = row.formula;
        language.formulaOpen = row.open;
        EXPECT_EQ(Enabled(CmdTargetKFL::ID_CREATE_FORMULA), row.create);
        EXPECT_EQ(Enabled(CmdTargetKFL::ID_ADD_FOLDER), row.addFolder);
        EXPECT_EQ(Enabled(CmdTargetKFL::ID_DELETE_FOLDER), row.deleteFolder);
        EXPECT_EQ(Enabled(CmdTargetKFL::ID_DELETE_FORMULA), row.deleteFormula);
        EXPECT_EQ(Enabled(CmdTargetKFL::ID_SAVE_FORMULA), row.save);
        EXPECT_EQ(Enabled(CmdTargetKFL::ID_FORMULA_NAME), row.open);
        EXPECT_EQ(Enabled(CmdTargetKFL::ID_FOLDER_NAME), row.folder);
    }
    for (const std::uint32_t id : {CmdTargetKFL::ID_CREATE_FORMULA, CmdTargetKFL::ID_ADD_FOLDER,
                                   CmdTargetKFL::ID_DELETE_FOLDER, CmdTargetKFL::ID_DELETE_FORMULA,
                                   CmdTargetKFL::ID_SAVE_FORMULA})
        EXPECT_TRUE(target.ExecuteCommand(id));
    EXPECT_EQ(language.calls,
              (QStringList{"CreateFormula", "AddFolder", "DeleteFolder", "DeleteFormula", "SaveFormula"}));
}

TEST_F(CmdTargetKFLTest, TheBoxesShowTheLanguagesTextsButNotOverWhatTheUserTypes)
{
    language.formulaOpen = true;
    EXPECT_TRUE(Enabled(CmdTargetKFL::ID_INITIAL_VALUE));
    EXPECT_EQ(Box(CmdTargetKFL::ID_INITIAL_VALUE)->GetEditText(), QStringLiteral("1.5"));
    Enabled(CmdTargetKFL::ID_FORMULA_NAME);
    EXPECT_EQ(Box(CmdTargetKFL::ID_FORMULA_NAME)->GetEditText(), QStringLiteral("Średnia"));

    // While the user types, the box keeps the typed text.
    RibbonEditControl* value = Box(CmdTargetKFL::ID_INITIAL_VALUE);
    value->SetFocused(true);
    value->SetEditText(QStringLiteral("2,2"));
    Enabled(CmdTargetKFL::ID_INITIAL_VALUE);
    EXPECT_EQ(value->GetEditText(), QStringLiteral("2,2"));
    value->SetFocused(false);

    // Closing the formula leaves the last texts in the disabled boxes.
    language.formulaOpen = false;
    language.formulaName = QStringLiteral("Inna");
    EXPECT_FALSE(Enabled(CmdTargetKFL::ID_FORMULA_NAME));
    EXPECT_EQ(Box(CmdTargetKFL::ID_FORMULA_NAME)->GetEditText(), QStringLiteral("Średnia"));
}

TEST_F(CmdTargetKFLTest, ATypedInitialValueReachesTheEditorOnlyWhenItIsANumber)
{
    language.formulaOpen = true;
    RibbonEditControl* value = Box(CmdTargetKFL::ID_INITIAL_VALUE);
    const std::pair<const char*, double> rows[] = {{"2,25", 2.25}, {"-3.5", -3.5}, {"abc", -3.5}, {"", -3.5}};
    for (const auto& [typed, expected] : rows)
    {
        value->SetEditText(QString::fromUtf8(typed));
        NotifyInfo info(CmdTargetKFL::ID_INITIAL_VALUE, NotifyCodes::Execute, value);
        EXPECT_TRUE(target.SendNotify(info));
        EXPECT_DOUBLE_EQ(language.initialValue, expected) << typed;
    }
    // The next refresh shows the kept value again.
    Enabled(CmdTargetKFL::ID_INITIAL_VALUE);
    EXPECT_EQ(value->GetEditText(), QStringLiteral("-3.5"));
}

TEST_F(CmdTargetKFLTest, WithoutTheFolderGroupTheBoxesAreLeftAlone)
{
    CmdTargetKFL noRibbon([this] { return &language; }, [] { return nullptr; });
    language.formulaOpen = true;
    CmdUI cmdUI(CmdTargetKFL::ID_FORMULA_NAME);
    noRibbon.UpdateCommandUI(cmdUI);
    EXPECT_FALSE(cmdUI.Enabled().has_value());
}
}
