#pragma once
// The alerts window as the alert module holds it: the module keeps this link for the whole
// run, and the link keeps the window's widget, which lives in a panel. The panel may delete
// the widget (its panel closed); the link then makes a new one in the current panel the next
// time the window is to be shown. Main thread only.

#include "alerts/engine/IAlertsInfoWindow.h"
#include "alerts/ui/AlertsInfoDlg.h"

#include <QPointer>

class AlertsInfoWindowLink : public IAlertsInfoWindow
{
public:
    // Gives the panel view a new window goes into.
    using ParentProvider = std::function<QWidget*()>;

    AlertsInfoWindowLink(AlertModule& module, IGenericModule* genericModule, AlertsInfoDlg::TabCaptionSetter tabCaption,
                         ParentProvider parent);
    ~AlertsInfoWindowLink() override;

    // Makes the window on the parent (the provider's when null); false when there is no parent.
    bool Create(QWidget* parent);
    AlertsInfoDlg* Dialog() const { return m_window.data(); }

    QWidget* GetWindow() const override { return m_window.data(); }
    bool IsVisible() const override;
    void SetVisible(bool visible) override;
    int GetActiveTab() const override;
    void RedrawDefinedAlerts() override;
    void SerialiseState(Settings& node) const override;
    void SerialiseStateToQ5Format(Q5Settings& node) const override;
    void UnserialiseState(const Settings& node, bool fromPanel) override;
    void Destroy() override;

private:
    AlertModule& m_module;
    IGenericModule* m_genericModule;
    AlertsInfoDlg::TabCaptionSetter m_tabCaption;
    ParentProvider m_parent;
    QPointer<AlertsInfoDlg> m_window;
};
