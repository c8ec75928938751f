#include "modulelibs/table/TableModuleConsumer.h"

#include "modulelibs/table/QuoteTableFieldsWnd.h"
#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableFields.h"
#include "modulelibs/table/TablesStateLog.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/IGlobalSettings.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/ProviderBase.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StylesContainer.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

namespace
{
constexpr const char* kRootName = "Settings";
constexpr const char* kQ5RootName = "Table";
constexpr int kNewTableWidth = 900;
constexpr int kNewTableHeight = 480;

// The style a table file names: the kept style of that id, else the style stored in the file;
// empty for a file without one, which leaves the window's default.
std::shared_ptr<StyleBase> SavedTableStyle(const Settings& tree)
{
    if (std::shared_ptr<StyleBase> kept = StylesContainer::Instance().FindStyle(tree["StyleId"].ToInt(), StyleTable::Type))
        return kept;
    const Settings& own = tree["OwnStyle"];
    if (!own.IsValid() || own["Type"].ToString() != StyleTable::TypeName)
        return nullptr;
    return StyleBase::LoadStyle(own);
}
}

TableModuleConsumer::TableModuleConsumer()
    : ModuleConsumer({QStringLiteral("Table"), QStringLiteral(".q4t"),
                      QStringLiteral("Pliki tabel notowań (*.q4t)|*.q4t"), QStringLiteral("Tabela"),
                      QStringLiteral(".q5t"), QStringLiteral("tabeli notowań")})
    , m_alertArguments(GetModuleName(), {[] {
                                             IAppMediator* mediator = PluginBase::GetAppMediator();
                                             return mediator ? mediator->GetDefaultProvider() : nullptr;
                                         },
                                         [] {
                                             IAppMediator* mediator = PluginBase::GetAppMediator();
                                             return mediator ? mediator->GetAlertsInterface() : nullptr;
                                         }})
{
}

TableModuleConsumer::~TableModuleConsumer()
{
    // The windows stop following their provider before the consumer goes.
    for (QuoteTableWindow* table : Tables())
        delete table;
    delete m_fieldsWnd.data();
}

// Windows

QuoteTableWindow* TableModuleConsumer::MakeWindow(QWidget* view)
{
    // A file given on the command line comes before any panel is active: the current one takes it.
    if (IAppMediator* mediator = PluginBase::GetAppMediator(); !view && mediator)
        view = mediator->GetCurrentPanelView();
    auto* window = new QuoteTableWindow(*this, view);
    Adopt(window);
    if (view)
    {
        const QRect area = view->rect();
        window->setGeometry(8, 8, std::max(240, std::min(kNewTableWidth, area.width() - 16)),
                            std::max(160, std::min(kNewTableHeight, area.height() - 16)));
    }
    else
        window->resize(kNewTableWidth, kNewTableHeight);
    return window;
}

void TableModuleConsumer::Adopt(QuoteTableWindow* window)
{
    m_tables.push_back(window);
    m_current = window;
    QObject::connect(window, &QuoteTableWindow::Activated, window, [this](QuoteTableWindow* activated) {
        m_current = activated;
        UpdateFieldsWnd();
    });
}

ProviderBase* TableModuleConsumer::RunningProvider() const
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    return mediator ? mediator->GetDefaultProvider() : nullptr;
}

bool TableModuleConsumer::ShowNewTable(QWidget* view)
{
    ProviderBase* provider = RunningProvider();
    if (!provider)
    {
        WriteWarning(QStringLiteral("ShowNewTable"), __LINE__,
                     QStringLiteral("Nie otwarto okna tabeli notowań: żaden dostawca danych nie działa."));
        return false;
    }
    QuoteTableWindow* window = MakeWindow(view);
    window->SetInstruments(provider->GetAllAssets());
    window->show();
    window->ForceActivate();
    UpdateFieldsWnd();
    return true;
}

std::optional<Asset> TableModuleConsumer::Resolve(const Asset& stored) const
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    std::vector<ProviderBase*> providers;
    if (mediator)
        mediator->GetProviders(providers);
    if (ProviderBase* running = RunningProvider(); running && std::find(providers.begin(), providers.end(), running) == providers.end())
        providers.insert(providers.begin(), running);
    for (ProviderBase* provider : providers)
    {
        for (const Asset& asset : provider->GetAllAssets())
        {
            const bool sameIsin = !stored.GetIsin().isEmpty() && asset.GetIsin() == stored.GetIsin();
            const bool sameTicker = stored.GetIsin().isEmpty() && asset.GetShortName() == stored.GetShortName()
                                    && asset.GetMarket() == stored.GetMarket();
            if (sameIsin || sameTicker)
                return asset;
        }
    }
    return std::nullopt;
}

QuoteTableWindow* TableModuleConsumer::OwnWindow(QWidget* window) const
{
    for (const QPointer<QuoteTableWindow>& table : m_tables)
    {
        if (table && table == window)
            return table;
    }
    return nullptr;
}

bool TableModuleConsumer::SaveWindowToFile(QWidget* window, const QString& path, int flags, bool embedStyles)
{
    QuoteTableWindow* table = OwnWindow(window);
    if (!table)
        return ModuleConsumer::SaveWindowToFile(window, path, flags, embedStyles);
    Settings tree;
    table->Model().Save(tree);
    StyleBase::SerializeStyle(table->GetStyle(), tree["StyleId"], tree["OwnStyle"], embedStyles);
    if (!tree.SaveToFile(path, QString::fromLatin1(kRootName)))
    {
        WriteWarning(QStringLiteral("SaveWindowToFile"), __LINE__,
                     QStringLiteral("Nie zapisano tabeli notowań do pliku \"%1\".").arg(path));
        return false;
    }
    return true;
}

bool TableModuleConsumer::SaveWindowToQ5Format(QWidget* window, const QString& path, int flags, int reserved)
{
    QuoteTableWindow* table = OwnWindow(window);
    if (!table)
        return ModuleConsumer::SaveWindowToQ5Format(window, path, flags, reserved);
    Q5Settings tree;
    table->Model().SaveToQ5Format(tree);
    return tree.SaveToFile(path, kQ5RootName);
}

bool TableModuleConsumer::OpenWindowFromFile(QWidget* parent, const QString& path, bool fromPanel)
{
    Settings tree;
    QString error;
    QuoteTableModel model;
    if (!tree.LoadFromFile(path, QString::fromLatin1(kRootName), &error)
        || !model.Load(tree, [this](const Asset& stored) { return Resolve(stored); }, &error))
    {
        const QString text = QStringLiteral("Nie otwarto tabeli notowań z pliku \"%1\": %2.").arg(path, error);
        WriteWarning(QStringLiteral("OpenWindowFromFile"), __LINE__, text);
        if (IAppMediator* mediator = PluginBase::GetAppMediator(); mediator && !fromPanel)
            mediator->ShowError(mediator->GetProductName(), text);
        return false;
    }
    QuoteTableWindow* window = MakeWindow(parent);
    window->Model() = std::move(model);
    const std::shared_ptr<StyleBase> style = SavedTableStyle(tree);
    window->ShowEditedStyle(style ? style : window->GetStyle());
    window->Subscribe();
    window->SetRowCursor(window->Model().GetSettings().rowCursor);
    window->ShowScrollbar(window->Model().GetSettings().scrollBarShown);
    window->UpdateCaption();
    window->show();
    window->ForceActivate();
    UpdateFieldsWnd();
    return true;
}

void TableModuleConsumer::ShutDown()
{
    for (QuoteTableWindow* table : Tables())
        delete table;
    m_tables.clear();
    delete m_fieldsWnd.data();
    m_alertArguments.StopFollowing();
    ModuleConsumer::ShutDown();
}

void TableModuleConsumer::PublishArgumentValues(std::shared_ptr<const AlertExprArgList> values)
{
    m_alertArguments.PublishArgumentValues(std::move(values));
}

void TableModuleConsumer::NotifyArgumentDestroyed(const AlertExprArgDesc& argument)
{
    m_alertArguments.NotifyArgumentDestroyed(argument);
}

bool TableModuleConsumer::IsArgumentValid(const AlertExprArgDesc& argument)
{
    return m_alertArguments.IsArgumentValid(argument);
}

bool TableModuleConsumer::AddArgumentUsage(const AlertExprArgDesc& argument)
{
    return m_alertArguments.AddArgumentUsage(argument);
}

void TableModuleConsumer::RemoveArgumentUsage(const AlertExprArgDesc& argument)
{
    m_alertArguments.RemoveArgumentUsage(argument);
}

void TableModuleConsumer::Refresh()
{
    for (QuoteTableWindow* table : Tables())
        table->update();
}

std::vector<QuoteTableWindow*> TableModuleConsumer::Tables() const
{
    std::vector<QuoteTableWindow*> tables;
    for (const QPointer<QuoteTableWindow>& table : m_tables)
    {
        if (table)
            tables.push_back(table);
    }
    return tables;
}

QuoteTableWindow* TableModuleConsumer::CurrentTable() const
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    if (QuoteTableWindow* active = OwnWindow(mediator ? mediator->GetActiveModuleWnd() : nullptr))
        return active;
    return m_current.data();
}

bool TableModuleConsumer::IsOpenedAtLeastOneTable() const
{
    return !Tables().empty();
}

bool TableModuleConsumer::IsPtrTableWindow(const QWidget* window) const
{
    return window && OwnWindow(const_cast<QWidget*>(window));
}

TableSettings* TableModuleConsumer::GetActiveTableProperties()
{
    QuoteTableWindow* table = CurrentTable();
    return table ? &table->Model().GetSettings() : nullptr;
}

bool TableModuleConsumer::Redraw(bool force)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    if (force)
        table->InvalidateHeights();
    table->update();
    return true;
}

bool TableModuleConsumer::RedrawCurrentTable()
{
    return Redraw(false);
}

bool TableModuleConsumer::ForceRedrawCurrentTable()
{
    return Redraw(true);
}

bool TableModuleConsumer::RecalcStrings()
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    table->Model().Sort();
    table->update();
    return true;
}

bool TableModuleConsumer::InvalidateHeights()
{
    return Redraw(true);
}

bool TableModuleConsumer::ShowScrollbar(bool show)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    table->ShowScrollbar(show);
    return true;
}

bool TableModuleConsumer::SetRowCursor(bool on)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    table->SetRowCursor(on);
    return true;
}

bool TableModuleConsumer::IsRowCursor() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->IsRowCursor();
}

bool TableModuleConsumer::LogTablesState()
{
    return TablesStateLog::Write(Tables());
}

std::optional<QString> TableModuleConsumer::GetTableName() const
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return std::nullopt;
    return table->Model().Name();
}

bool TableModuleConsumer::SetTableName(const QString& name)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    table->Model().SetName(name.trimmed());
    table->UpdateCaption();
    return true;
}

bool TableModuleConsumer::CopyToClipboard(bool ddeLinks)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    const QuoteTableModel& model = table->Model();
    IAppMediator* mediator = PluginBase::GetAppMediator();
    const IGlobalSettings* settings = mediator ? mediator->GetGlobalSettingsObject() : nullptr;
    const bool labelFirst = settings && settings->GetDDEConsumerFormat() == IGlobalSettings::kDDELabelTicker;
    // The selected row, or the whole table when none is selected.
    std::vector<const QuoteTableRow*> rows = model.VisibleRows();
    if (const QuoteTableRow* selected = model.FindRow(model.SelectedInstrument()))
        rows = {selected};
    QStringList lines;
    for (const QuoteTableRow* row : rows)
    {
        QStringList cells;
        for (const QuoteTableColumn* column : model.VisibleColumns())
        {
            if (ddeLinks)
            {
                const QString label = model.HeaderOf(*column);
                const QString ticker = row->asset.GetShortName();
                cells << QStringLiteral("=Kelvora|%1!%2").arg(labelFirst ? label : ticker, labelFirst ? ticker : label);
            }
            else
                cells << (column->fieldId == TableFields::kComment
                              ? row->comment
                              : TableFields::Text(column->fieldId, row->asset, row->state, model.GetSettings().pricePrecision));
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
    return true;
}
void TableModuleConsumer::UpdateConnectedWindowData(const std::vector<ConnectedWindowData>& windows)
{
    m_connectedWindows = windows;
}

std::vector<DataForConnectedWindow> TableModuleConsumer::GetInfoForConnectedWindow(const QWidget* window) const
{
    std::vector<DataForConnectedWindow> tables;
    if (!window)
        return tables;
    for (QuoteTableWindow* table : Tables())
        if (table != window)
            tables.emplace_back(table->windowTitle(), table->Connections().IsConnected(window), table);
    return tables;
}
