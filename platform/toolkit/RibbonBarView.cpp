#include "platform/toolkit/RibbonBarView.h"

#include "platform/toolkit/CommandBars.h"
#include "platform/toolkit/PaintManager.h"
#include "platform/toolkit/RibbonBarBase.h"
#include "platform/toolkit/RibbonControl.h"
#include "platform/toolkit/RibbonControlEditors.h"
#include "platform/toolkit/RibbonGroupBase.h"
#include "platform/toolkit/RibbonPaintedEdit.h"
#include "platform/toolkit/RibbonImageManager.h"
#include "platform/toolkit/RibbonPainter.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/toolkit/RibbonPopupMenu.h"
#include "platform/toolkit/RibbonTabBase.h"
#include "platform/toolkit/ToolTipHtml.h"
#include "platform/ui/DialogServices.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

namespace
{
// The view of a ribbon that belongs to no command bars yet still needs icons.
const RibbonImageManager& NoImages()
{
    static const RibbonImageManager images;
    return images;
}
}

RibbonBarView::RibbonBarView(RibbonBarBase& ribbon, QWidget* parent)
    : QWidget(parent)
    , Wnd(this)
    , m_ribbon(&ribbon)
{
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_ribbon->SetSite(this);
    connect(&ribbon, &RibbonBarBase::changed, this, &RibbonBarView::OnRibbonChanged);
    connect(&ribbon, &QObject::destroyed, this, &RibbonBarView::OnRibbonChanged);
    connect(&PaintManager::Instance(), &PaintManager::changed, this, qOverload<>(&QWidget::update));
}

RibbonBarView::~RibbonBarView()
{
    if (m_ribbon && m_ribbon->GetSite() == this)
        m_ribbon->SetSite(nullptr);
}

const RibbonLayout& RibbonBarView::Layout()
{
    EnsureLayout();
    return m_layout;
}

QWidget* RibbonBarView::EditorOf(const RibbonControl* control) const
{
    return m_editors.value(control).data();
}

QSize RibbonBarView::sizeHint() const
{
    EnsureLayout();
    return {std::max(width(), 600), m_layout.Height()};
}

QSize RibbonBarView::minimumSizeHint() const
{
    EnsureLayout();
    return {200, m_layout.Height()};
}

RibbonHit RibbonBarView::HitTest(const QPoint& point) const
{
    EnsureLayout();
    return m_layout.HitTest(point);
}

QPoint RibbonBarView::MapToGlobal(const QPoint& point) const
{
    return mapToGlobal(point);
}

QRect RibbonBarView::ScreenRect(const RibbonControl& control) const
{
    EnsureLayout();
    const RibbonLayout::ControlItem* item = m_layout.FindControl(&control);
    return item ? QRect(mapToGlobal(item->rect.topLeft()), item->rect.size()) : QRect();
}

void RibbonBarView::TrackPopup(RibbonControl& control)
{
    if (control.ShowPopupWindow(ScreenRect(control)))
        return;
    RibbonPopupBar* popup = control.GetCommandBar();
    if (popup == nullptr || !m_ribbon)
        return;
    m_ribbon->OnPopupOpening(*popup);
    const RibbonPopupMenu menu(*popup, Images(), this);
    const QRect anchor = ScreenRect(control);
    m_activeMenu = menu.Get();
    QAction* chosen = DialogServices::MenuTracker()->Exec(*menu.Get(), anchor.bottomLeft());
    m_activeMenu.clear();
    RibbonControl* chosenControl = menu.ControlOf(chosen);
    if (chosenControl && chosenControl->GetEnabled())
        chosenControl->OnExecute();
}

void RibbonBarView::TrackGroupPopup(const RibbonLayout::GroupItem& group)
{
    if (!m_ribbon)
        return;
    RibbonGroupBase* shown = group.group;
    const QRect anchor(mapToGlobal(group.collapsedButton.topLeft()), group.collapsedButton.size());
    // The group's popups open as submenus: their galleries are filled now, as a popup's are.
    m_ribbon->UpdateControls();
    for (const auto& control : shown->GetControls())
    {
        if (RibbonPopupBar* popup = control->GetCommandBar())
            m_ribbon->OnPopupOpening(*popup);
    }
    const RibbonPopupMenu menu(shown->GetControls(), Images(), this);
    m_activeMenu = menu.Get();
    QAction* chosen = DialogServices::MenuTracker()->Exec(*menu.Get(), anchor.bottomLeft());
    m_activeMenu.clear();
    RibbonControl* chosenControl = menu.ControlOf(chosen);
    if (!chosenControl || !chosenControl->GetEnabled())
        return;
    // A control whose popup is a window of its own opens it under the group's button.
    if (chosenControl->HasPopupType() && chosenControl->ShowPopupWindow(anchor))
        return;
    chosenControl->OnExecute();
}

void RibbonBarView::ClosePopups()
{
    if (m_activeMenu)
        m_activeMenu->close();
}

bool RibbonBarView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
    {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!ShowToolTip(help->pos(), help->globalPos()))
        {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void RibbonBarView::paintEvent(QPaintEvent*)
{
    if (!m_ribbon)
        return;
    EnsureLayout();
    QPainter painter(this);
    const PaintManager& look = PaintManager::Instance();
    RibbonPainter(painter, *m_ribbon, Images(), look.GetRibbonPalette(), look.GetRibbonPaintManager()).Paint(m_layout);
}

void RibbonBarView::resizeEvent(QResizeEvent* event)
{
    m_layoutValid = false;
    PlaceEditors();
    QWidget::resizeEvent(event);
}

void RibbonBarView::showEvent(QShowEvent* event)
{
    SetTimer(kUpdateTimerId, kUpdatePeriodMs);
    if (m_ribbon)
        m_ribbon->UpdateControls();
    QWidget::showEvent(event);
}

void RibbonBarView::hideEvent(QHideEvent* event)
{
    KillTimer(kUpdateTimerId);
    QWidget::hideEvent(event);
}

void RibbonBarView::mousePressEvent(QMouseEvent* event)
{
    if (!m_ribbon || event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    EnsureLayout();
    if (m_layout.scrollLeft.contains(point))
        ScrollGroups(-width() / 2);
    else if (m_layout.scrollRight.contains(point))
        ScrollGroups(width() / 2);
    else if (const RibbonLayout::GroupItem* collapsed = m_layout.CollapsedGroupAt(point))
        TrackGroupPopup(*collapsed);
    else
        m_ribbon->OnLButtonDown(point);
}

void RibbonBarView::wheelEvent(QWheelEvent* event)
{
    EnsureLayout();
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0 || !m_layout.groupRow.contains(event->position().toPoint()))
    {
        event->ignore();
        return;
    }
    ScrollGroups(-notches * 60);
}

void RibbonBarView::ScrollGroups(int pixels)
{
    m_groupScroll = m_layout.groupScroll + pixels;
    OnRibbonChanged();
}

void RibbonBarView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_ribbon)
        return;
    if (event->button() == Qt::LeftButton)
        m_ribbon->OnLButtonUp(event->position().toPoint());
    else if (event->button() == Qt::RightButton)
        m_ribbon->OnRButtonUp(event->position().toPoint());
}

void RibbonBarView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_ribbon && event->button() == Qt::LeftButton)
        m_ribbon->OnLButtonDblClk(event->position().toPoint());
}

void RibbonBarView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_ribbon)
        m_ribbon->OnMouseMove(event->position().toPoint());
}

void RibbonBarView::leaveEvent(QEvent*)
{
    if (m_ribbon)
        m_ribbon->OnMouseMove(QPoint(-1, -1));
}

void RibbonBarView::OnTimer(std::uint32_t id)
{
    if (id == kUpdateTimerId && m_ribbon)
        m_ribbon->UpdateControls();
}

const RibbonImageManager& RibbonBarView::Images() const
{
    const CommandBars* commandBars = m_ribbon ? m_ribbon->GetCommandBars() : nullptr;
    return commandBars ? commandBars->GetImageManager() : NoImages();
}

void RibbonBarView::OnRibbonChanged()
{
    const int oldHeight = m_layout.Height();
    m_layoutValid = false;
    EnsureLayout();
    if (m_layout.Height() != oldHeight)
        updateGeometry();
    PlaceEditors();
    update();
}

void RibbonBarView::EnsureLayout() const
{
    if (m_layoutValid)
        return;
    const RibbonTabBase* selected = m_ribbon ? m_ribbon->GetSelectedTab() : nullptr;
    if (selected != m_scrolledTab)
    {
        m_scrolledTab = selected;
        m_groupScroll = 0;
    }
    m_layout = m_ribbon ? RibbonLayout(*m_ribbon, Images(), fontMetrics(), std::max(width(), 1), m_groupScroll)
                        : RibbonLayout();
    m_groupScroll = m_layout.groupScroll;
    m_layoutValid = true;
}

void RibbonBarView::PlaceEditors()
{
    EnsureLayout();
    QHash<const RibbonControl*, QPointer<QWidget>> shown;
    for (const RibbonLayout::GroupItem& group : m_layout.groups)
    {
        for (const RibbonLayout::ControlItem& item : group.controls)
        {
            QWidget* editor = m_editors.take(item.control).data();
            if (editor == nullptr)
                editor = RibbonControlEditors::Create(*item.control, this);
            if (editor == nullptr)
                continue;
            RibbonControlEditors::Sync(*editor, *item.control);
            const int field = item.control->GetWidth() > 0 ? item.control->GetWidth() : 100;
            const int height = std::min(item.rect.height() - 2, editor->sizeHint().height());
            // A painted edit draws its caption itself, so it covers the whole control.
            if (qobject_cast<RibbonPaintedEdit*>(editor))
                editor->setGeometry(item.rect);
            else
                editor->setGeometry(item.rect.right() - field - 1, item.rect.center().y() - height / 2, field, height);
            editor->show();
            shown.insert(item.control, editor);
        }
    }
    for (const QPointer<QWidget>& stale : std::as_const(m_editors))
    {
        if (stale)
            stale->deleteLater();
    }
    m_editors = shown;
}

bool RibbonBarView::ShowToolTip(const QPoint& point, const QPoint& globalPos)
{
    const RibbonHit hit = HitTest(point);
    QString html;
    if (hit.control)
    {
        const QString caption = RibbonLayout::DisplayText(hit.control->GetTooltip().isEmpty()
                                                              ? hit.control->GetCaption()
                                                              : hit.control->GetTooltip());
        html = ToolTipHtml::Make(caption, hit.control->GetDescription());
    }
    else if (hit.tab && !hit.tab->GetTooltip().isEmpty())
        html = hit.tab->GetTooltip().toHtmlEscaped();
    else
    {
        // A context's caption shortened to its tabs' width is read whole in its tooltip.
        for (const RibbonLayout::HeaderItem& item : m_layout.headers)
            if (item.rect.contains(point))
                html = RibbonLayout::DisplayText(item.header.caption).toHtmlEscaped();
    }
    if (html.isEmpty())
        return false;
    QToolTip::showText(globalPos, html, this);
    return true;
}
