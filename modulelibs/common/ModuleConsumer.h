#pragma once
// What every module library's consumer shares: its names and window-file extensions, its work
// state, the window style the application chose for it, its part of the session, and the
// answers it gives while none of its windows is open. The libraries' windows come with their
// command targets; until then a library opens no window and says so in the log.

#include "platform/base/Log.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"

#include <QString>

#include <memory>
#include <utility>

class GeneralSettingsGroupManagerBase;

template <typename Interface>
class ModuleConsumer : public Interface
{
public:
    struct Identity
    {
        QString moduleName;
        QString fileExtension;
        QString fileFilter;
        QString defaultFileName;
        QString q5FileExtension;
        // The kind of window in the messages, e.g. "tabeli notowań".
        QString windowKind;
    };

    explicit ModuleConsumer(Identity identity)
        : m_identity(std::move(identity))
    {
        this->SetQ5ModuleName(m_identity.moduleName);
        this->SetQ5FileExtension(m_identity.q5FileExtension);
    }

    std::shared_ptr<GeneralSettingsGroupManagerBase> GeneralSettingsGroupManager() const override { return m_settingsGroup; }
    bool SetGeneralSettingsGroupManager(std::shared_ptr<GeneralSettingsGroupManagerBase> group) override
    {
        m_settingsGroup = std::move(group);
        return true;
    }

    void StopWork() override { m_running = false; }
    bool IsRunning() const override { return m_running; }
    void ShutDown() override
    {
        m_running = false;
        m_shutDown = true;
    }

    QString GetFileExtension() const override { return m_identity.fileExtension; }
    QString GetFileFilter() const override { return m_identity.fileFilter; }
    QString GetModuleName() const override { return m_identity.moduleName; }
    QString GetDefaultFileName() const override { return m_identity.defaultFileName; }
    bool CanSaveWindowToFile() const override { return true; }

    bool SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles) override
    {
        return NotOwnWindow(QStringLiteral("SaveWindowToFile"), path);
    }

    bool SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved) override
    {
        return NotOwnWindow(QStringLiteral("SaveWindowToQ5Format"), path);
    }

    bool OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel) override
    {
        WriteWarning(QStringLiteral("OpenWindowFromFile"), __LINE__,
                     QStringLiteral("Nie otwarto okna %1 z pliku \"%2\": moduł nie ma jeszcze okien.")
                         .arg(m_identity.windowKind, path));
        return false;
    }

    void SerialisePanelStateToQ5Format(Q5Settings& node) override { SaveStateToQ5Format(node); }
    void SerialisePanelState(Settings& node) override { SaveState(node); }
    void UnserialisePanelState(const Settings& node) override
    {
        if (node.IsValid())
            LoadState(node);
    }
    void PostUnserialisePanelState(const Settings& node, QWidget* activeView) override {}
    bool SerialiseInLastSession(QWidget* window) const override { return true; }
    void OnSessionLoaded(QWidget* activeView) override {}
    // No window of the module is open, so none names a style.
    int GetFirstNamedWindowStyleId() const override { return -2; }
    void FindWindowStyle(int styleId) override { m_windowStyleId = styleId; }

    bool IsShutDown() const { return m_shutDown; }
    // The style id the application chose for the module's windows; 0 until it chose.
    int WindowStyleId() const { return m_windowStyleId; }

protected:
    const Identity& GetIdentity() const { return m_identity; }

    // The consumer's own state in sessions; nothing unless a library keeps some.
    virtual void SaveState(Settings& node) const {}
    virtual void LoadState(const Settings& node) {}
    virtual void SaveStateToQ5Format(Q5Settings& node) const {}

    // A new window cannot be made yet: logged, false.
    bool CannotOpenWindow(const QString& operation, int line) const
    {
        WriteWarning(operation, line,
                     QStringLiteral("Nie otwarto okna %1: moduł nie ma jeszcze okien.").arg(m_identity.windowKind));
        return false;
    }

    void WriteWarning(const QString& operation, int line, const QString& text) const
    {
        const QString where = m_identity.moduleName + QStringLiteral("Consumer::") + operation;
        if (IAppMediator* mediator = PluginBase::GetAppMediator())
            mediator->WriteWarning(m_identity.moduleName, where, line, text);
        else
            Log::WriteWarning(text, m_identity.moduleName, where, line);
    }

private:
    bool NotOwnWindow(const QString& operation, const QString& path) const
    {
        WriteWarning(operation, __LINE__,
                     QStringLiteral("Nie zapisano pliku \"%1\": to nie jest okno %2.").arg(path, m_identity.windowKind));
        return false;
    }

    const Identity m_identity;
    std::shared_ptr<GeneralSettingsGroupManagerBase> m_settingsGroup;
    bool m_running = true;
    bool m_shutDown = false;
    int m_windowStyleId = 0;
};
