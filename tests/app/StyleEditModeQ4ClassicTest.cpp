#include "core/mediator/AppMediator.h"
#include "platform/settings/Settings.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/NotifyInfo.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "styles/engine/StylesContainer.h"
#include "styles/ui/StyleEditModeHandler.h"
#include "tests/app/ClassicAppFixture.h"
#include "tests/support/styles/TestTextFieldTarget.h"
#include "tests/support/ui/FakeModuleWnd.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PanelView.h"
#include "workspace/ui/PulpitFrame.h"
#include "workspace/ui/TabClientWnd.h"

#include <QDir>

using namespace TestTextFieldIds;

namespace
{
constexpr std::int32_t kRed = 0x0000FF;
const QString kTitle = QStringLiteral("Podgląd i edycja stylu pola");

// The font colour of the named style as the user's styles folder holds it; -1 when none.
std::int32_t SavedFontColour(const QString& folder, const QString& name)
{
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.q4style")}, QDir::Files))
    {
        Settings tree;
        if (!tree.LoadFromFile(QDir(folder).filePath(file), StylesContainer::kRootName))
            continue;
        const std::shared_ptr<StyleBase> style = StyleBase::LoadStyle(tree);
        if (style && style->GetName() == name)
            return style->GetValue(StyleTextField::ParamFontColor);
    }
    return -1;
}

// The program started with a window in its screen whose text-field style is edited.
class StyleEditModeQ4ClassicTest : public ClassicAppFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Start());
        frame = dynamic_cast<PulpitFrame*>(App().GetPulpitFrame());
        ASSERT_NE(frame, nullptr);
        frame->OnActivateApp(true);
        PanelFrame* panel = frame->GetTabClient()->GetActivePanel();
        ASSERT_NE(panel, nullptr);
        window = new FakeModuleWnd(nullptr, nullptr, panel->GetPanelView());
        window->setGeometry(10, 10, 200, 150);
        window->show();
        window->ForceActivate();
        ASSERT_EQ(frame->GetActiveModuleWnd(), window);

        handler = dynamic_cast<StyleEditModeHandler*>(Mediator().GetStyleEditModeHandler());
        ASSERT_NE(handler, nullptr);
        handler->RegisterCmdTarget(StyleTextField::Type, [](const std::shared_ptr<StyleBase>& style,
                                                            StyleEditModeHandler& owner) {
            return std::make_shared<TestTextFieldTarget>(style, owner);
        });
        style = StyleTextField::CreateInstance();
        style->SetName(QStringLiteral("Pole do edycji"));
        StylesContainer::Instance().AddStyle(style);
        handler->BeginEditStyle(style, kTitle);
        ASSERT_TRUE(handler->IsInEditMode());
    }

    bool TabShown(std::uint32_t id) const
    {
        const RibbonTabBase* tab = frame->GetRibbonBar()->FindTab(id);
        return tab && tab->IsVisible();
    }

    // The user picks red in the font colour's gallery.
    void PickRed()
    {
        GalleryControl gallery(ID_COLOUR);
        gallery.AddItem(static_cast<std::uint32_t>(kRed), QStringLiteral("czerwony"));
        gallery.SetSelectedItem(0);
        NotifyInfo info(ID_COLOUR, NotifyCodes::Execute, &gallery);
        ASSERT_TRUE(frame->OnCmdMsg(ID_COLOUR, NotifyCodes::Execute, &info));
    }

    PulpitFrame* frame = nullptr;
    FakeModuleWnd* window = nullptr;
    StyleEditModeHandler* handler = nullptr;
    std::shared_ptr<StyleTextField> style;
};
}

TEST_F(StyleEditModeQ4ClassicTest, TheFrameShowsTheModeAndSaveKeepsTheStyle)
{
    EXPECT_TRUE(TabShown(TEXT_FIELD_TAB));
    EXPECT_FALSE(TabShown(frame->GetRibbonsFactory()->GetMainTabs().front()->GetID()));
    EXPECT_TRUE(frame->GetTabClient()->IsStyleEditLocked());
    EXPECT_EQ(frame->GetTabClient()->GetActivePanel()->windowTitle(), kTitle);
    EXPECT_FALSE(window->isEnabled());

    PickRed();
    ASSERT_TRUE(frame->OnCmdMsg(ID_SAVE, CmdTarget::kCommandCode, nullptr));

    EXPECT_FALSE(handler->IsInEditMode());
    EXPECT_FALSE(TabShown(TEXT_FIELD_TAB));
    EXPECT_TRUE(TabShown(frame->GetRibbonsFactory()->GetMainTabs().front()->GetID()));
    EXPECT_FALSE(frame->GetTabClient()->IsStyleEditLocked());
    EXPECT_NE(frame->GetTabClient()->GetActivePanel()->windowTitle(), kTitle);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(SavedFontColour(UserStylesFolder(), style->GetName()), kRed);
    Exit();
}

TEST_F(StyleEditModeQ4ClassicTest, ClosingTheProgramWhileEditingKeepsTheChanges)
{
    PickRed();
    Exit();
    EXPECT_EQ(SavedFontColour(UserStylesFolder(), QStringLiteral("Pole do edycji")), kRed);
}
