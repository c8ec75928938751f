#pragma once
// A consumer for tests: it tells every call it receives to a sink as "<module>:<operation>",
// answers with what the test set, and keeps the state a session gives it under "Value".

#include "platform/modules/ConsumerBase.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"

#include <QString>

#include <functional>
#include <memory>
#include <utility>

class FakeConsumer : public ConsumerBase
{
public:
    using Sink = std::function<void(const QString& event)>;

    FakeConsumer(QString moduleName, QString extension, Sink sink = {})
        : m_moduleName(std::move(moduleName))
        , m_extension(std::move(extension))
        , m_sink(std::move(sink))
    {
    }

    void StopWork() override { Tell("StopWork"); }
    bool IsRunning() const override { return true; }

    QString GetFileExtension() const override { return m_extension; }
    QString GetFileFilter() const override { return {}; }
    QString GetModuleName() const override { return m_moduleName; }
    QString GetDefaultFileName() const override { return {}; }
    bool CanSaveWindowToFile() const override { return false; }
    bool SaveWindowToFile(QWidget*, const QString&, int, bool) override { return false; }
    bool SaveWindowToQ5Format(QWidget*, const QString&, int, int) override { return false; }
    bool OpenWindowFromFile(QWidget*, const QString&, bool) override { return false; }
    void SerialisePanelStateToQ5Format(Q5Settings& node) override { node["Value"] = value; }
    void SerialisePanelState(Settings& node) override { node["Value"] = value; }
    void UnserialisePanelState(const Settings& node) override
    {
        Tell(node.IsValid() ? "UnserialisePanelState" : "UnserialisePanelState(invalid)");
        if (node.IsValid())
            value = node["Value"].ToString();
    }
    void PostUnserialisePanelState(const Settings& node, QWidget* activeView) override { Tell("PostUnserialisePanelState"); }
    bool SerialiseInLastSession(QWidget*) const override { return true; }
    void OnSessionLoaded(QWidget*) override { Tell("OnSessionLoaded"); }
    int GetFirstNamedWindowStyleId() const override { return -2; }
    void FindWindowStyle(int) override {}

    void ShutDown() override { Tell("ShutDown"); }
    bool IsAccepted() const override { return accepted; }
    void OnThemeChanged() override { Tell("OnThemeChanged"); }
    void OnEscapeCommand() override { Tell("OnEscapeCommand"); }
    void OnFrameStarted(QWidget*) override { Tell("OnFrameStarted"); }
    std::shared_ptr<GeneralSettingsGroupManagerBase> GeneralSettingsGroupManager() const override { return group; }

    bool accepted = true;
    QString value;
    std::shared_ptr<GeneralSettingsGroupManagerBase> group;

protected:
    void Tell(const char* operation) const
    {
        if (m_sink)
            m_sink(m_moduleName + QLatin1Char(':') + QLatin1String(operation));
    }

private:
    QString m_moduleName;
    QString m_extension;
    Sink m_sink;
};
