#pragma once
// The command target of every quote-table window: the ribbon's commands on instruments,
// columns, notes, pinned rows, sorting, offer lines and display options, and the style,
// colour and font commands. Almost every handler is one call on the quote-table library's
// consumer, which acts on its current table; the target keeps no table state beyond a pending
// "more colours" choice and the description of the last style gallery. One target is made when
// the consumer libraries are loaded and lives for the run. Main thread only.

#include "platform/modules/Asset.h"
#include "platform/modules/AssetsGroupId.h"
#include "platform/modules/IAppMediator.h"
#include "platform/ui/CmdTarget.h"
#include "styles/engine/SpecialStylesInfo.h"

#include <QColor>

#include <functional>
#include <memory>
#include <optional>
#include <set>

class ConsumerBase;
class ModuleWndBase;
class QWidget;
class RibbonControl;
class RibbonsFactory;
class StyleBase;
class TableConsumer;
struct TableSettings;

class CmdTargetTable : public CmdTarget
{
public:
    // What a style gallery shows besides the stored styles: the style of the element as the
    // table has it, the style now chosen, and whether the element is the whole table.

    // The parts of the program the target reaches; an empty one takes the program's own.
    struct Services
    {
        std::function<TableConsumer*()> tables;
        // The ribbon of the main frame; null while there is none.
        std::function<RibbonsFactory*()> ribbons;
        // The application's active module window and active panel view.
        std::function<ModuleWndBase*()> activeModuleWnd;
        std::function<QWidget*()> activePanelView;
        // The modal choice of many instruments; true on OK, the sets changed in place.
        std::function<bool(QWidget* parent, std::set<Asset>& assets, std::set<AssetsGroupId>& groups)> chooseManyAssets;
        // Shows the quick-add popup over the window; the receiver is told the instrument chosen.
        std::function<void(ModuleWndBase& window, ConsumerBase& consumer, const QuickAddAssetReceiver& receiver)>
            quickAddInstrument;
        // The colour dialog preset with a colour; empty when cancelled.
        std::function<std::optional<QColor>(const QColor& current)> chooseColor;
        // The application's modal message box; its answer (6 yes).
        std::function<int(const QString& caption, const QString& text, unsigned flags)> messageBox;
    };

    explicit CmdTargetTable(Services services = {});

    // The pending "more colours" choice of a colour gallery.
    bool IsCustomColorPending() const { return m_customColorPending; }

private:
    void AddInstrumentCommands();
    void AddColumnCommands();
    void AddTableCommands();
    void AddOfferLineCommands();
    void AddDisplayOptionCommands();
    void AddStyleGalleries();
    void AddColorCommands();
    void AddFontCommands();
    void AddRestoreCommands();

    // A command that calls the consumer; enabled by the condition when one is given.
    void OnTable(std::uint32_t id, std::function<void(TableConsumer&)> command,
                 std::function<bool(TableConsumer&)> enabled = nullptr);
    void OnSelected(std::uint32_t id, std::function<void(TableConsumer&, std::uint32_t)> command);
    void OnSettingsFlag(std::uint32_t id, bool TableSettings::*field, bool force);
    void OnPrecision(std::uint32_t id, int precision);
    void OnRowLayout(std::uint32_t id, int layout);

    void InsertInstrument();
    void ManageInstruments();
    void MoveColumnToEdge(bool toLeft);
    void ToggleFieldConfiguration();
    void OnTabChanged(NotifyInfo& info);
    void OnNameEdit(std::uint32_t groupId, std::uint32_t id, bool column);
    void UpdateNameEdit(CmdUI& cmdUI, std::uint32_t groupId, bool column);
    void UpdateSortGallery(CmdUI& cmdUI);
    void UpdateOfferLinesCombo(CmdUI& cmdUI);
    void OnOfferLinesCombo();
    void RestoreAll();

    void OnColorPreview(NotifyInfo& info, int context, int parameter);
    void OnColorApply();
    void OnStylePreview(NotifyInfo& info, int kind);
    void OnDescribeStyles(NotifyInfo& info, int kind);

    TableConsumer* Tables() const;
    TableSettings* Settings() const;
    void Redraw() const;
    // The control of the group in the main frame's ribbon; null when any step finds nothing.
    RibbonControl* FindRibbonControl(std::uint32_t groupId, std::uint32_t id) const;

    Services m_services;
    std::shared_ptr<SpecialStylesInfo> m_galleryDescription;
    int m_customColorContext = 0;
    int m_customColorParameter = 0;
    bool m_customColorPending = false;
};
