#include "ribbon/QuorvantaRibbonBar.h"

#include "platform/toolkit/IRibbonBarSite.h"
#include "platform/ui/StringTable.h"
#include "ribbon/QuorvantaRibbonControlTab.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonLog.h"

QuorvantaRibbonBar::QuorvantaRibbonBar()
{
    ReplaceTabControl(std::make_unique<QuorvantaRibbonControlTab>(*this));
}

QuorvantaRibbonBar::TabTexts QuorvantaRibbonBar::SplitTabText(const QString& text)
{
    if (!text.contains(QLatin1Char('\n')))
        return {QString(), text, QString()};
    const QStringList parts = text.split(QLatin1Char('\n'));
    const QString tooltip = parts.value(1);
    const QString caption = parts.value(2);
    return {tooltip, caption.isEmpty() ? tooltip : caption, parts.value(3)};
}

QuorvantaTab* QuorvantaRibbonBar::AddTab(std::uint32_t stringId, std::unique_ptr<QuorvantaTab> tab)
{
    const QString text = StringTable::Instance().Get(stringId);
    if (text.isEmpty())
        qCWarning(lcRibbon) << "QuorvantaRibbonBar: no text for tab" << stringId;
    QuorvantaTab* added = AddTabItem(GetTabCount(), text, stringId, std::move(tab));
    if (added == nullptr || !text.contains(QLatin1Char('\n')))
        return added;
    const TabTexts texts = SplitTabText(text);
    added->SetTooltip(texts.tooltip);
    added->SetCaption(texts.caption);
    added->SetKeyboardTip(texts.keyboardTip);
    return added;
}

QuorvantaTab* QuorvantaRibbonBar::AddTabItem(int index, const QString& caption, std::uint32_t id,
                                             std::unique_ptr<QuorvantaTab> tab)
{
    return TabControl().AddQuorvantaTabItem(index, caption, id, std::move(tab));
}

QuorvantaTab* QuorvantaRibbonBar::GetSelectedQuorvantaTab() const
{
    return dynamic_cast<QuorvantaTab*>(GetSelectedTab());
}

void QuorvantaRibbonBar::RememberTabLevel(ERibbonTabLevel level)
{
    m_rememberedLevel = level;
    QuorvantaTab* selected = GetSelectedQuorvantaTab();
    m_rememberedTab = selected && selected->GetLevel() == level ? selected : nullptr;
}

void QuorvantaRibbonBar::OnLButtonDown(const QPoint& point)
{
    if (!TakesClickAt(point))
        return;
    RibbonBarBase::OnLButtonDown(point);
    if (GetSite() == nullptr)
        return;
    const RibbonHit hit = GetSite()->HitTest(point);
    RibbonTabBase* clicked = hit.tab ? hit.tab : hit.headerFirstTab;
    if (auto* tab = dynamic_cast<QuorvantaTab*>(clicked))
        RememberTabLevel(tab->GetLevel());
}

void QuorvantaRibbonBar::OnLButtonDblClk(const QPoint& point)
{
    if (TakesClickAt(point))
        RibbonBarBase::OnLButtonDblClk(point);
}

void QuorvantaRibbonBar::OnMouseMove(const QPoint& point)
{
    if (!m_locked)
        RibbonBarBase::OnMouseMove(point);
}

QuorvantaRibbonControlTab& QuorvantaRibbonBar::TabControl() const
{
    return static_cast<QuorvantaRibbonControlTab&>(GetTabControl());
}

bool QuorvantaRibbonBar::TakesClickAt(const QPoint& point) const
{
    if (!m_locked)
        return true;
    const int code = GetSite() ? GetSite()->HitTest(point).code : RibbonHitNowhere;
    return code == RibbonHitCaption || code == RibbonHitSystemMenu;
}
