#pragma once
// The session-statistics window as its module holds it: the module keeps this link, which
// makes the window's widget in a panel and forwards the module's calls to it while it lives.
// The panel owns the widget; when the panel deletes it the link tells the module, which then
// drops the link. Main thread only.

#include "sessionstats/engine/ISessionStatisticsWindow.h"

#include <QMetaObject>
#include <QPointer>

class SessionStatisticsModule;
class SessionStatisticsWindow;

class SessionStatisticsWindowLink : public ISessionStatisticsWindow
{
public:
    explicit SessionStatisticsWindowLink(SessionStatisticsModule& module);
    ~SessionStatisticsWindowLink() override;

    bool Create(QWidget* parent) override;
    QWidget* Widget() const override;
    void Show() override;
    void Hide() override;
    bool IsVisible() const override;
    bool IsActive() const override;
    void ShowTopPane(bool show) override;
    void ShowBottomPane(bool show) override;
    void FitToContent(int width) override;
    void SerializeState(Settings& node) const override;
    bool UnSerializeState(const Settings& node, bool fromFile) override;
    void SaveToQ5Format(Q5Settings& node) const override;
    void RefreshViews() override;
    void OnStyleChanged() override;

private:
    SessionStatisticsModule& m_module;
    QPointer<SessionStatisticsWindow> m_window;
    QMetaObject::Connection m_destroyed;
};
