#pragma once
// One provider's page of the instrument choice: a filter field over the provider's instruments
// (short or long name beginning with the typed text) and the list they are picked from. Enter or
// a double click on an instrument tells the owner that the user picked it directly.

#include "platform/modules/Asset.h"

#include <QWidget>

#include <memory>
#include <vector>

class ProviderBase;
class QLineEdit;
class QListWidget;

class ChooseAssetPage : public QWidget
{
    Q_OBJECT

public:
    ChooseAssetPage(ProviderBase* provider, QWidget* parent);

    ProviderBase* GetProvider() const { return m_provider; }
    // False with the reason in message when no instrument is chosen.
    bool Check(QString& message) const;
    void GetChosenInstruments(std::vector<std::shared_ptr<Asset>>& chosen) const;
    void SetFilter(const QString& text);
    void SetFocusToFilter();

    QLineEdit* Filter() const { return m_filter; }
    QListWidget* List() const { return m_list; }

signals:
    void AssetPickedDirectly();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refill();

    ProviderBase* m_provider;
    std::vector<Asset> m_assets;
    QLineEdit* m_filter;
    QListWidget* m_list;
};
