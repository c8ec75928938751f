#include "workspace/ui/PanelView.h"

#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IApplicationObject.h"
#include "core/mediator/ICloudModule.h"
#include "core/mediator/IInProcessAlertModule.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/modules/TableConsumer.h"
#include "platform/toolkit/PaintManager.h"
#include "platform/ui/Document.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PulpitFrame.h"

#include <QChildEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace
{
// The toolkit's colours of the panel: background, the gradient's end, the edited window's frame.
constexpr int kBackgroundColor = 52;
constexpr int kGradientEndColor = 51;
constexpr int kFrameColor = 54;
constexpr int kFrameMiddleColor = 32;
constexpr int kFrameShadePercent = 75;

QColor Xtreme(int index)
{
    return PaintManager::Instance().GetXtremeColor(index);
}

QColor MixWithBlack(const QColor& color, int percent)
{
    return QColor(color.red() * percent / 100, color.green() * percent / 100, color.blue() * percent / 100);
}
}

PanelView::PanelView(QWidget* parent)
    : View(parent)
{
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
}

PanelView::~PanelView() = default;

PanelFrame* PanelView::GetPanelFrame() const
{
    return qobject_cast<PanelFrame*>(GetParentFrame());
}

PulpitFrame* PanelView::GetMainFrame() const
{
    PanelFrame* frame = GetPanelFrame();
    return frame ? frame->GetMainFrame() : nullptr;
}

std::vector<ModuleWndBase*> PanelView::GetModuleWindows() const
{
    std::vector<ModuleWndBase*> windows;
    const QObjectList& children = this->children();
    // Children are kept bottom to top; the windows' order is top to bottom.
    for (auto child = children.rbegin(); child != children.rend(); ++child)
    {
        if (auto* window = qobject_cast<ModuleWndBase*>(*child))
            windows.push_back(window);
    }
    return windows;
}

void PanelView::OnActivateView(bool activate)
{
    PulpitFrame* mainFrame = GetMainFrame();
    IApplicationObject* application = mainFrame ? mainFrame->GetApplication() : nullptr;
    if (application == nullptr)
        return;
    if (!activate)
    {
        if (application->GetActivePanelView() == this)
            application->SetActivePanelView(nullptr);
        return;
    }
    if (application->GetActivePanelView() == this)
        return;
    FitMaximizedChildren();
    application->SetActivePanelView(this);
    MakeCurrent();

    // The top child when it is a module window, else the first module window under it.
    const std::vector<ModuleWndBase*> windows = GetModuleWindows();
    ModuleWndBase* window = windows.empty() ? nullptr : windows.front();
    if (window == nullptr)
    {
        mainFrame->ResetRibbonContext();
        return;
    }
    if (mainFrame->IsSessionLoaded() && (!window->ShowHideMechanismOn() || window->Visible()))
        window->ForceActivate();
}

void PanelView::MakeCurrent()
{
    PulpitFrame* mainFrame = GetMainFrame();
    IApplicationObject* application = mainFrame ? mainFrame->GetApplication() : nullptr;
    if (application == nullptr)
        return;
    QWidget* previous = application->GetCurrentPanelView();
    if (previous != this)
    {
        if (auto* previousView = qobject_cast<PanelView*>(previous))
            previousView->NotifyModuleWndsBackground();
        NotifyModuleWndsCurrent();
    }
    application->SetCurrentPanelView(this);
}

void PanelView::FitMaximizedChildren()
{
    for (QObject* child : children())
    {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow() && (widget->windowState() & Qt::WindowMaximized))
            widget->setGeometry(rect());
    }
}

void PanelView::NotifyModuleWndsCurrent()
{
    AdoptSharedWindows();
    for (ModuleWndBase* window : GetModuleWindows())
        window->OnCurrentView();
}

void PanelView::NotifyModuleWndsBackground()
{
    for (ModuleWndBase* window : GetModuleWindows())
        window->OnCurrentViewGoingBackground();
}

void PanelView::AdoptSharedWindows()
{
    AppMediator* mediator = AppMediator::Instance();
    if (mediator == nullptr)
        return;
    if (IInProcessAlertModule* alerts = mediator->GetAlertModule())
        Adopt(alerts->GetShownAlertDefinitionDlg());
    if (ICloudModule* cloud = mediator->GetCloudModule())
        Adopt(cloud->GetAlertDefinitionDlg());
    if (TableConsumer* tables = mediator->GetConsumerManager()->GetTableConsumer())
    {
        tables->SetConfigTypeFieldsWndParent(this);
        tables->ShowConfigTypeFieldsWnd(false);
    }
    if (ChartConsumer* charts = mediator->GetConsumerManager()->GetChartConsumer())
        charts->SetParentInspectorWindow(this);
}

void PanelView::Adopt(QWidget* window)
{
    if (window == nullptr || window->parentWidget() == this)
        return;
    const bool visible = window->isVisible();
    window->setParent(this, window->windowFlags() & ~Qt::Window);
    if (visible)
        window->show();
}

bool PanelView::event(QEvent* event)
{
    // Every child learns of clicks through the view, so a click on a module window activates it.
    if (event->type() == QEvent::ChildAdded)
    {
        if (auto* widget = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            widget->installEventFilter(this);
    }
    return View::event(event);
}

bool PanelView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return View::eventFilter(watched, event);
    auto* window = qobject_cast<ModuleWndBase*>(watched);
    if (window == nullptr || window->parentWidget() != this)
        return false;
    PulpitFrame* mainFrame = GetMainFrame();
    const QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (!window->IsOwnCaptionButtonAt(point) && (!mainFrame || mainFrame->GetActiveModuleWnd() != window))
        window->ForceActivate();
    return false;
}

void PanelView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PulpitFrame* mainFrame = GetMainFrame();
    const IStyleEditModeHandler* handler = mainFrame ? mainFrame->GetStyleEditModeHandler() : nullptr;
    if (handler == nullptr || !handler->IsInEditMode())
    {
        painter.fillRect(rect(), Xtreme(kBackgroundColor));
        return;
    }
    QLinearGradient gradient(rect().topLeft(), rect().bottomLeft());
    gradient.setColorAt(0, Xtreme(kBackgroundColor));
    gradient.setColorAt(1, Xtreme(kGradientEndColor));
    painter.fillRect(rect(), gradient);
    const ModuleWndBase* edited = mainFrame->GetActiveModuleWnd();
    if (edited == nullptr || edited->parentWidget() != this)
        return;
    QRect frame = edited->geometry();
    for (const QColor& color : {MixWithBlack(Xtreme(kFrameColor), kFrameShadePercent), Xtreme(kFrameMiddleColor),
                                Xtreme(kFrameColor)})
    {
        frame.adjust(-1, -1, 1, 1);
        painter.setPen(color);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    }
}

void PanelView::resizeEvent(QResizeEvent* event)
{
    View::resizeEvent(event);
    FitMaximizedChildren();
    UpdateEditedWindowLayout();
}

void PanelView::moveEvent(QMoveEvent* event)
{
    View::moveEvent(event);
    UpdateEditedWindowLayout();
}

void PanelView::UpdateEditedWindowLayout()
{
    PulpitFrame* mainFrame = GetMainFrame();
    IStyleEditModeHandler* handler = mainFrame ? mainFrame->GetStyleEditModeHandler() : nullptr;
    if (handler && handler->IsInEditMode())
        handler->UpdateEditedWindowLayout();
}

void PanelView::focusInEvent(QFocusEvent* event)
{
    PulpitFrame* mainFrame = GetMainFrame();
    if (ModuleWndBase* active = mainFrame ? mainFrame->GetActiveModuleWnd() : nullptr;
        active && active->parentWidget() == this)
    {
        if (!active->hasFocus())
            active->setFocus(Qt::OtherFocusReason);
        return;
    }
    View::focusInEvent(event);
}
