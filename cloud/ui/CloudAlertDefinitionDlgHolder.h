#pragma once
// Holds the one cloud alert definition dialog for the cloud alert manager: makes it on its first
// showing with the main frame as parent, places it 20 pixels right of and below its own place
// or, after it was closed once, where it was last, loads the alert, fits and shows or hides it,
// and forgets it when it closes. Main thread only.

#include "cloud/engine/ICloudAlertDefinitionDlgHost.h"
#include "cloud/ui/CloudAlertDefinitionDlg.h"

#include <QPointer>
#include <QRect>

#include <functional>
#include <optional>

class CloudAlertDefinitionDlgHolder : public ICloudAlertDefinitionDlgHost
{
public:
    static constexpr int kFirstOffset = 20;

    // parent: the main frame's window, null without one. services: the dialog's services; the
    // holder adds its own closing.
    CloudAlertDefinitionDlgHolder(std::function<QWidget*()> parent,
                                  std::function<CloudAlertDefinitionDlg::Services()> services);

    void ShowDefinitionDlg(bool show, const std::shared_ptr<const CloudAlertData>& alert) override;
    QWidget* GetDefinitionDlg() const override;

    // The dialog tells of its closing: its rectangle in its parent's coordinates is kept for
    // the next showing, and the dialog is forgotten.
    void RememberDefinitionDlgRect(const QRect& rect);
    void ReleaseDefinitionDlg();
    const std::optional<QRect>& GetDialogRect() const { return m_dialogRect; }

private:
    CloudAlertDefinitionDlg* MakeDialog();
    // The dialog's window rectangle in its parent's coordinates, whether it is a window or a child.
    static QRect RectInParent(const QWidget& dialog);
    static void PlaceInParent(QWidget& dialog, const QRect& rect);

    const std::function<QWidget*()> m_parent;
    const std::function<CloudAlertDefinitionDlg::Services()> m_services;
    QPointer<CloudAlertDefinitionDlg> m_dialog;
    std::optional<QRect> m_dialogRect;
};
