#pragma once
// The quick-add instrument popup, one per process: a borderless field where the user types the
// beginning of an instrument's short or long name, with a list of the current provider's
// matching instruments below it. Keystrokes that no instrument continues are refused. The
// choice goes to the window that asked (message WM_QUICK_ADD_ASSET_CHOSEN) or to a receiver.
// The popup lives on the main thread; providers tell it from their own threads that their
// instrument lists changed, and it reads them again on the main thread.

#include "core/engine/AssetNameMatches.h"
#include "platform/base/SafeCriticalSection.h"
#include "platform/modules/IAppMediator.h"
#include "platform/ui/Wnd.h"

#include <QPointer>
#include <QWidget>

#include <atomic>
#include <functional>
#include <map>
#include <set>
#include <vector>

class MovementBarDlg;
class ProviderBase;
class QLineEdit;
class QScrollBar;
class QToolButton;

inline constexpr std::uint32_t WM_QUICK_ADD_ASSET_CHOSEN = 0x464;

class QuickAddInstrumentDlg : public QWidget, public Wnd
{
    Q_OBJECT

public:
    static constexpr int kMaxRows = 10;
    static constexpr int kListTimer = 1;
    static constexpr int kFocusTimer = 0;

    // What the popup asks of the program; tests give their own.
    struct Services
    {
        std::function<std::vector<ProviderBase*>()> providers;
        std::function<ProviderBase*()> defaultProvider;
        std::function<void(ProviderBase*)> setDefaultProvider;
        std::function<void(double opacity)> setOpacity;
        std::function<void(double opacity)> setBarOpacity;
        std::function<void(int ms)> sleep;
    };

    // Main thread only: made on first use.
    static QuickAddInstrumentDlg& GetInstance();
    // Any thread: the popup when it was made, else null.
    static QuickAddInstrumentDlg* Existing();
    static void DestroyInstance();

    explicit QuickAddInstrumentDlg(Services services, QWidget* parent = nullptr);
    ~QuickAddInstrumentDlg() override;

    // pointIsTop: the popup's top is at the point, else its name field is.
    void ShowAt(const QPoint& point, bool pointIsTop, const QuickAddAssetReceiver& receiver, QWidget* receiverHandle);
    // The next ShowAt tells the window by message instead of calling a receiver.
    void RecordReceiverWindow(QWidget* window) { m_receiverWindow = window; }
    Asset GetChosenAsset() const { return m_chosenAsset; }
    // Any thread.
    void UpdateProvidersAssetsList(ProviderBase* provider);
    // The wheel over that window (the main frame) scrolls the list while the popup is active.
    void ForwardWheelFrom(QWidget* window);

    bool IsTextAcceptable(const QString& text) const;
    void OnOk();
    void OnCancel();
    void SetExpanded(bool expanded);
    bool IsExpanded() const { return m_expanded; }
    const std::vector<AssetNameMatch>& Matches() const { return m_matches; }
    int GetSelected() const { return m_selected; }
    int GetFirstVisible() const { return m_firstVisible; }
    ProviderBase* GetCurrentProvider() const { return m_currentProvider; }
    void SetCurrentProvider(ProviderBase* provider);
    QLineEdit* NameEdit() const { return m_name; }
    QScrollBar* ScrollBar() const { return m_scroll; }
    int RowHeight() const;
    // Made on the first showing.
    MovementBarDlg* Bar() const { return m_bar; }

protected:
    void OnTimer(std::uint32_t id) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const std::vector<Asset>& AssetsOf(ProviderBase* provider);
    void BuildMatches();
    void Layout();
    void KeepSelectionVisible();
    bool OnNameKey(int key);
    void FadeIn();
    void FadeOut();
    void RefillChangedProviders();
    void ChooseProviderFromMenu();
    QRect ListRect() const;
    int TopRowHeight() const;
    void PlaceBar();
    int RowAt(const QPoint& pos) const;
    bool OwnsFocus() const;

    Services m_services;
    QLineEdit* m_name;
    QToolButton* m_listButton;
    QToolButton* m_providerButton;
    QScrollBar* m_scroll;
    MovementBarDlg* m_bar = nullptr;
    Asset m_chosenAsset;
    QPointer<QWidget> m_receiverWindow;
    QPointer<QWidget> m_receiverHandle;
    QuickAddAssetReceiver m_receiver;
    ProviderBase* m_currentProvider = nullptr;
    std::map<ProviderBase*, std::vector<Asset>> m_lists;
    SafeCriticalSection m_updateLock{QStringLiteral("QuickAddInstrumentDlg::UpdateProviderWithNewAssets")};
    std::set<ProviderBase*> m_toRefill;
    std::atomic<bool> m_windowExists{false};
    std::vector<AssetNameMatch> m_matches;
    int m_selected = 0;
    int m_firstVisible = 0;
    int m_hover = -1;
    bool m_pressed = false;
    bool m_expanded = false;
    QPointer<QWidget> m_focusAtShow;
};
