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
#include "workspace/ui/ModuleWindowFrame.h"
#include "workspace/ui/PanelFrame.h"
#include "workspace/ui/PulpitFrame.h"

#include <QChildEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

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
    else if (event->type() == QEvent::ChildRemoved && !m_frames.empty())
    {
        // A window closed or went to another view: its frame goes, and when it was the active
        // one the next window takes over.
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (std::none_of(m_frames.begin(), m_frames.end(), [child](const auto& frame) { return frame.data() == child; }))
        {
            SweepFrames();
            QTimer::singleShot(0, this, &PanelView::ActivateTopWhenActiveGone);
        }
    }
    return View::event(event);
}

bool PanelView::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = qobject_cast<ModuleWndBase*>(watched);
    if (window == nullptr || window->parentWidget() != this)
        return View::eventFilter(watched, event);
    switch (event->type())
    {
    case QEvent::Show:
        if (ModuleWindowFrame* frame = FrameOf(window))
            frame->Sync();
        else
            Frame(*window, true);
        return false;
    case QEvent::Hide:
        if (ModuleWindowFrame* frame = FrameOf(window))
            frame->Sync();
        // Only a window hidden itself, not one whose screen was left.
        if (window->isHidden())
            QTimer::singleShot(0, this, &PanelView::ActivateTopWhenActiveGone);
        return false;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ZOrderChange:
    case QEvent::WindowTitleChange:
    case QEvent::WindowStateChange:
        if (ModuleWindowFrame* frame = FrameOf(window))
            frame->Sync();
        return false;
    case QEvent::MouseButtonPress:
        break;
    default:
        return false;
    }
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

// Window frames

ModuleWindowFrame* PanelView::FrameOf(const ModuleWndBase* window) const
{
    for (const QPointer<ModuleWindowFrame>& frame : m_frames)
        if (frame && frame->GetWindow() == window)
            return frame;
    return nullptr;
}

ModuleWindowFrame* PanelView::Frame(ModuleWndBase& window, bool place)
{
    if (place)
        PlaceNew(window);
    auto* frame = new ModuleWindowFrame(window, *this);
    m_frames.emplace_back(frame);
    return frame;
}

void PanelView::PlaceNew(ModuleWndBase& window)
{
    if (rect().isEmpty() || (window.windowState() & Qt::WindowMaximized))
        return;
    const ModuleWindowPlacement placement = ModuleWindowFrame::Placement(*this);
    std::vector<QRect> taken;
    for (ModuleWndBase* other : GetModuleWindows())
        if (other != &window && !other->isHidden() && FrameOf(other))
            taken.push_back(placement.OuterOf(other->geometry()));
    window.setGeometry(placement.PlaceNew(window.size(), rect(), taken));
}

void PanelView::SweepFrames()
{
    for (auto it = m_frames.begin(); it != m_frames.end();)
    {
        ModuleWindowFrame* frame = *it;
        if (frame && frame->GetWindow() && frame->GetWindow()->parentWidget() == this)
        {
            ++it;
            continue;
        }
        if (frame)
            frame->deleteLater();
        it = m_frames.erase(it);
    }
}

void PanelView::UpdateFrames()
{
    for (const QPointer<ModuleWindowFrame>& frame : m_frames)
        if (frame)
            frame->Sync();
}

std::vector<ModuleWndBase*> PanelView::ShownWindows() const
{
    std::vector<ModuleWndBase*> shown;
    for (ModuleWndBase* window : GetModuleWindows())
        if (!window->isHidden())
            shown.push_back(window);
    return shown;
}

void PanelView::ActivateTopWhenActiveGone()
{
    PulpitFrame* mainFrame = GetMainFrame();
    IApplicationObject* application = mainFrame ? mainFrame->GetApplication() : nullptr;
    if (!mainFrame || mainFrame->IsClosing() || !mainFrame->IsSessionLoaded() || !application || !isVisible())
        return;
    if (application->GetActivePanelView() && application->GetActivePanelView() != this)
        return;
    const IStyleEditModeHandler* handler = mainFrame->GetStyleEditModeHandler();
    if (handler && handler->IsInEditMode())
        return;
    const ModuleWndBase* active = mainFrame->GetActiveModuleWnd();
    if (active && !active->isHidden())
        return;
    // The ribbon forgets the window that went before the next one is activated, so no contextual
    // tab or command of the gone window stays when the next cannot be activated.
    mainFrame->ResetRibbonContext();
    const std::vector<ModuleWndBase*> shown = ShownWindows();
    if (!shown.empty())
        shown.front()->ForceActivate();
    UpdateFrames();
}

void PanelView::ArrangeRestored(const std::vector<RestoredWindow>& windows)
{
    for (const RestoredWindow& restored : windows)
    {
        if (!restored.window || restored.window->parentWidget() != this)
            continue;
        if (restored.rect.isValid())
            restored.window->setGeometry(restored.rect);
        if (ModuleWindowFrame* frame = FrameOf(restored.window))
            frame->Sync();
        else
            Frame(*restored.window, !restored.rect.isValid());
    }
    // The file lists the windows topmost first: raising them from the last gives that order.
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (it->window && it->window->parentWidget() == this)
            it->window->raise();
    // Each window took the focus as it opened; the top one keeps it, or the main window's
    // activation would bring the last opened one up again.
    const std::vector<ModuleWndBase*> shown = ShownWindows();
    if (!shown.empty())
        shown.front()->setFocus(Qt::OtherFocusReason);
}

bool PanelView::CloseWindow(ModuleWndBase& window)
{
    PulpitFrame* mainFrame = GetMainFrame();
    const bool wasActive = mainFrame && mainFrame->GetActiveModuleWnd() == &window;
    QPointer<ModuleWndBase> closing(&window);
    if (wasActive)
    {
        for (ModuleWndBase* next : ShownWindows())
        {
            if (next == &window)
                continue;
            next->ForceActivate();
            break;
        }
    }
    window.close();
    if (closing && !closing->isHidden())
    {
        // The module kept it open: it stays the window the user works in.
        if (wasActive)
            closing->ForceActivate();
        return false;
    }
    return true;
}

bool PanelView::CycleWindows(bool backwards)
{
    const std::vector<ModuleWndBase*> shown = ShownWindows();
    if (shown.size() < 2)
        return false;
    PulpitFrame* mainFrame = GetMainFrame();
    ModuleWndBase* active = mainFrame ? mainFrame->GetActiveModuleWnd() : nullptr;
    if (backwards)
    {
        shown.back()->ForceActivate();
        return true;
    }
    ModuleWndBase* top = std::find(shown.begin(), shown.end(), active) != shown.end() ? active : shown.front();
    top->lower();
    const std::vector<ModuleWndBase*> after = ShownWindows();
    after.front()->ForceActivate();
    return true;
}
