#pragma once
// The engine's fixture with the alerts window the module makes and shows in a stand-in panel
// (no mediator), and helpers that act on it as the user and the worker do.

#include "AlertsFixture.h"

#include "alerts/ui/AlertsInfoDlg.h"
#include "alerts/ui/AlertsInfoWindowLink.h"
#include "platform/toolkit/TableCtrl.h"
#include "ribbon/alertstab/TabCtrlEx.h"
#include "tests/support/ui/TestApplication.h"

#include <QStringList>

#include <memory>

class AlertsWindowFixture : public AlertsFixture
{
protected:
    AlertsWindowFixture()
    {
        module.SetAlertsWindowFactory([this](AlertModule& alerts, QWidget* parent) -> std::shared_ptr<IAlertsInfoWindow> {
            auto made = std::make_shared<AlertsInfoWindowLink>(
                alerts, nullptr, [this](const QString& caption) { tabCaptions << caption; }, [this] { return host; });
            link = made.get();
            return made->Create(parent) ? made : nullptr;
        });
        module.ShowAlertsWindow(true, host);
        window = link->Dialog();
    }

    // The defined alerts' tab (0) or the history's (1) is the one shown.
    void ShowTab(int number) { window->TabCtrl().setCurrentIndex(number == 0 ? 1 : 0); }

    // Alerts firing on the argument: the worker's delivery, then the window's redraw tick.
    void Fire(const AlertExprArgDesc& argument, double value, double time)
    {
        Deliver(argument, value, time);
        window->OnTimer(AlertsInfoDlg::kRedrawTimerId);
    }

    QStringList tabCaptions;
    // Widgets need the application before the panel is made.
    const bool applicationReady = (TestApplication::Ensure(), true);
    std::unique_ptr<QWidget> panel = std::make_unique<QWidget>();
    QWidget* host = panel.get();
    AlertsInfoWindowLink* link = nullptr;
    AlertsInfoDlg* window = nullptr;
};
