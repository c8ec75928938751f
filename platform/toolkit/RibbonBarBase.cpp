#include "platform/toolkit/RibbonBarBase.h"

#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/IRibbonBarSite.h"
#include "platform/toolkit/RibbonControlCmdUI.h"
#include "platform/toolkit/RibbonControlFactory.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/toolkit/RibbonTabControl.h"
#include "platform/ui/CmdTarget.h"
#include "platform/ui/Menu.h"
#include "platform/ui/NotifyCodes.h"

#include <QAction>

RibbonBarBase::RibbonBarBase()
    : m_tabControl(std::make_unique<RibbonTabControl>(*this))
{
}

RibbonBarBase::~RibbonBarBase() = default;

CmdTarget* RibbonBarBase::GetCommandTarget() const
{
    return m_commandBars ? m_commandBars->GetCommandTarget() : nullptr;
}

RibbonTabBase* RibbonBarBase::InsertTab(int index, const QString& caption, std::uint32_t id)
{
    return m_tabControl->InsertItem(index, caption, id, std::make_unique<RibbonTabBase>());
}

int RibbonBarBase::GetTabCount() const
{
    return m_tabControl->GetItemCount();
}

RibbonTabBase* RibbonBarBase::GetTab(int index) const
{
    return m_tabControl->GetItem(index);
}

RibbonTabBase* RibbonBarBase::FindTab(std::uint32_t id) const
{
    return m_tabControl->FindItem(id);
}

RibbonTabBase* RibbonBarBase::GetSelectedTab() const
{
    return m_tabControl->GetSelectedItem();
}

bool RibbonBarBase::SetCurrentTab(RibbonTabBase* tab)
{
    return m_tabControl->SetSelectedItem(tab);
}

std::vector<RibbonContextHeader> RibbonBarBase::GetContextHeaders() const
{
    std::vector<RibbonContextHeader> headers;
    for (int index = 0; index < GetTabCount(); ++index)
    {
        RibbonTabBase* tab = GetTab(index);
        if (!tab->IsVisible())
            continue;
        if (!tab->IsContextTab())
        {
            headers.push_back({});
            continue;
        }
        // A run of shown contextual tabs continues while colour and caption stay the same.
        RibbonContextHeader* last = headers.empty() ? nullptr : &headers.back();
        if (last && last->firstTab && last->color == tab->GetContextColor()
            && last->caption == tab->GetContextCaption())
            last->lastTab = tab;
        else
            headers.push_back({tab->GetContextColor(), tab->GetContextCaption(), tab, tab});
    }
    std::erase_if(headers, [](const RibbonContextHeader& header) { return header.firstTab == nullptr; });
    return headers;
}

RibbonControl* RibbonBarBase::FindControl(std::uint32_t id) const
{
    for (const auto& control : m_rightAligned)
    {
        if (control->GetID() == id)
            return control.get();
        if (RibbonPopupBar* popup = control->GetCommandBar())
        {
            if (RibbonControl* found = popup->FindControl(id))
                return found;
        }
    }
    if (m_systemButton && m_systemButton->GetID() == id)
        return m_systemButton.get();
    for (int index = 0; index < GetTabCount(); ++index)
    {
        if (RibbonControl* found = GetTab(index)->FindControl(id))
            return found;
    }
    return nullptr;
}

RibbonControl* RibbonBarBase::AddSystemButton(std::uint32_t id)
{
    m_systemButton = std::make_unique<RibbonControl>(RibbonControlPopup, id);
    m_systemButton->LoadStrings();
    m_systemButton->AttachRibbon(this);
    NotifyChanged();
    return m_systemButton.get();
}

void RibbonBarBase::TrackSystemMenu()
{
    if (!m_systemButton || m_systemMenu.empty())
        return;
    const Menu menu(m_systemMenu);
    const QPoint position = m_site ? m_site->ScreenRect(*m_systemButton).bottomLeft() : QPoint();
    CmdTarget* target = GetCommandTarget();
    const std::uint32_t id = Menu::TrackPopupMenu(*menu.Get(), position, target);
    if (id != 0 && target)
        target->ExecuteCommand(id);
}

RibbonControl* RibbonBarBase::AddRightAlignedControl(int type, std::uint32_t id, const QString& caption)
{
    std::unique_ptr<RibbonControl> control = RibbonControlFactory::Create(type, id);
    if (caption.isEmpty())
        control->LoadStrings();
    else
        control->SetCaption(caption);
    control->AttachRibbon(this);
    m_rightAligned.push_back(std::move(control));
    NotifyChanged();
    return m_rightAligned.back().get();
}

void RibbonBarBase::SetRibbonMinimized(bool minimized)
{
    if (m_minimized == minimized)
        return;
    m_minimized = minimized;
    NotifyChanged();
}

void RibbonBarBase::UpdateControls()
{
    CmdTarget* target = GetCommandTarget();
    // A handler that changes what shows (a tab hidden, the selection moved) asks for another
    // pass; the one running already covers it.
    if (target == nullptr || m_updating)
        return;
    m_updating = true;
    if (RibbonTabBase* tab = GetSelectedTab(); tab && !m_minimized)
    {
        for (const auto& group : tab->GetGroups())
        {
            for (const auto& control : group->GetControls())
                UpdateControl(*target, *control);
        }
    }
    for (const auto& control : m_rightAligned)
        UpdateControl(*target, *control);
    m_updating = false;
}

void RibbonBarBase::OnPopupOpening(RibbonPopupBar& popup)
{
    for (const auto& control : popup.GetControls())
    {
        if (auto* gallery = qobject_cast<GalleryControl*>(control.get()))
            gallery->OnCalcDynamicSize();
    }
    if (CmdTarget* target = GetCommandTarget())
        UpdatePopup(*target, popup);
}

RibbonControl* RibbonBarBase::GetHotControl() const
{
    return m_hotControl.data();
}

RibbonControl* RibbonBarBase::GetPressedControl() const
{
    return m_pressedControl.data();
}

void RibbonBarBase::ClosePopups()
{
    if (m_site)
        m_site->ClosePopups();
}

void RibbonBarBase::OnLButtonDown(const QPoint& point)
{
    if (m_site == nullptr)
        return;
    const RibbonHit hit = m_site->HitTest(point);
    if (RibbonControl* control = hit.control)
    {
        if (control == m_systemButton.get())
        {
            TrackSystemMenu();
            return;
        }
        if (!control->GetEnabled())
            return;
        auto* gallery = qobject_cast<GalleryControl*>(control);
        if (gallery && hit.galleryItem >= 0)
            gallery->ChooseItem(hit.galleryItem);
        else if (control->HasPopupType()
                 && (control->GetType() != RibbonControlSplitButtonPopup || hit.onPopupArrow))
            m_site->TrackPopup(*control);
        else if (control->GetType() == RibbonControlButton || control->GetType() == RibbonControlCheckBox
                 || control->GetType() == RibbonControlSplitButtonPopup)
        {
            m_pressedControl = control;
            NotifyChanged();
        }
        return;
    }
    if (hit.tab)
        SetCurrentTab(hit.tab);
    else if (hit.headerFirstTab)
        SetCurrentTab(hit.headerFirstTab);
}

void RibbonBarBase::OnLButtonUp(const QPoint& point)
{
    RibbonControl* pressed = m_pressedControl.data();
    if (pressed == nullptr)
        return;
    m_pressedControl.clear();
    NotifyChanged();
    if (m_site && m_site->HitTest(point).control == pressed && pressed->GetEnabled())
        pressed->OnExecute();
}

void RibbonBarBase::OnLButtonDblClk(const QPoint& point)
{
    if (m_site && m_site->HitTest(point).tab)
        SetRibbonMinimized(!m_minimized);
    else
        OnLButtonDown(point);
}

void RibbonBarBase::OnMouseMove(const QPoint& point)
{
    const RibbonHit hit = m_site ? m_site->HitTest(point) : RibbonHit();
    auto* previousGallery = qobject_cast<GalleryControl*>(m_hotControl.data());
    if (previousGallery && previousGallery != hit.control)
        previousGallery->HoverItem(-1);
    if (auto* gallery = qobject_cast<GalleryControl*>(hit.control); gallery && gallery->GetEnabled())
    {
        const int before = gallery->GetSelectedItem();
        gallery->HoverItem(hit.galleryItem);
        if (gallery->GetSelectedItem() != before)
            NotifyChanged();
    }
    if (m_hotControl.data() == hit.control && m_hotTab == hit.tab)
        return;
    m_hotControl = hit.control;
    m_hotTab = hit.tab;
    NotifyChanged();
}

void RibbonBarBase::OnRButtonUp(const QPoint& point)
{
    if (m_site == nullptr)
        return;
    const RibbonHit hit = m_site->HitTest(point);
    if (auto* gallery = qobject_cast<GalleryControl*>(hit.control); gallery && gallery->OnRButtonUp(point))
        return;
    if (hit.code != RibbonHitNowhere)
        TrackContextMenu(m_site->MapToGlobal(point));
}

MenuTable RibbonBarBase::CreateContextMenu() const
{
    return {MenuItem::Command(RibbonIds::MinimizeRibbon, QStringLiteral("Minimalizuj Wstążkę"))};
}

void RibbonBarBase::TrackContextMenu(const QPoint& screenPos)
{
    const Menu menu(CreateContextMenu());
    if (QAction* minimize = menu.FindItem(RibbonIds::MinimizeRibbon))
    {
        minimize->setCheckable(true);
        minimize->setChecked(m_minimized);
    }
    const std::uint32_t id = Menu::TrackPopupMenu(*menu.Get(), screenPos);
    if (id == RibbonIds::MinimizeRibbon)
        SetRibbonMinimized(!m_minimized);
    else if (CmdTarget* target = GetCommandTarget(); id != 0 && target)
        target->ExecuteCommand(id);
}

void RibbonBarBase::NotifyChanged()
{
    emit changed();
}

void RibbonBarBase::OnTabVisibilityChanged(RibbonTabBase& tab)
{
    m_tabControl->OnItemVisibilityChanged(tab);
}

RibbonBarBase::Batch::Batch(RibbonBarBase& ribbon)
    : m_ribbon(ribbon)
{
    if (m_ribbon.m_batchDepth++ == 0)
        m_ribbon.m_selectedBeforeBatch = m_ribbon.GetSelectedTab();
}

RibbonBarBase::Batch::~Batch()
{
    if (--m_ribbon.m_batchDepth == 0 && m_ribbon.GetSelectedTab() != m_ribbon.m_selectedBeforeBatch)
        m_ribbon.RunSelectionEffects(m_ribbon.m_selectedBeforeBatch);
}

void RibbonBarBase::OnSelectionChanged(RibbonTabBase* previous)
{
    if (m_batchDepth > 0)
        NotifyChanged();
    else
        RunSelectionEffects(previous);
}

void RibbonBarBase::RunSelectionEffects(RibbonTabBase* previous)
{
    if (RibbonTabBase* tab = GetSelectedTab())
    {
        tab->OnBeforeShow();
        for (const auto& group : tab->GetGroups())
        {
            for (const auto& control : group->GetControls())
            {
                if (auto* gallery = qobject_cast<GalleryControl*>(control.get()))
                    gallery->OnCalcDynamicSize();
            }
        }
    }
    NotifyChanged();
    UpdateControls();
    OnTabChanged(previous);
}

void RibbonBarBase::OnTabChanged(RibbonTabBase*)
{
    if (CmdTarget* target = GetCommandTarget())
    {
        NotifyInfo info(m_tabControl->GetID(), NotifyCodes::TabSelectionChange, this);
        target->SendNotify(info);
    }
}

void RibbonBarBase::ReplaceTabControl(std::unique_ptr<RibbonTabControl> tabControl)
{
    if (tabControl && GetTabCount() == 0)
        m_tabControl = std::move(tabControl);
}

void RibbonBarBase::UpdateControl(CmdTarget& target, RibbonControl& control)
{
    RibbonControlCmdUI cmdUI(control);
    cmdUI.DoUpdate(target, true);
}

void RibbonBarBase::UpdatePopup(CmdTarget& target, RibbonPopupBar& popup)
{
    for (const auto& control : popup.GetControls())
    {
        UpdateControl(target, *control);
        if (RibbonPopupBar* nested = control->GetCommandBar())
            UpdatePopup(target, *nested);
    }
}
