#pragma once
// The window in which the user defines a new local alert or edits one: the buy and sell sides
// with their expression rows, and the alert's properties. It edits a private copy; "OK" checks
// the copy, writes the edits into it and hands it to the alert module, which puts it in the
// list (replacing the original of an edited alert). "Anuluj", Escape and the close box drop the
// copy. The dialog also keeps the arguments the expressions use, with a count each, as the
// choices of the "Informuj o:" combo box, and clears operands whose sources go away while it
// is open.
//
// The alert module's face in the application makes one and reuses it. Main thread only, except
// PostDeactivateArgUsageMsg.

#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/AlertExprArgDesc.h"
#include "platform/modules/ModuleWndBase.h"

#include <cstdint>
#include <deque>
#include <memory>

class AlertDefinitionReportControl;
class AlertModule;
class AlertNameValidator;
class AlertPropertiesDlg;
class BLAlert;
class DirectAlertPanelDlg;
class QLabel;
class QPushButton;

class AlertDefinitionDlg : public ModuleWndBase
{
    Q_OBJECT

public:
    struct AssociatedArgumentEntry
    {
        AlertExprArgDesc argument;
        std::int32_t count = 0;
    };

    static inline const QString kCaption = QStringLiteral("Definicja alertu");
    static inline const QString kNoSideText = QStringLiteral("Przynajmniej jeden alert kierunkowy musi być zdefiniowany.\n");
    static inline const QString kIncompleteSideText =
        QStringLiteral("Nie wszystkie wybrane alerty kierunkowe zostały zdefiniowane poprawnie.\n");
    static inline const QString kInvalidConditionText = QStringLiteral("Nieprawidłowy warunek alertu");
    static inline const QString kSourceGoneText =
        QStringLiteral("Co najmniej jedno źródło argumentu zostało zamknięte/zniszczone");

    explicit AlertDefinitionDlg(AlertModule& module, QWidget* parent = nullptr);
    ~AlertDefinitionDlg() override;

    // ModuleWndBase: the dialog belongs to no module's windows and has no ribbon commands.
    IGenericModule* GetModule() const override { return nullptr; }
    CmdTarget* GetCmdTarger() const override { return nullptr; }
    bool CanBeCloseOnCommand() const override { return false; }

    // The alert to edit: a new one or a copy of a listed one.
    void SetAlert(const std::shared_ptr<BLAlert>& alert);
    void Show();
    // Also drops the copy and resets the panels.
    void Hide();
    bool IsShown() const { return m_shown; }
    void ResetEditor();
    // Any thread: the argument's source is gone; the dialog forgets it on the main thread.
    void PostDeactivateArgUsageMsg(const AlertExprArgDesc& argument);
    // An operand changed from old to new (either invalid for none).
    void ChangeArgumentUsage(const AlertExprArgDesc& oldArgument, const AlertExprArgDesc& newArgument);
    void OnArgumentDropped(const AlertExprArgDesc& argument);
    // True when the alert was stored; otherwise one error message was shown and the dialog stays.
    bool OnOK();
    void OnCancel();
    // One argument of the pending queue.
    void OnDeactivateArgUsage();
    void OnReportHeightChanged(int delta);

    const std::deque<AssociatedArgumentEntry>& Candidates() const { return m_candidates; }
    const AlertExprArgDesc& AssociatedArgument() const { return m_associatedArgument; }
    void SetAssociatedArgument(const AlertExprArgDesc& argument) { m_associatedArgument = argument; }
    const std::shared_ptr<BLAlert>& EditedAlert() const { return m_alert; }
    std::size_t PendingDestroyedCount() const;

    AlertDefinitionReportControl* Report() { return m_report; }
    DirectAlertPanelDlg& BuyPanel() { return *m_buyPanel; }
    DirectAlertPanelDlg& SellPanel() { return *m_sellPanel; }
    AlertPropertiesDlg& PropertiesPanel() { return *m_propertiesPanel; }
    QPushButton& OkButton() { return *m_okButton; }
    QPushButton& CancelButton() { return *m_cancelButton; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool AreArgumentSourcesAvailable();
    void WriteToAlert();
    void SelectAssociatedArgument();

    AlertModule& m_module;
    // Filled on the alerts worker thread, drained on the main thread.
    std::deque<AlertExprArgDesc> m_pendingDestroyed;
    mutable SafeCriticalSection m_lock{QStringLiteral("AlertDefinitionDlg::AlertDefinitionDlgLock")};
    // Before the panels: their rows give their counts back when they go.
    std::deque<AssociatedArgumentEntry> m_candidates;
    AlertExprArgDesc m_associatedArgument;
    std::shared_ptr<BLAlert> m_alert;
    std::unique_ptr<AlertNameValidator> m_nameValidator;
    AlertDefinitionReportControl* m_report = nullptr;
    DirectAlertPanelDlg* m_buyPanel = nullptr;
    DirectAlertPanelDlg* m_sellPanel = nullptr;
    AlertPropertiesDlg* m_propertiesPanel = nullptr;
    QLabel* m_captionLabel = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_shown = false;
};
