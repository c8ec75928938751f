#include "ribbon/QuorvantaRibbonControlTab.h"

#include "platform/base/QuorvantaException.h"
#include "ribbon/QuorvantaTab.h"

QuorvantaRibbonControlTab::QuorvantaRibbonControlTab(RibbonBarBase& ribbon)
    : RibbonTabControl(ribbon)
{
}

QuorvantaTab* QuorvantaRibbonControlTab::AddQuorvantaTabItem(int index, const QString& caption, std::uint32_t id,
                                                            std::unique_ptr<QuorvantaTab> tab)
{
    if (!tab)
        throw QuorvantaException(QStringLiteral("QuorvantaRibbonControlTab::AddQuorvantaTabItem"),
                                 QStringLiteral("tab can't be nullptr !"));
    auto* inserted = static_cast<QuorvantaTab*>(InsertItem(index, caption, id, std::move(tab)));
    if (index == 0 && GetSelectedItem() == nullptr)
        SetSelectedItem(inserted);
    return inserted;
}
