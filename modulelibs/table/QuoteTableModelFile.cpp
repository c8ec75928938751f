#include "modulelibs/table/QuoteTableModel.h"

#include "modulelibs/table/TableFields.h"
#include "platform/modules/ProviderBase.h"
#include "platform/settings/Q5Settings.h"
#include "platform/settings/Settings.h"
#include "platform/settings/SettingsIterator.h"

#include <algorithm>

namespace
{
constexpr int kFileVersion = 1;
}

void QuoteTableModel::Save(Settings& node) const
{
    node.Version(kFileVersion);
    node["Name"] = m_name;
    Settings& settings = node["Display"];
    settings["PricePrecision"] = m_settings.pricePrecision;
    settings["OfferLineIcons"] = m_settings.offerLineIcons;
    settings["TrendAgainstReference"] = m_settings.trendAgainstReference;
    settings["Autoscroll"] = m_settings.autoscroll;
    settings["RowCursor"] = m_settings.rowCursor;
    settings["ScrollBar"] = m_settings.scrollBarShown;
    settings["FieldsWindow"] = m_settings.fieldConfigurationShown;
    settings["RowLayout"] = m_settings.rowLayout;
    settings["OfferLines"] = m_offerLines;
    settings["ColumnsLocked"] = m_columnsLocked;
    Settings& sort = node["Sort"];
    sort["Field"] = m_sortField;
    sort["Ascending"] = m_sortAscending;
    sort["Auto"] = m_autoSort;
    Settings& columns = node["Columns"];
    for (const QuoteTableColumn& column : m_columns)
    {
        Settings& item = columns.AddUnnamed();
        item["Field"] = column.fieldId;
        item["Header"] = column.header;
        item["Hidden"] = column.hidden;
        item["Width"] = column.width;
        item["Merged"] = column.mergedWithNext;
    }
    // Rows are named by their place in the file: their ids are the table's own.
    std::map<std::uint32_t, int> places;
    Settings& instruments = node["Instruments"];
    for (const QuoteTableRow& row : m_rows)
    {
        places[row.id] = static_cast<int>(places.size());
        Settings& item = instruments.AddUnnamed();
        item["Provider"] = row.asset.GetProvider() ? row.asset.GetProvider()->GetName() : QString();
        item["Isin"] = row.asset.GetIsin();
        item["Ticker"] = row.asset.GetShortName();
        item["Name"] = row.asset.GetLongName();
        item["Market"] = row.asset.GetMarket();
        item["Hidden"] = row.hidden;
        item["Pinned"] = row.pinned;
        item["OfferLines"] = row.offerLines;
        item["Comment"] = row.comment;
    }
    Settings& params = node["Params"];
    for (const auto& [key, value] : m_params)
    {
        Settings& item = params.AddUnnamed();
        item["Context"] = std::get<0>(key);
        item["Row"] = std::get<1>(key) == 0 ? -1 : places[std::get<1>(key)];
        item["Field"] = std::get<2>(key);
        item["Parameter"] = std::get<3>(key);
        item["Value"] = value;
    }
    Settings& styles = node["Styles"];
    for (const auto& [key, value] : m_styles)
    {
        Settings& item = styles.AddUnnamed();
        item["Kind"] = std::get<0>(key);
        item["Row"] = std::get<1>(key) == 0 ? -1 : places[std::get<1>(key)];
        item["Field"] = std::get<2>(key);
        item["Style"] = value;
    }
}

bool QuoteTableModel::Load(const Settings& node, const std::function<std::optional<Asset>(const Asset&)>& resolve,
                           QString* error)
{
    auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!node.IsValid() || !node.Exists(QStringLiteral("Columns")))
        return fail(QStringLiteral("plik nie opisuje tabeli notowań"));
    QuoteTableModel table;
    table.m_columns.clear();
    ConstSettingsIterator columnsWalk = node["Columns"].IteratorUnnamed(1);
    while (columnsWalk.Iterate())
    {
        const Settings& item = columnsWalk.Node();
        const int field = item["Field"].ToInt();
        if (!TableFields::Find(field) || table.ColumnIndex(field) >= 0)
            continue;
        QuoteTableColumn column{field, item["Header"].ToString(), item["Hidden"].ToBool(),
                                std::clamp(item["Width"].ToInt(), 16, 2000), item["Merged"].ToBool()};
        table.m_columns.push_back(column);
    }
    if (table.VisibleColumns().empty())
        return fail(QStringLiteral("tabela w pliku nie ma żadnej widocznej kolumny"));

    table.m_name = node["Name"].ToString();
    const Settings& display = node["Display"];
    if (display.IsValid())
    {
        const int precision = display["PricePrecision"].ToInt();
        table.m_settings.pricePrecision = precision >= -1 && precision <= 8 ? precision : -1;
        table.m_settings.offerLineIcons = display["OfferLineIcons"].ToBool();
        table.m_settings.trendAgainstReference = display["TrendAgainstReference"].ToBool();
        table.m_settings.autoscroll = display["Autoscroll"].ToBool();
        table.m_settings.rowCursor = display["RowCursor"].ToBool();
        table.m_settings.scrollBarShown = display["ScrollBar"].ToBool();
        table.m_settings.fieldConfigurationShown = display["FieldsWindow"].ToBool();
        table.m_settings.rowLayout = std::clamp(display["RowLayout"].ToInt(), 0, 2);
        table.m_offerLines = std::clamp(display["OfferLines"].ToInt(), 1, kMaxOfferLines);
        table.m_columnsLocked = display["ColumnsLocked"].ToBool();
    }

    std::vector<std::uint32_t> byPlace;
    ConstSettingsIterator instrumentsWalk = node["Instruments"].IteratorUnnamed(1);
    while (instrumentsWalk.Iterate())
    {
        const Settings& item = instrumentsWalk.Node();
        const Asset stored(nullptr, item["Isin"].ToString(), item["Ticker"].ToString(), item["Name"].ToString(),
                           item["Market"].ToString());
        const std::optional<Asset> asset = resolve ? resolve(stored) : std::optional<Asset>(stored);
        const std::uint32_t id = asset ? table.AddInstrument(*asset) : 0;
        byPlace.push_back(id);
        QuoteTableRow* row = table.Row(id);
        if (!row)
            continue;
        row->hidden = item["Hidden"].ToBool();
        row->pinned = item["Pinned"].ToBool();
        row->offerLines = std::clamp(item["OfferLines"].ToInt(), 1, kMaxOfferLines);
        row->comment = item["Comment"].ToString();
    }
    auto rowAt = [&byPlace](int place) -> std::optional<std::uint32_t> {
        if (place < 0)
            return 0u;
        if (place >= static_cast<int>(byPlace.size()) || byPlace[place] == 0)
            return std::nullopt;
        return byPlace[place];
    };
    ConstSettingsIterator paramsWalk = node["Params"].IteratorUnnamed(1);
    while (paramsWalk.Iterate())
    {
        const Settings& item = paramsWalk.Node();
        const int context = item["Context"].ToInt();
        const int parameter = item["Parameter"].ToInt();
        const std::optional<std::uint32_t> row = rowAt(item["Row"].ToInt());
        if (row && context >= kOddRows && context <= kSiblingCells && IsKnownParameter(parameter))
            table.m_params[{context, *row, item["Field"].ToInt(), parameter}] = item["Value"].ToInt();
    }
    ConstSettingsIterator stylesWalk = node["Styles"].IteratorUnnamed(1);
    while (stylesWalk.Iterate())
    {
        const Settings& item = stylesWalk.Node();
        const int kind = item["Kind"].ToInt();
        const std::optional<std::uint32_t> row = rowAt(item["Row"].ToInt());
        if (row && kind >= 1 && kind <= 5)
            table.m_styles[{kind, *row, item["Field"].ToInt()}] = item["Style"].ToInt();
    }
    const Settings& sort = node["Sort"];
    const int sortField = sort["Field"].ToInt();
    table.m_sortField = table.ColumnIndex(sortField) >= 0 ? sortField : 0;
    table.m_sortAscending = !sort.Exists(QStringLiteral("Ascending")) || sort["Ascending"].ToBool();
    table.m_autoSort = sort["Auto"].ToBool();
    *this = std::move(table);
    return true;
}

void QuoteTableModel::SaveToQ5Format(Q5Settings& node) const
{
    node["Name"] = m_name;
    node["PricePrecision"] = m_settings.pricePrecision;
    node["RowLayout"] = m_settings.rowLayout;
    node["SortField"] = m_sortField;
    node["SortAscending"] = m_sortAscending;
    node["AutoSort"] = m_autoSort;
    Q5Settings& columns = node["Columns"];
    for (const QuoteTableColumn& column : m_columns)
    {
        Q5Settings& item = columns.AddUnnamed();
        item["Field"] = column.fieldId;
        item["Header"] = HeaderOf(column);
        item["Visible"] = !column.hidden;
        item["Width"] = column.width;
    }
    Q5Settings& instruments = node["Instruments"];
    for (const QuoteTableRow& row : m_rows)
    {
        Q5Settings& item = instruments.AddUnnamed();
        item["Isin"] = row.asset.GetIsin();
        item["Ticker"] = row.asset.GetShortName();
        item["Market"] = row.asset.GetMarket();
        item["Visible"] = !row.hidden;
        item["OfferLines"] = row.offerLines;
        item["Comment"] = row.comment;
    }
}
