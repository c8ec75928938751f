#include "core/mediator/ChooseAssetPage.h"

#include "platform/modules/ProviderBase.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace
{
constexpr int kAssetIndexRole = Qt::UserRole;
}

ChooseAssetPage::ChooseAssetPage(ProviderBase* provider, QWidget* parent)
    : QWidget(parent)
    , m_provider(provider)
    , m_assets(provider ? provider->GetAllAssets() : std::vector<Asset>())
    , m_filter(new QLineEdit(this))
    , m_list(new QListWidget(this))
{
    m_filter->setPlaceholderText(QStringLiteral("Szukaj instrumentu"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_filter);
    layout->addWidget(m_list);
    connect(m_filter, &QLineEdit::textChanged, this, [this] { Refill(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { emit AssetPickedDirectly(); });
    m_filter->installEventFilter(this);
    m_list->installEventFilter(this);
    Refill();
}

bool ChooseAssetPage::Check(QString& message) const
{
    if (m_list->currentItem() && m_list->currentItem()->isSelected())
        return true;
    message = m_assets.empty() ? QStringLiteral("Źródło danych nie podaje żadnych instrumentów.")
                               : QStringLiteral("Wybierz instrument z listy.");
    return false;
}

void ChooseAssetPage::GetChosenInstruments(std::vector<std::shared_ptr<Asset>>& chosen) const
{
    for (const QListWidgetItem* item : m_list->selectedItems())
        chosen.push_back(std::make_shared<Asset>(m_assets[item->data(kAssetIndexRole).toULongLong()]));
}

void ChooseAssetPage::SetFilter(const QString& text)
{
    m_filter->setText(text);
}

void ChooseAssetPage::SetFocusToFilter()
{
    m_filter->setFocus(Qt::OtherFocusReason);
}

bool ChooseAssetPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_list->currentItem())
    {
        emit AssetPickedDirectly();
        return true;
    }
    if (watched == m_filter && (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp))
    {
        // The list keeps its own selection keys while the typing stays in the filter.
        QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(m_list, &copy);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ChooseAssetPage::Refill()
{
    const QString prefix = m_filter->text().trimmed().toUpper();
    m_list->clear();
    for (std::size_t i = 0; i < m_assets.size(); ++i)
    {
        const Asset& asset = m_assets[i];
        if (!prefix.isEmpty() && !asset.GetShortName().toUpper().startsWith(prefix)
            && !asset.GetLongName().toUpper().startsWith(prefix))
            continue;
        auto* item = new QListWidgetItem(QStringLiteral("%1 - %2 (%3)").arg(asset.GetShortName(), asset.GetLongName(),
                                                                          asset.GetMarket()),
                                         m_list);
        item->setData(kAssetIndexRole, static_cast<qulonglong>(i));
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}
