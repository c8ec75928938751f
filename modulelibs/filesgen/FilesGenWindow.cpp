#include "modulelibs/filesgen/FilesGenWindow.h"

#include "modulelibs/filesgen/FilesGenFormat.h"
#include "platform/base/AppPaths.h"
#include "platform/modules/ConsumerBase.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/modules/SeriesIds.h"
#include "platform/settings/Settings.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
QString DefaultFolder()
{
    return QDir(AppPaths::DocumentsFolder()).filePath(QStringLiteral("Pliki tekstowe"));
}
}

FilesGenWindow::FilesGenWindow(ConsumerBase& consumer, FilesGenOutput::Writer writer, QWidget* parent)
    : ModuleWndBase(parent)
    , m_consumer(consumer)
    , m_generator(DefaultFolder(), std::move(writer))
    , m_table(new QTableWidget(0, 4, this))
    , m_folder(new QLabel(this))
    , m_error(new QLabel(this))
{
    // A closed window is gone: its module forgets it and a saved desktop no longer holds it.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Pliki tekstowe"));
    // The panel behind would show through the label rows.
    setAutoFillBackground(true);
    resize(480, 320);
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("Instrument"), QStringLiteral("Kurs"), QStringLiteral("Czas"), QStringLiteral("Plik")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_error->setStyleSheet(QStringLiteral("color: #b00000"));
    m_error->setWordWrap(true);
    m_error->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_table);
    layout->addWidget(m_folder);
    layout->addWidget(m_error);
    connect(m_table, &QTableWidget::itemPressed, this, [this] { ForceActivate(); });
    connect(&m_writeTimer, &QTimer::timeout, this, &FilesGenWindow::Pump);
    connect(&m_historyTimer, &QTimer::timeout, this, &FilesGenWindow::StepHistory);
    m_writeTimer.start(kWriteMs);
    Rebuild();
}

FilesGenWindow::~FilesGenWindow() = default;

IGenericModule* FilesGenWindow::GetModule() const
{
    return &m_consumer;
}

CmdTarget* FilesGenWindow::GetCmdTarger() const
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    return mediator ? mediator->GetConsumerById(&m_consumer) : nullptr;
}

void FilesGenWindow::SetAssets(const std::set<Asset>& assets, const std::set<AssetsGroupId>& groups)
{
    m_generator.SetAssets(assets, groups);
    Rebuild();
}

bool FilesGenWindow::AddAsset(const Asset& asset)
{
    if (!m_generator.AddAsset(asset))
        return false;
    Rebuild();
    return true;
}

std::optional<Asset> FilesGenWindow::SelectedAsset() const
{
    const int row = m_table->currentRow();
    const std::vector<Asset>& assets = m_generator.Assets();
    if (row < 0 || row >= static_cast<int>(assets.size()) || m_table->selectedItems().isEmpty())
        return std::nullopt;
    return assets[static_cast<std::size_t>(row)];
}

bool FilesGenWindow::RemoveSelectedAsset()
{
    const std::optional<Asset> selected = SelectedAsset();
    if (!selected || !m_generator.RemoveAsset(*selected))
        return false;
    Rebuild();
    return true;
}

void FilesGenWindow::SelectRow(int row)
{
    m_table->selectRow(row);
}

void FilesGenWindow::ApplyColumnLock()
{
    m_table->horizontalHeader()->setSectionResizeMode(
        m_generator.AreColumnsLocked() ? QHeaderView::Fixed : QHeaderView::Interactive);
}

void FilesGenWindow::Follow()
{
    std::erase_if(m_links, [this](const auto& link) {
        return std::find(m_generator.Assets().begin(), m_generator.Assets().end(), link.first) ==
               m_generator.Assets().end();
    });
    std::erase_if(m_lastStates, [this](const auto& state) { return !m_links.contains(state.first); });
    for (const Asset& asset : m_generator.Assets())
    {
        if (m_links.contains(asset))
            continue;
        auto link = std::make_unique<FeedLink>();
        link->Subscribe(asset);
        m_links.emplace(asset, std::move(link));
    }
}

void FilesGenWindow::Rebuild()
{
    Follow();
    const std::vector<Asset>& assets = m_generator.Assets();
    m_table->setRowCount(static_cast<int>(assets.size()));
    for (int row = 0; row < static_cast<int>(assets.size()); ++row)
        FillRow(row, assets[static_cast<std::size_t>(row)]);
    m_folder->setText(QStringLiteral("Folder: %1").arg(QDir::toNativeSeparators(m_generator.OutputFolder())));
    ApplyColumnLock();
}

void FilesGenWindow::FillRow(int row, const Asset& asset)
{
    const auto state = m_lastStates.find(asset);
    const bool known = state != m_lastStates.end();
    const QStringList cells{asset.GetShortName(),
                            known ? QString::number(state->second.GetDouble(SeriesIds::kPrice), 'f', 2) : QString(),
                            known ? state->second.GetTime().ToQDateTime().time().toString(QStringLiteral("HH:mm:ss"))
                                  : QString(),
                            FilesGenFormat::CurrentFileName(asset)};
    for (int column = 0; column < cells.size(); ++column)
    {
        QTableWidgetItem* item = m_table->item(row, column);
        if (!item)
            m_table->setItem(row, column, item = new QTableWidgetItem);
        item->setText(cells[column]);
    }
}

void FilesGenWindow::Pump()
{
    const std::vector<Asset>& assets = m_generator.Assets();
    bool failed = false;
    for (int row = 0; row < static_cast<int>(assets.size()); ++row)
    {
        const Asset& asset = assets[static_cast<std::size_t>(row)];
        const auto link = m_links.find(asset);
        if (link == m_links.end())
            continue;
        FeedLink::Batch batch = link->second->Take();
        if (batch.state)
            m_lastStates[asset] = *batch.state;
        const auto state = m_lastStates.find(asset);
        if (!batch.state || state == m_lastStates.end())
            continue;
        // A failed write is tried again with the next quote.
        failed = !m_generator.WriteCurrent(asset, state->second) || failed;
        FillRow(row, asset);
    }
    if (failed)
        ShowError();
    else if (!m_generator.IsFetchingHistory() && m_generator.LastError().isEmpty())
        m_error->hide();
}

QString FilesGenWindow::ErrorText() const
{
    return m_error->isHidden() ? QString() : m_error->text();
}

void FilesGenWindow::ShowError()
{
    const QString text = m_generator.LastError();
    if (m_error->isHidden() || m_error->text() != text)
    {
        // Logged once per new reason, not on every tick it persists.
        if (IAppMediator* mediator = PluginBase::GetAppMediator())
            mediator->WriteError(m_consumer.GetModuleName(), QStringLiteral("FilesGenWindow::Pump"), __LINE__, text);
    }
    m_error->setText(text);
    m_error->show();
}

bool FilesGenWindow::StartHistory()
{
    const QString why = m_generator.WhyHistoryCannotStart();
    const bool started = m_generator.StartHistory([](const Asset& asset, int count, std::vector<PriceBar>& bars) {
        ProviderBase* provider = asset.GetProvider();
        return provider && provider->GetHistoryBars(asset, 24 * 60 * 60, count, bars);
    });
    if (!started)
    {
        Tell(true, QStringLiteral("Nie pobrano historii: %1").arg(why));
        return false;
    }
    m_historyTimer.start(kHistoryStepMs);
    RefreshHistoryDialog();
    return true;
}

void FilesGenWindow::StopHistory()
{
    const bool fetching = m_generator.IsFetchingHistory();
    m_generator.StopHistory();
    m_historyTimer.stop();
    if (fetching)
        TellHistoryReport();
    RefreshHistoryDialog();
}

void FilesGenWindow::StepHistory()
{
    if (m_generator.StepHistory())
        return;
    m_historyTimer.stop();
    if (!m_generator.LastError().isEmpty())
        ShowError();
    TellHistoryReport();
    RefreshHistoryDialog();
}

void FilesGenWindow::TellHistoryReport()
{
    Tell(m_generator.HistoryWentWrong(), m_generator.HistoryReport());
}

void FilesGenWindow::Tell(bool warning, const QString& text)
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    if (!mediator)
        return;
    mediator->WriteInfo(m_consumer.GetModuleName(), QStringLiteral("FilesGenWindow::Tell"), __LINE__, text);
    if (warning)
        mediator->ShowWarning(QStringLiteral("Quorvanta 4"), text);
    else
        mediator->ShowInfo(QStringLiteral("Quorvanta 4"), text);
}

void FilesGenWindow::RefreshHistoryDialog()
{
    if (m_historyDialog)
        QMetaObject::invokeMethod(m_historyDialog, "RefreshButtons", Qt::QueuedConnection);
}

void FilesGenWindow::Save(Settings& node) const
{
    m_generator.Save(node);
}

void FilesGenWindow::Load(const Settings& node)
{
    m_generator.Load(node);
    Rebuild();
}

void FilesGenWindow::mousePressEvent(QMouseEvent* event)
{
    ForceActivate();
    ModuleWndBase::mousePressEvent(event);
}
