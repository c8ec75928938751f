#include "ribbon/alertstab/TabCtrlEx.h"

#include "platform/ui/RegisteredMessages.h"
#include "platform/ui/Wnd.h"
#include "ribbon/RibbonLog.h"
#include "ribbon/alertstab/ITabCtrlExOwner.h"

#include <QFocusEvent>
#include <QVariant>

namespace
{
const char* const kControlIdProperty = "q4ControlId";
}

TabCtrlEx::TabCtrlEx(QWidget* parent)
    : QTabWidget(parent)
{
    // The tab bar would take the focus for itself; the active view is to have it.
    setFocusProxy(nullptr);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QTabWidget::currentChanged, this, [this] { OnSelChange(); });
}

TabCtrlEx::~TabCtrlEx()
{
    // The pages go after this object; their removal must not reach OnSelChange.
    disconnect(this, &QTabWidget::currentChanged, this, nullptr);
}

void TabCtrlEx::SetViewControlId(QWidget* view, int id)
{
    if (view)
        view->setProperty(kControlIdProperty, id);
}

int TabCtrlEx::GetViewControlId(const QWidget* view)
{
    return view ? view->property(kControlIdProperty).toInt() : 0;
}

void TabCtrlEx::ActivateView(QWidget* view)
{
    NoteActiveView(view);
    if (view && indexOf(view) >= 0)
        setCurrentWidget(view);
}

std::uint32_t TabCtrlEx::UpdateRibbonMessage()
{
    static const std::uint32_t id = RegisteredMessages::Register(QStringLiteral("PulpitFrame_UpdateRibbon_message"));
    return id;
}

void TabCtrlEx::OnSelChange()
{
    NoteActiveView(currentWidget());
    if (m_owner)
        m_owner->OnTabChanged();
    PostUpdateRibbonMessage();
}

void TabCtrlEx::focusInEvent(QFocusEvent* event)
{
    QTabWidget::focusInEvent(event);
    if (QWidget* view = currentWidget())
        view->setFocus(event->reason());
}

void TabCtrlEx::NoteActiveView(const QWidget* view)
{
    if (m_owner == nullptr)
        return;
    switch (GetViewControlId(view))
    {
    case kDefinedAlertsViewId:
        m_owner->SetActiveTab(0);
        break;
    case kGeneratedAlertsViewId:
        m_owner->SetActiveTab(1);
        break;
    default:
        break;
    }
}

void TabCtrlEx::PostUpdateRibbonMessage()
{
    auto* frame = dynamic_cast<Wnd*>(window());
    if (frame == nullptr)
    {
        qCInfo(lcRibbon) << "TabCtrlEx: no main frame to update the ribbon";
        return;
    }
    frame->PostMessage(UpdateRibbonMessage());
}
