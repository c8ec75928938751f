#pragma once
// The instrument-choice part of the dialogs that pick an instrument: one page per data provider,
// shown in a rectangle of the dialog that hosts it, the default provider's first. It tells its
// host when the user picked an instrument directly on a page.

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <vector>

class ChooseAssetPage;
class ProviderBase;
class QWidget;

class ChooseAssetDlgComponent : public QObject
{
    Q_OBJECT

public:
    struct Providers
    {
        std::function<std::vector<ProviderBase*>()> all;
        std::function<ProviderBase*()> defaultProvider;
    };

    // Without providers the mediator's are used.
    explicit ChooseAssetDlgComponent(Providers providers = {});

    // False when there is no provider to choose from.
    bool Init();
    ProviderBase* GetDefaultProvider() const { return m_defaultProvider; }
    const std::vector<ProviderBase*>& GetProviders() const { return m_providers; }
    // Shows the provider's page in the rectangle of parent; null for no provider.
    ChooseAssetPage* ChangePage(ProviderBase* provider, QWidget* parent, const QRect& rect);
    ChooseAssetPage* GetActivePage() const;
    void SetFocusActivePage();
    void ChangeSize(const QRect& rect, QWidget* parent);

signals:
    void AssetPickedDirectly();

private:
    Providers m_source;
    std::vector<ProviderBase*> m_providers;
    ProviderBase* m_defaultProvider = nullptr;
    QPointer<ChooseAssetPage> m_activePage;
};
