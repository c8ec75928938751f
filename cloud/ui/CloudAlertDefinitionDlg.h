#pragma once
// The modeless window in which the user defines a new cloud alert or edits one: the instrument,
// a buy and a sell side, the name, the start side, the notification channels and the once-only
// option. It checks the entries, turns them into a record and queues the record's XML as an add
// or an edit on the cloud request queue; the alert list itself comes back from the server's
// answers. The cloud alert manager makes it, loads it before each showing and is told through
// the services when it closes. Main thread only.

#include "platform/modules/ModuleWndBase.h"
#include "platform/ui/Wnd.h"

#include <QFont>

#include <cstdint>
#include <functional>
#include <memory>

class Asset;
class CloudAlertData;
class CloudAlertDefAssetSubDlg;
class CloudAlertKindSubDlg;
class CloudAlertPropSubDlg;
class CloudAlertsGeneralSettingsBase;
class ProviderBase;
class QPushButton;

class CloudAlertDefinitionDlg : public ModuleWndBase, public Wnd
{
    Q_OBJECT

public:
    static constexpr int kInset = 9;
    static constexpr int kBandHeight = 65;
    static constexpr int kGap = 2;
    static constexpr int kPropertiesExpandedHeight = 160;
    static constexpr int kPropertiesFoldedHeight = 40;
    static constexpr int kBelowProperties = 45;
    static constexpr unsigned kIconError = 0x10;
    static const QString kCaption;
    static const QString kEditCaptionSuffix;

    // What the dialog asks of the program; tests give their own.
    struct Services
    {
        std::function<int(const QString& caption, const QString& text, unsigned flags)> showMessageBox;
        std::function<ProviderBase*()> defaultProvider;
        std::function<bool(const QString& name)> alertExists;
        std::function<void(const QString& xml)> addAlert;
        std::function<void(const QString& xml, std::int32_t id)> editAlert;
        std::function<std::shared_ptr<CloudAlertsGeneralSettingsBase>()> generalSettings;
        // The name the alert module keeps for a new alert.
        std::function<QString()> newAlertName;
        // The instrument the quick-add popup chose last.
        std::function<Asset()> quickAddChosenAsset;
        // Told once when the dialog closes, with its rectangle in its parent's coordinates; the
        // dialog deletes itself afterwards.
        std::function<void(const QRect& rect)> closed;
    };

    // The services of the running program: the application's mediator and the cloud manager.
    static Services ProgramServices(std::function<QString()> newAlertName, std::function<void(const QRect&)> closed);

    CloudAlertDefinitionDlg(Services services, QWidget* parent);
    ~CloudAlertDefinitionDlg() override;

    IGenericModule* GetModule() const override { return nullptr; }
    CmdTarget* GetCmdTarger() const override { return nullptr; }

    // None for a new alert; the dialog keeps a copy of the alert it edits.
    void LoadAlert(const std::shared_ptr<const CloudAlertData>& alert);
    // Checks the entries; none after the first error was shown.
    virtual std::shared_ptr<CloudAlertData> BuildAlertData(bool editing);
    void OnOk();
    void OnCancel();
    // The quick-add popup chose an instrument for this window.
    void OnQuickAddAssetChosen();
    void OnSideStateChanged();
    // The height follows the bands; left, top and width stay.
    virtual void Fit();
    int SeriesPrecision(int seriesId) const;

    const QFont& BoldFont() const { return m_boldFont; }
    CloudAlertDefAssetSubDlg* AssetSubDlg() const { return m_asset; }
    CloudAlertKindSubDlg* BuySubDlg() const { return m_buy; }
    CloudAlertKindSubDlg* SellSubDlg() const { return m_sell; }
    CloudAlertPropSubDlg* PropSubDlg() const { return m_properties; }
    QPushButton* OkButton() const { return m_okButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    LResult WindowProc(const WindowMessage& message) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool ReadSide(CloudAlertKindSubDlg& side, const QString& sideName, std::int32_t& itemType,
                  std::int32_t& op, double& value) const;
    void Fail(const QString& text) const;
    void Layout();
    void Finish();

    Services m_services;
    QFont m_boldFont;
    CloudAlertDefAssetSubDlg* m_asset;
    CloudAlertKindSubDlg* m_buy;
    CloudAlertKindSubDlg* m_sell;
    CloudAlertPropSubDlg* m_properties;
    std::shared_ptr<CloudAlertData> m_edited;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    bool m_finished = false;
};
