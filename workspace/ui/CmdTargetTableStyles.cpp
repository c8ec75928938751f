// The style, colour and font commands of the quote tables' command target.

#include "workspace/ui/CmdTargetTable.h"

#include "platform/base/ColorRef.h"
#include "platform/modules/TableConsumer.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/ui/NotifyCodes.h"
#include "platform/ui/StringTable.h"
#include "workspace/ui/TableCommandIds.h"

#include <array>

using namespace TableCommandIds;

namespace
{
constexpr int kFontSize = 12;
constexpr int kOwnValue = 0x7FFFFFFF;
constexpr int kStepLarger = 0x7FFFFFFE;
constexpr int kStepSmaller = 0x7FFFFFFD;
constexpr int kAutomaticItem = -2;
constexpr int kMoreColorsItem = -3;
constexpr unsigned kYesNo = 4;
constexpr int kAnswerYes = 6;

struct StyleGallery
{
    std::uint32_t id;
    int kind;
    bool needsInstrument;
};

constexpr std::array<StyleGallery, 5> kStyleGalleries = {{
    {ID_TABLE_STYLE_GALLERY, 1, false},
    {ID_COLUMN_STYLE_GALLERY, 2, false},
    {ID_INSTRUMENT_STYLE_GALLERY, 3, true},
    {ID_CELL_STYLE_GALLERY, 4, true},
    {ID_SIBLING_CELLS_STYLE_GALLERY, 5, true},
}};

struct ColorCommand
{
    std::uint32_t id;
    int context;
    int parameter;
};

// Font colours 2, 4, 6 and background colours 3, 5, 7: plain, on a rise, on a fall.
constexpr std::array<ColorCommand, 36> kColorCommands = {{
    {33699, 0, 2}, {33700, 0, 4}, {33701, 0, 6}, {33702, 0, 3}, {33703, 0, 5}, {33704, 0, 7},
    {33705, 1, 2}, {33706, 1, 4}, {33707, 1, 6}, {33708, 1, 3}, {33709, 1, 5}, {33710, 1, 7},
    {33726, 3, 2}, {33727, 3, 4}, {33728, 3, 6}, {33729, 3, 3}, {33730, 3, 5}, {33731, 3, 7},
    {33742, 2, 2}, {33743, 2, 4}, {33744, 2, 6}, {33745, 2, 3}, {33746, 2, 5}, {33747, 2, 7},
    {33758, 4, 2}, {33759, 4, 4}, {33760, 4, 6}, {33776, 4, 3}, {33777, 4, 5}, {33778, 4, 7},
    {33767, 5, 2}, {33768, 5, 4}, {33769, 5, 6}, {33779, 5, 3}, {33780, 5, 5}, {33781, 5, 7},
}};

struct FontCommands
{
    // Contexts changed in this order; -1 for none.
    std::array<int, 2> contexts;
    std::uint32_t smaller;
    std::uint32_t larger;
    std::uint32_t restore;
};

constexpr std::array<FontCommands, 5> kFontCommands = {{
    {{0, 1}, 33717, 33716, 33751},
    {{3, -1}, 33733, 33732, 33753},
    {{2, -1}, 33749, 33748, 33755},
    {{4, -1}, 33765, 33764, 33766},
    {{5, -1}, 33774, 33773, 33775},
}};

struct RestoreCommand
{
    std::uint32_t id;
    int kind;
};

constexpr std::array<RestoreCommand, 5> kRestoreCommands = {{{33787, 1}, {33789, 3}, {33791, 2}, {33792, 4}, {33793, 5}}};

// The id of the gallery's selected item; empty for a control that is no gallery or has none.
std::optional<int> SelectedItemId(const NotifyInfo& info)
{
    const auto* gallery = qobject_cast<const GalleryControl*>(info.control);
    if (!gallery || gallery->GetSelectedItem() < 0)
        return std::nullopt;
    const GalleryItem* item = gallery->GetItem(gallery->GetSelectedItem());
    if (!item)
        return std::nullopt;
    return static_cast<int>(item->GetID());
}
}

void CmdTargetTable::AddStyleGalleries()
{
    for (const StyleGallery& gallery : kStyleGalleries)
    {
        const int kind = gallery.kind;
        OnNotify(gallery.id, NotifyCodes::SpecialStylesRequest, [this, kind](NotifyInfo& info) { OnDescribeStyles(info, kind); });
        OnNotify(gallery.id, NotifyCodes::GalleryPreviewChange, [this, kind](NotifyInfo& info) { OnStylePreview(info, kind); });
        OnNotify(gallery.id, NotifyCodes::GalleryPreviewCancel, [this](NotifyInfo&) {
            if (TableConsumer* tables = Tables())
                tables->CancelTableFieldStyle();
        });
        OnNotify(gallery.id, NotifyCodes::GalleryPreviewApply, [this](NotifyInfo&) {
            if (TableConsumer* tables = Tables())
                tables->ApplyTableFieldStyle();
        });
        if (gallery.needsInstrument)
            OnUpdate(gallery.id, [this](CmdUI& cmdUI) { cmdUI.Enable(Tables() && Tables()->GetSelectedInstrument() != 0); });
        else
            OnUpdate(gallery.id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    }
    for (const std::uint32_t id : {ID_INSTRUMENT_STYLE, ID_CELL_STYLE, ID_SIBLING_CELLS_STYLE})
    {
        OnCommand(id, [] {});
        OnUpdate(id, [this](CmdUI& cmdUI) { cmdUI.Enable(Tables() && Tables()->GetSelectedInstrument() != 0); });
    }
    OnCommand(ID_COLUMN_STYLE, [] {});
    OnCommand(ID_MORE_OPTIONS, [] {});
}

void CmdTargetTable::OnDescribeStyles(NotifyInfo& info, int kind)
{
    TableConsumer* tables = Tables();
    if (!tables)
        return;
    // Kept here: the gallery only gets the address.
    m_galleryDescription = std::make_shared<SpecialStylesInfo>();
    m_galleryDescription->firstStyle = tables->GetAutoStyle(kind);
    m_galleryDescription->checkedStyleId = tables->GetTableFieldStyleId(kind);
    m_galleryDescription->tableStyle = kind == 1;
    info.result = reinterpret_cast<std::intptr_t>(m_galleryDescription.get());
}

void CmdTargetTable::OnStylePreview(NotifyInfo& info, int kind)
{
    TableConsumer* tables = Tables();
    const std::optional<int> item = SelectedItemId(info);
    if (!tables || !item)
        return;
    tables->SetTableFieldStyle(kind, *item);
    tables->RedrawCurrentTable();
}

void CmdTargetTable::AddColorCommands()
{
    for (const ColorCommand& command : kColorCommands)
    {
        const int context = command.context;
        const int parameter = command.parameter;
        OnNotify(command.id, NotifyCodes::GalleryPreviewChange,
                 [this, context, parameter](NotifyInfo& info) { OnColorPreview(info, context, parameter); });
        OnNotify(command.id, NotifyCodes::CheckedItemQuery, [this, context, parameter](NotifyInfo& info) {
            if (TableConsumer* tables = Tables())
                info.result = tables->GetTdsParams(context, parameter);
        });
        OnNotify(command.id, NotifyCodes::GalleryPreviewCancel, [this](NotifyInfo&) {
            if (TableConsumer* tables = Tables())
            {
                tables->CancelTdsParams();
                tables->RedrawCurrentTable();
            }
        });
        OnNotify(command.id, NotifyCodes::GalleryPreviewApply, [this](NotifyInfo&) { OnColorApply(); });
        OnUpdate(command.id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
    }
}

void CmdTargetTable::OnColorPreview(NotifyInfo& info, int context, int parameter)
{
    TableConsumer* tables = Tables();
    const std::optional<int> item = SelectedItemId(info);
    if (!tables || !item)
        return;
    m_customColorPending = false;
    if (*item == kMoreColorsItem)
    {
        // The dialog opens when the gallery closes on this item.
        m_customColorPending = true;
        m_customColorContext = context;
        m_customColorParameter = parameter;
        tables->CancelTdsParams();
        tables->RedrawCurrentTable();
        return;
    }
    tables->ChangeTdsParams(context, parameter, *item == kAutomaticItem ? kOwnValue : *item);
    tables->RedrawCurrentTable();
}

void CmdTargetTable::OnColorApply()
{
    TableConsumer* tables = Tables();
    if (!tables)
        return;
    if (m_customColorPending)
    {
        const QColor current = ColorRef(static_cast<quint32>(tables->GetTdsParams(m_customColorContext, m_customColorParameter)))
                                   .ToQColor(Qt::white);
        if (const std::optional<QColor> chosen = m_services.chooseColor(current))
        {
            if (const std::optional<ColorRef> colour = ColorRef::FromQColor(*chosen))
            {
                tables->ChangeTdsParams(m_customColorContext, m_customColorParameter, static_cast<int>(colour->Value()));
                tables->RedrawCurrentTable();
            }
        }
    }
    m_customColorPending = false;
    tables->ApplyTdsParams();
}

void CmdTargetTable::AddFontCommands()
{
    for (const FontCommands& commands : kFontCommands)
    {
        const std::array<int, 2> contexts = commands.contexts;
        for (const auto& [id, value] : {std::pair{commands.smaller, kStepSmaller}, std::pair{commands.larger, kStepLarger},
                                        std::pair{commands.restore, kOwnValue}})
        {
            const int change = value;
            OnCommand(id, [this, contexts, change] {
                TableConsumer* tables = Tables();
                if (!tables)
                    return;
                for (const int context : contexts)
                {
                    if (context >= 0)
                        tables->ChangeTdsParams(context, kFontSize, change);
                }
                tables->InvalidateHeights();
                tables->RedrawCurrentTable();
            });
            OnUpdate(id, [](CmdUI& cmdUI) { cmdUI.Enable(true); });
        }
    }
}

void CmdTargetTable::AddRestoreCommands()
{
    for (const RestoreCommand& command : kRestoreCommands)
    {
        const int kind = command.kind;
        OnCommand(command.id, [this, kind] {
            if (TableConsumer* tables = Tables())
            {
                tables->ResetTdsParams(kind);
                tables->RedrawCurrentTable();
            }
        });
    }
    OnCommand(ID_RESTORE_ALL, [this] { RestoreAll(); });
}

void CmdTargetTable::RestoreAll()
{
    const StringTable& strings = StringTable::Instance();
    if (m_services.messageBox(strings.Get(IDS_RESTORE_ALL_CAPTION), strings.Get(IDS_RESTORE_ALL_QUESTION), kYesNo) != kAnswerYes)
        return;
    if (TableConsumer* tables = Tables())
    {
        tables->ResetTdsParams(0);
        tables->RedrawCurrentTable();
    }
}
