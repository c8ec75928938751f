#pragma once
// The orders sheet's ribbon commands: the panes' visibility, the column lock, the cursor and the
// sheet mode of the module's current sheet window, each shown checked as the window's settings
// say; "Styl arkusza zleceń", which begins editing the module's window style; and the gallery of
// stored sheet styles, whose hovered style the window shows until the user leaves the gallery
// (its own style back) or chooses it (the window keeps it). With no window the commands do
// nothing and the chart command stays enabled. Main thread only.

#include "platform/ui/CmdTarget.h"

#include <QColor>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

struct NotifyInfo;

class OrderSheetMainDlg;
struct SpecialStylesInfo;
class StyleBase;

class CmdTargetOrdersSheet : public CmdTarget
{
public:
    using WindowSource = std::function<OrderSheetMainDlg*()>;

    // What the commands need of the application; a missing service leaves its command disabled.
    struct Services
    {
        // The style windows without a style of their own show.
        std::function<std::shared_ptr<StyleBase>()> moduleStyle;
        // Enters the style edit mode for the style under the title.
        std::function<void(const std::shared_ptr<StyleBase>& style, const QString& title)> beginEditStyle;
        // The colour dialog preset with a colour; empty when cancelled.
        std::function<std::optional<QColor>(const QColor& current)> chooseColor;
        // The application's modal message box; its answer (6 yes).
        std::function<int(const QString& caption, const QString& text, unsigned flags)> messageBox;
        // Whether a quote table is open for "Powiąż" to link with.
        std::function<bool()> canLink;
        // The window the colours and fonts change: the mediator's active module window, when it
        // is a sheet.
        WindowSource activeWindow;
    };

    static inline const QString kEditStyleTitle = QStringLiteral("Podgląd i edycja stylu %1");
    static inline const QString kEditStyleKind = QStringLiteral("okna pełnego arkusza zleceń");

    explicit CmdTargetOrdersSheet(WindowSource window, Services services = {});

    // "Więcej kolorów" was chosen: the colour dialog opens when the gallery closes.
    bool IsCustomColorPending() const { return m_customColorPending; }

private:
    // A pane toggle: the command flips it, the update shows its state.
    void Toggle(std::uint32_t id, void (*command)(OrderSheetMainDlg&), bool (*state)(const OrderSheetMainDlg&));

    void BeginEditStyle();
    void AddSheetStyleGallery();
    // The hovered (or chosen) style shows in the window; a gallery without one gives the window
    // its style back.
    void PreviewSheetStyle(const NotifyInfo& info, bool apply);

    // The row colours, font steps and restores of the sheet's own style.
    void AddColorCommands();
    // needsCell: the command is enabled only while the window has a cursor cell.
    void AddColorCommand(std::uint32_t id, int kind, int parameterId, bool needsCell);
    void OnColorPreview(const NotifyInfo& info, int kind, int parameterId);
    void OnColorApply();
    void AddFontCommands();
    void AddRestoreCommands();
    void RestoreAll();

    // "Powiąż" and the tables' arrangement.
    void AddLinkCommand();
    void AddArrangementCommands();
    // The column and the order row under the cursor: their style galleries, colours and fonts.
    void AddCursorCommands();
    void AddCursorStyleGallery(std::uint32_t id, int kind);
    void PreviewCursorStyle(const NotifyInfo& info, int kind, bool apply);
    OrderSheetMainDlg* ActiveWindow() const { return m_services.activeWindow(); }

    WindowSource m_window;
    Services m_services;
    // The gallery's last answer: the gallery keeps only its address.
    std::shared_ptr<SpecialStylesInfo> m_galleryInfo;
    bool m_customColorPending = false;
    int m_customColorKind = 0;
    int m_customColorParameter = 0;
};
