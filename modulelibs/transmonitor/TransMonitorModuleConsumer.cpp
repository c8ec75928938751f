#include "modulelibs/transmonitor/TransMonitorModuleConsumer.h"

#include "styles/engine/StylesContainer.h"

TransMonitorModuleConsumer::TransMonitorModuleConsumer()
    : WindowedConsumer({QStringLiteral("TransactionsMonitor"), QStringLiteral(".q4tm"),
                        QStringLiteral("Pliki monitora transakcji (*.q4tm)|*.q4tm"), QStringLiteral("Monitor transakcji"),
                        QStringLiteral(".q5tm"), QStringLiteral("monitora transakcji")})
{
}

bool TransMonitorModuleConsumer::ShowNewTransactionsMonitorWindow(QWidget* view, int flags)
{
    return OpenNew(view, nullptr, QStringLiteral("ShowNewTransactionsMonitorWindow"), __LINE__);
}

void TransMonitorModuleConsumer::SetValue(int context, int value)
{
    TransMonitorWindow* window = ActiveWindow();
    if (!window)
        return;
    switch (context)
    {
    case ContextLock:
        window->LockColumns(!window->AreColumnsLocked());
        break;
    case ContextScroll:
        window->HideScroll(!window->IsScrollHidden());
        break;
    case ContextPreviewStyle:
        PreviewActiveStyle(value);
        break;
    case ContextCancelPreview:
        CancelActivePreview();
        break;
    case ContextApplyPreview:
        ApplyActivePreview();
        break;
    default:
        return;
    }
    window->update();
}

SimpleValue TransMonitorModuleConsumer::GetValue(int context) const
{
    const TransMonitorWindow* window = ActiveWindow();
    if (!window)
        return {};
    switch (context)
    {
    case ContextLock:
        return SimpleValue(window->AreColumnsLocked());
    case ContextScroll:
        return SimpleValue(!window->IsScrollHidden());
    case ContextStyleId:
        return SimpleValue(ActiveStyleId());
    default:
        return {};
    }
}

void TransMonitorModuleConsumer::ManageAssets()
{
    TransMonitorWindow* window = ActiveWindow();
    if (!window)
        return;
    if (!m_chooser)
    {
        WriteWarning(QStringLiteral("ManageAssets"), __LINE__,
                     QStringLiteral("Nie wybrano instrumentów monitora transakcji: program nie ma okna wyboru."));
        return;
    }
    std::set<Asset> assets = window->ChosenAssets();
    if (assets.empty())
        assets = std::set<Asset>(window->FollowedAssets().begin(), window->FollowedAssets().end());
    if (m_chooser(assets))
        window->SetChosenAssets(assets);
}

bool TransMonitorModuleConsumer::EditActiveStyle()
{
    TransMonitorWindow* window = ActiveWindow();
    if (!window)
        return false;
    if (!m_styleEditor)
    {
        WriteWarning(QStringLiteral("EditActiveStyle"), __LINE__,
                     QStringLiteral("Nie rozpoczęto edycji stylu monitora transakcji: program nie edytuje stylów."));
        return false;
    }
    std::shared_ptr<StyleBase> style =
        StylesContainer::Instance().FindStyle(window->StyleParams().FollowedStyleId(), TransMonitorWindow::kStyleType);
    if (!style)
        style = DefaultStyle();
    m_styleEditor(style, QStringLiteral("Podgląd i edycja stylu monitora transakcji"));
    return true;
}
