#include "styles/ui/StyleEditModeHandler.h"

#include "platform/modules/ModuleWndBase.h"
#include "platform/ui/CmdTarget.h"
#include "ribbon/QuorvantaRibbonBar.h"
#include "ribbon/QuorvantaTab.h"
#include "ribbon/RibbonsFactory.h"
#include "styles/engine/StyleBase.h"
#include "styles/ui/IStyleEditHost.h"
#include "styles/ui/StyleEditTabLayouts.h"

#include <QLoggingCategory>
#include <QRegion>

#include <set>

namespace
{
Q_LOGGING_CATEGORY(lcStyleEdit, "q4.styles.edit")
}

StyleEditModeHandler::StyleEditModeHandler(std::shared_ptr<IStyleEditHost> host)
    : m_host(std::move(host))
{
}

StyleEditModeHandler::~StyleEditModeHandler()
{
    QObject::disconnect(m_windowGone);
}

void StyleEditModeHandler::RegisterCmdTarget(StyleType kind, CmdTargetMaker maker)
{
    m_makers[kind] = std::move(maker);
}

QWidget* StyleEditModeHandler::GetEditedWindow() const
{
    return m_editedWindow.data();
}

void StyleEditModeHandler::BeginEditStyle(const std::shared_ptr<StyleBase>& style, const QString& title)
{
    if (style == nullptr || m_host == nullptr)
        return;
    // A second begin would overwrite the saved place and the hidden windows, which then
    // could never be put back.
    if (m_inEditMode)
    {
        qCWarning(lcStyleEdit) << "StyleEditModeHandler: a style is edited already;" << title << "is not begun";
        return;
    }
    const StyleType kind = style->GetType();
    RibbonsFactory* factory = m_host->GetRibbonsFactory();
    if (factory == nullptr || !factory->CreateStyleEditTabs())
    {
        qCWarning(lcStyleEdit) << "StyleEditModeHandler: no style tabs on the ribbon;" << title << "is not begun";
        return;
    }
    std::vector<QuorvantaTab*> tabs;
    if (QuorvantaRibbonBar* ribbonBar = factory->GetRibbonBar())
    {
        for (const std::uint32_t id : StyleEditTabLayouts::EditModeTabIds(kind))
        {
            if (auto* tab = dynamic_cast<QuorvantaTab*>(ribbonBar->FindTab(id)))
                tabs.push_back(tab);
        }
    }
    const auto maker = m_makers.find(kind);
    // Without its tabs the user could neither save nor discard.
    if (maker == m_makers.end() || !maker->second || tabs.empty())
    {
        qCWarning(lcStyleEdit) << "StyleEditModeHandler: styles of kind" << kind << "cannot be edited";
        return;
    }
    m_leftTarget.reset();
    std::shared_ptr<CmdTarget> target = maker->second(style, *this);
    if (target == nullptr)
        return;
    if (EnterEditStyleMode(std::move(target), title, std::move(tabs)) && m_editedWindow)
        m_editedWindow->ShowEditedStyle(style);
}

bool StyleEditModeHandler::EnterEditStyleMode(std::shared_ptr<CmdTarget> target, const QString& title,
                                              std::vector<QuorvantaTab*> tabs)
{
    ModuleWndBase* window = m_host->GetActiveModuleWnd();
    if (window == nullptr || window->parentWidget() == nullptr)
    {
        qCWarning(lcStyleEdit) << "StyleEditModeHandler: no active window for" << title;
        return false;
    }
    m_savedPosition = window->pos();
    m_editedWindow = window;
    m_windowGone = QObject::connect(window, &QObject::destroyed, [this] {
        m_editedWindow.clear();
        LeaveEditStyleMode();
    });
    m_inEditMode = true;
    UpdateEditedWindowLayout();

    m_cmdTarget = std::move(target);
    m_styleTabs = std::move(tabs);
    if (RibbonsFactory* factory = m_host->GetRibbonsFactory())
        factory->ShowStyleEditTabs(true, std::set<const RibbonTabBase*>(m_styleTabs.begin(), m_styleTabs.end()));
    HideSiblings(*window);
    m_title = title;

    m_host->SetStyleEditFlag(true);
    m_host->UpdateFrameTitles();
    m_host->SetStyleEditSystemMenu();
    window->OnBeforeEnteringEditStyleMode();
    window->parentWidget()->update();
    window->EnterEditStyleMode();
    window->setEnabled(false);
    return true;
}

void StyleEditModeHandler::HideSiblings(QWidget& window)
{
    // In stacking order, as the siblings lie in the parent.
    for (QObject* child : window.parentWidget()->children())
    {
        auto* sibling = qobject_cast<QWidget*>(child);
        if (sibling == nullptr || sibling == &window || sibling->isHidden() || sibling->isWindow())
            continue;
        m_hiddenWindows.emplace_back(sibling);
        sibling->hide();
    }
}

void StyleEditModeHandler::UpdateEditedWindowLayout()
{
    if (!m_inEditMode)
        return;
    ModuleWndBase* window = m_editedWindow.data();
    if (window == nullptr || window->parentWidget() == nullptr)
    {
        LeaveEditStyleMode();
        return;
    }
    window->move(CentredPosition(window->parentWidget()->rect(), window->size()));
    window->raise();
    window->setMask(QRegion(window->rect()));
    window->parentWidget()->update();
}

QPoint StyleEditModeHandler::CentredPosition(const QRect& parentArea, const QSize& windowSize)
{
    // Halves as the integer division of the system: towards zero.
    const int right = parentArea.x() + parentArea.width();
    const int bottom = parentArea.y() + parentArea.height();
    return QPoint((parentArea.x() + right) / 2 - windowSize.width() / 2,
                  (parentArea.y() + bottom) / 2 - windowSize.height() / 2);
}

void StyleEditModeHandler::LeaveEditStyleMode()
{
    if (!m_inEditMode)
        return;
    for (const QPointer<QWidget>& sibling : m_hiddenWindows)
    {
        if (sibling)
            sibling->show();
    }
    m_hiddenWindows.clear();
    RibbonsFactory* factory = m_host->GetRibbonsFactory();
    if (factory)
        factory->ShowStyleEditTabs(false);
    m_styleTabs.clear();
    m_leftTarget = std::move(m_cmdTarget);

    QObject::disconnect(m_windowGone);
    ModuleWndBase* window = m_editedWindow.data();
    if (window)
    {
        window->clearMask();
        window->move(m_savedPosition);
    }
    m_host->SetStyleEditFlag(false);
    m_inEditMode = false;
    if (QWidget* mainWindow = m_host->GetMainWindow())
        mainWindow->update();
    m_host->UpdateFrameTitles();
    m_host->SetMainSystemMenu();
    if (window)
        RestoreEditedWindow(*window);
    m_host->UpdateRibbonContextWithoutModule();
    m_host->RedrawModuleWindows();
    m_editedWindow = nullptr;
    m_title.clear();
}

void StyleEditModeHandler::RestoreEditedWindow(ModuleWndBase& window)
{
    if (QWidget* parent = window.parentWidget())
        parent->update();
    window.LeaveEditStyleMode();
    window.RedrawAfterLayoutMayChanged();
    window.OnBeforeLeavingStyleEditMode();
    window.setEnabled(true);
    window.ForceActivate();
}
