// Every command the ribbon shows with a picture has a real icon: one the icon map names and the
// program bundles, not the drawn tile that stands in for a missing one. Checked over every tab
// of the standard edition, the style-editing tabs included, and the popups under their controls.

#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonDefs.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonImageManager.h"
#include "platform/toolkit/RibbonLayout.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/ui/Images.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "tests/app/ClassicAppFixture.h"
#include "workspace/ui/PulpitFrame.h"

#include <QStringList>

namespace
{
bool ShowsPicture(const RibbonControl& control)
{
    switch (control.GetType())
    {
    case RibbonControlButton:
    case RibbonControlPopup:
    case RibbonControlButtonPopup:
    case RibbonControlSplitButtonPopup:
        return true;
    default:
        return false;
    }
}

bool HasRealIcon(const RibbonImageManager& images, std::uint32_t id, int size)
{
    if (images.HasCustomIcon(id))
        return true;
    const QString name = images.IconName(id, size);
    return !name.isEmpty() && !Images::BundledIcon(name).isNull();
}

// A popup's items show a picture only when they were given one.
void CheckPopup(const RibbonPopupBar& popup, const RibbonImageManager& images, const QString& where, QStringList& missing)
{
    for (const auto& control : popup.GetControls())
    {
        const std::uint32_t id = control->GetID();
        const bool given = images.HasIcon(id, RibbonImageManager::kSmall) || images.HasIcon(id, RibbonImageManager::kLarge);
        if (given && !HasRealIcon(images, id, RibbonImageManager::kSmall))
            missing << QStringLiteral("%1 popup %2").arg(where).arg(id);
        if (const RibbonPopupBar* nested = control->GetCommandBar())
            CheckPopup(*nested, images, where, missing);
    }
}
}

class RibbonIconsTest : public ClassicAppFixture
{
};

TEST_F(RibbonIconsTest, NoCommandOfAnyTabOrPopupShowsAPlaceholder)
{
    ASSERT_TRUE(Start());
    auto* frame = dynamic_cast<PulpitFrame*>(App().GetPulpitFrame());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->GetRibbonsFactory()->CreateStyleEditTabs());
    QuorvantaRibbonBar* ribbon = frame->GetRibbonBar();
    const RibbonImageManager& images = ribbon->GetCommandBars()->GetImageManager();
    QStringList missing;
    for (int index = 0; index < ribbon->GetTabCount(); ++index)
    {
        auto* tab = dynamic_cast<QuorvantaTab*>(ribbon->GetTab(index));
        if (!tab || !tab->Prepare())
            continue;
        const QString where = QStringLiteral("tab %1 \"%2\"").arg(tab->GetID()).arg(tab->GetCaption());
        for (const auto& group : tab->GetGroups())
        {
            for (const auto& control : group->GetControls())
            {
                const int size = RibbonLayout::IsLarge(*control, images) ? RibbonImageManager::kLarge : RibbonImageManager::kSmall;
                if (ShowsPicture(*control) && !HasRealIcon(images, control->GetID(), size))
                    missing << QStringLiteral("%1 group %2 control %3 \"%4\" (%5)")
                                   .arg(where)
                                   .arg(group->GetID())
                                   .arg(control->GetID())
                                   .arg(control->GetCaption(), images.IconName(control->GetID(), size));
                if (const RibbonPopupBar* popup = control->GetCommandBar())
                    CheckPopup(*popup, images, where, missing);
            }
        }
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << "\n" << missing.join(QLatin1Char('\n')).toStdString();
    Exit();
}
