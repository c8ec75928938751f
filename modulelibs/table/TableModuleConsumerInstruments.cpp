// The quote table consumer's operations on the current table's instruments: the selected one,
// adding, removing, moving, hiding and pinning them, the search, offer lines and the notes.

#include "modulelibs/table/TableModuleConsumer.h"

#include "modulelibs/table/QuoteTableWindow.h"

#include <QInputDialog>

// Instruments

std::uint32_t TableModuleConsumer::GetSelectedInstrument() const
{
    QuoteTableWindow* table = CurrentTable();
    return table ? table->Model().SelectedInstrument() : 0;
}

bool TableModuleConsumer::GetAllAssetsAndAssetsGroupId(std::set<Asset>& assets, std::set<AssetsGroupId>& groups) const
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    for (const Asset& asset : table->Model().Instruments())
        assets.insert(asset);
    return true;
}

bool TableModuleConsumer::AddRemoveAssets(const std::set<Asset>& assets, const std::set<AssetsGroupId>& groups)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    table->SetInstruments(std::vector<Asset>(assets.begin(), assets.end()));
    return true;
}

bool TableModuleConsumer::DeleteInstrument(std::uint32_t id, int mode)
{
    QuoteTableWindow* table = CurrentTable();
    const QuoteTableRow* row = table ? table->Model().FindRow(id) : nullptr;
    if (!row)
        return false;
    std::vector<Asset> assets = table->Model().Instruments();
    std::erase(assets, row->asset);
    table->SetInstruments(assets);
    return true;
}

bool TableModuleConsumer::OnCurrent(const std::function<bool(QuoteTableModel&)>& operation)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || !operation(table->Model()))
        return false;
    table->update();
    return true;
}

bool TableModuleConsumer::MoveInstrumentUp() 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.MoveInstrument(-1); });
}

bool TableModuleConsumer::MoveInstrumentDown() 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.MoveInstrument(1); });
}

bool TableModuleConsumer::MoveInstrumentToBegin() 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.MoveInstrumentToEdge(true); });
}

bool TableModuleConsumer::MoveInstrumentToEnd() 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.MoveInstrumentToEdge(false); });
}

bool TableModuleConsumer::ShowInstrument(std::uint32_t id, bool show)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || !table->Model().ShowInstrument(id, show))
        return false;
    table->InvalidateHeights();
    return true;
}

bool TableModuleConsumer::IsInstrumentVisible(std::uint32_t id) const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().IsInstrumentVisible(id);
}

bool TableModuleConsumer::HasHiddenInstruments() const
{
    return !GetHiddenInstruments().empty();
}

std::vector<TableItemInfo> TableModuleConsumer::GetHiddenInstruments() const
{
    QuoteTableWindow* table = CurrentTable();
    return table ? table->Model().HiddenInstruments() : std::vector<TableItemInfo>();
}

bool TableModuleConsumer::SearchInTable()
{
    QuoteTableWindow* table = CurrentTable();
    if (!table)
        return false;
    table->ShowSearch(!table->IsSearchVisible());
    return true;
}

bool TableModuleConsumer::IsSearchVisible() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->IsSearchVisible();
}

bool TableModuleConsumer::SetOfferLines(std::uint32_t id, int lines)
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || !table->Model().SetOfferLines(id, lines))
        return false;
    table->InvalidateHeights();
    return true;
}

int TableModuleConsumer::GetOfferLines(std::uint32_t id) const
{
    QuoteTableWindow* table = CurrentTable();
    return table ? table->Model().GetOfferLines(id) : 0;
}

bool TableModuleConsumer::ResetPositions(std::uint32_t id) 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.ResetPositions(id); });
}

bool TableModuleConsumer::IsCurrentInstrumentPinned() const
{
    QuoteTableWindow* table = CurrentTable();
    const QuoteTableRow* row = table ? table->Model().FindRow(table->Model().SelectedInstrument()) : nullptr;
    return row && row->pinned;
}

bool TableModuleConsumer::HasPinnedInstruments() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().HasPinned();
}
// Notes

bool TableModuleConsumer::EditComment()
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || !table->Model().IsCommentCellSelected())
        return false;
    const std::uint32_t id = table->Model().SelectedInstrument();
    const QString current = table->Model().FindRow(id)->comment;
    const std::optional<QString> text =
        m_textPrompt ? m_textPrompt(table, QStringLiteral("Notatka"), current) : [&]() -> std::optional<QString> {
            bool ok = false;
            const QString answer = QInputDialog::getText(table, QStringLiteral("Notatka"), QStringLiteral("Notatka:"),
                                                         QLineEdit::Normal, current, &ok);
            return ok ? std::optional<QString>(answer) : std::nullopt;
        }();
    if (!text)
        return false;
    table->Model().SetComment(id, *text);
    table->update();
    return true;
}

bool TableModuleConsumer::RemoveSelectedComment()
{
    if (!IsCommentCellFilled())
        return false;
    QuoteTableWindow* table = CurrentTable();
    table->Model().SetComment(table->Model().SelectedInstrument(), QString());
    table->update();
    return true;
}

bool TableModuleConsumer::RemoveComments() 
{
    return OnCurrent([&](QuoteTableModel& model) { return model.RemoveComments(); });
}

bool TableModuleConsumer::IsCommentCellSelected() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().IsCommentCellSelected();
}

bool TableModuleConsumer::IsCommentCellFilled() const
{
    QuoteTableWindow* table = CurrentTable();
    if (!table || !table->Model().IsCommentCellSelected())
        return false;
    return !table->Model().FindRow(table->Model().SelectedInstrument())->comment.isEmpty();
}

bool TableModuleConsumer::AreCommentsInTable() const
{
    QuoteTableWindow* table = CurrentTable();
    return table && table->Model().AreCommentsInTable();
}
