#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonCreateControlRequest.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/Wnd.h"
#include "tests/support/ui/TestApplication.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace
{
constexpr std::uint32_t ID_ONE = 600;
constexpr std::uint32_t ID_OWN = 601;
constexpr std::uint32_t ID_GRAYED = 602;
constexpr std::uint32_t ID_NESTED = 603;

// A frame that makes its own edit control when the ribbon asks for ID_OWN.
class Frame : public QWidget, public Wnd
{
public:
    Frame()
        : Wnd(this)
    {
    }

protected:
    LResult WindowProc(const WindowMessage& message) override
    {
        if (message.message != RibbonIds::CreateControlMessage)
            return Wnd::WindowProc(message);
        auto* request = reinterpret_cast<RibbonCreateControlRequest*>(message.lParam);
        if (request->id != ID_OWN)
            return 0;
        request->control = std::make_unique<RibbonEditControl>(request->id);
        return 1;
    }
};

const MenuTable kMenu = {
    MenuItem::Command(ID_ONE, QStringLiteral("Jeden")),
    MenuItem::Separator(),
    MenuItem::Command(ID_OWN, QStringLiteral("Własny")),
    MenuItem::Command(ID_GRAYED, QStringLiteral("Wyszarzony"), true),
    MenuItem::Popup(QStringLiteral("Więcej"), {MenuItem::Command(ID_NESTED, QStringLiteral("Zagnieżdżony"))}),
};
}

TEST(RibbonPopupBarTest, LoadsAMenuTableTakingTheFramesOwnControls)
{
    TestApplication::Ensure();
    Frame frame;
    CommandBars commandBars;
    commandBars.SetCommandTarget(&frame);
    RibbonPopupBar popup;

    popup.LoadMenu(kMenu, &commandBars);

    const auto& controls = popup.GetControls();
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[0]->GetCaption(), QStringLiteral("Jeden"));
    EXPECT_FALSE(controls[0]->GetBeginGroup());
    EXPECT_NE(qobject_cast<RibbonEditControl*>(controls[1].get()), nullptr) << "the frame made this one";
    EXPECT_TRUE(controls[1]->GetBeginGroup()) << "the separator starts a section";
    EXPECT_FALSE(controls[2]->GetEnabled());
    EXPECT_EQ(controls[3]->GetType(), RibbonControlPopup);
    EXPECT_NE(popup.FindControl(ID_NESTED), nullptr);

    RibbonPopupBar plain;
    plain.LoadMenu(kMenu);
    EXPECT_EQ(plain.FindControl(ID_OWN)->GetType(), RibbonControlButton) << "no frame to ask";
}
