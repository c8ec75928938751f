#pragma once
// A module library's consumer whose windows are FeedWindows of one kind: it opens them on the
// running provider, keeps them and the one the user activated last (the library's active
// window, which the ribbon's commands act on), and writes and reads their window files and
// next-generation exports. Main thread only.

#include "modulelibs/common/ModuleConsumer.h"
#include "modulelibs/windows/AssetRef.h"
#include "modulelibs/windows/FeedWindow.h"
#include "platform/modules/ConnectWindowEvent.h"
#include "platform/modules/ConnectedWindowData.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StylesContainer.h"

#include <QPointer>

#include <algorithm>
#include <vector>

template <typename Interface, typename Window>
class WindowedConsumer : public ModuleConsumer<Interface>
{
public:
    using Base = ModuleConsumer<Interface>;
    using Base::Base;

    // The window the ribbon acts on; null when none is open.
    Window* ActiveWindow() const
    {
        if (m_active)
            return m_active;
        for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it)
            if (*it)
                return *it;
        return nullptr;
    }

    std::vector<Window*> Windows() const
    {
        std::vector<Window*> windows;
        for (const QPointer<Window>& window : m_windows)
            if (window)
                windows.push_back(window);
        return windows;
    }

    std::shared_ptr<StyleBase> DefaultStyle() const override { return StyleKinds::DefaultStyle(Window::kStyleType); }

    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override
    {
        auto* own = qobject_cast<Window*>(window);
        if (!own)
            return Base::SaveWindowToFile(window, path, flags, embedStyles);
        Settings root;
        own->SaveState(root);
        return root.SaveToFile(path, kRootName);
    }

    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override
    {
        auto* own = qobject_cast<Window*>(window);
        if (!own)
            return Base::SaveWindowToQ5Format(window, path, flags, reserved);
        Q5Settings root;
        root["Module"] = this->GetQ5ModuleName();
        root["Ticker"] = own->GetAsset().GetShortName();
        root["Market"] = own->GetAsset().GetMarket();
        root["Isin"] = own->GetAsset().GetIsin();
        root["ColumnsLocked"] = own->AreColumnsLocked();
        root["ScrollHidden"] = own->IsScrollHidden();
        return root.SaveToFile(path, "Settings");
    }

    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override
    {
        Settings root;
        QString reason;
        if (!root.LoadFromFile(path, kRootName, &reason))
        {
            this->WriteWarning(QStringLiteral("OpenWindowFromFile"), __LINE__,
                               QStringLiteral("Nie otwarto pliku \"%1\": %2").arg(path, reason));
            return false;
        }
        auto* window = Make(parent);
        const auto resolve = [](int id) { return StylesContainer::Instance().FindStyle(id, Window::kStyleType); };
        if (!window->LoadState(root, resolve))
        {
            delete window;
            this->WriteWarning(QStringLiteral("OpenWindowFromFile"), __LINE__,
                               QStringLiteral("Nie otwarto pliku \"%1\": dostawca danych nie zna jego instrumentu.")
                                   .arg(path));
            return false;
        }
        Show(window);
        return true;
    }

    void CollectWindowsData(std::vector<ConnectedWindowData>& windows) const override
    {
        for (Window* window : Windows())
            windows.push_back({ConnectWindowEvent::WindowIdOf(window), window});
    }

    void Refresh() override
    {
        for (Window* window : Windows())
            window->update();
    }

protected:
    // The operations of the consumer interfaces on the active window; nothing without one.
    void RedrawActive() const
    {
        if (Window* window = ActiveWindow())
            window->update();
    }
    bool ActiveColumnsLocked() const { return ActiveWindow() && ActiveWindow()->AreColumnsLocked(); }
    void LockActiveColumns(bool locked)
    {
        if (Window* window = ActiveWindow())
            window->LockColumns(locked);
    }
    int ActiveStyleId() const { return ActiveWindow() ? ActiveWindow()->StyleParams().FollowedStyleId() : 0; }
    bool PreviewActiveStyle(int styleId)
    {
        Window* window = ActiveWindow();
        return window &&
               window->StyleParams().PreviewStyle(StylesContainer::Instance().FindStyle(styleId, Window::kStyleType));
    }
    void CancelActivePreview() { OnActiveStyle([](WindowStyleParams& style) { style.CancelPreviewStyle(); }); }
    void ApplyActivePreview() { OnActiveStyle([](WindowStyleParams& style) { style.ApplyPreviewStyle(); }); }
    void ChangeActiveParam(int group, int param, int value)
    {
        OnActiveStyle([&](WindowStyleParams& style) { style.ChangeParam(group, param, value); });
    }
    void CancelActiveParams() { OnActiveStyle([](WindowStyleParams& style) { style.Cancel(); }); }
    void ApplyActiveParams() { OnActiveStyle([](WindowStyleParams& style) { style.Apply(); }); }
    void RestoreActiveParams() { OnActiveStyle([](WindowStyleParams& style) { style.Restore(); }); }
    int ActiveParam(int group, int param) const
    {
        return ActiveWindow() ? ActiveWindow()->StyleParams().GetParam(group, param) : 0;
    }

    // A new window on the instrument (or the one new windows open on); false, logged, without one.
    bool OpenNew(QWidget* view, const Asset* asset, const QString& operation, int line)
    {
        const std::optional<Asset> chosen = AssetRef::ForNewWindow(asset);
        if (!chosen)
        {
            this->WriteWarning(operation, line,
                               QStringLiteral("Nie otwarto okna %1: dostawca danych nie podał instrumentu.")
                                   .arg(this->GetIdentity().windowKind));
            return false;
        }
        Window* window = Make(view);
        window->SetAsset(*chosen);
        Show(window);
        return true;
    }

private:
    template <typename Operation>
    void OnActiveStyle(Operation&& operation)
    {
        if (Window* window = ActiveWindow())
        {
            operation(window->StyleParams());
            window->update();
        }
    }

    static inline const QString kRootName = QStringLiteral("Settings");

    Window* Make(QWidget* parent)
    {
        // A window opened without a view goes into the panel the user works in.
        if (IAppMediator* mediator = PluginBase::GetAppMediator(); !parent && mediator)
            parent = mediator->GetActivePanelView() ? mediator->GetActivePanelView() : mediator->GetCurrentPanelView();
        auto* window = new Window(*this, DefaultStyle(), parent);
        window->SetActivationHandler([this](FeedWindow* activated) { m_active = qobject_cast<Window*>(activated); });
        return window;
    }

    void Show(Window* window)
    {
        m_windows.erase(std::remove_if(m_windows.begin(), m_windows.end(), [](const auto& w) { return !w; }),
                        m_windows.end());
        m_windows.push_back(window);
        m_active = window;
        window->show();
        window->ForceActivate();
    }

    std::vector<QPointer<Window>> m_windows;
    QPointer<Window> m_active;
};
