#pragma once
// The style edit mode's command target for an orders-sheet style: the grid lines and their pen,
// the cursor colour, the colouring by rows or columns, the highlighting of changes, the text
// styles of the odd and even elements and of the current-price row, and the fifteen colours of
// the summary pane, chart and indicators, whose buttons show their colour as an icon.
//
// A text-style command acts only while its tab is selected: the odd and even elements' on
// "Kolumny i Wiersze", the price row's on "Wiersz aktualnej ceny"; on another tab it does
// nothing. The edited sheet window draws with the edited style while the mode lasts, so every
// change and every hovered pen or colour shows in it at once, and "Odrzuć" takes back all of
// them: the window's own style is never written. Made by the style edit mode, destroyed after
// it ends. Main thread only.

#include "styles/ui/CmdTargetEditGridStyleBase.h"

#include <QIcon>
#include <QImage>

#include <array>
#include <functional>
#include <map>


class CmdTargetOrdersSheetStyle : public CmdTargetEditGridStyleBase
{
public:
    // Hands the style's id to the template of new sheet windows.
    using SaveInSettings = std::function<void(int styleId)>;
    // The id of the ribbon's selected tab; 0 when none.
    using SelectedTab = std::function<std::uint32_t()>;

    static constexpr int kIconSize = 16;
    // Theme colour of the swatches' outline.
    static constexpr int kIconOutlineColour = 53;

    // Without a selected-tab source the host's ribbon answers.
    CmdTargetOrdersSheetStyle(std::shared_ptr<StyleBase> style, StyleEditModeHandler& handler,
                              SaveInSettings saveInSettings, SelectedTab selectedTab = {});
    ~CmdTargetOrdersSheetStyle() override;

    bool OnCmdMsg(std::uint32_t id, int code, void* extra) override;
    // Also draws the summary colours' icons anew.
    void OnStyleCopied() override;

    // The summary colour's icon, in the table's order; null before it is drawn.
    const QIcon& GetSummaryIcon(std::size_t index) const { return m_icons.at(index); }
    // The style parameter of a place in the summary colours' groups; 25 (none) for an unknown place.
    static int SummaryParameter(std::uint32_t group, int index);
    // A 16 x 16 swatch: the colour (COLORREF) in a 13 x 13 square at (1, 1) with an outline.
    static QImage SwatchImage(qint32 colour, const QColor& outline);
    // The name of an element's own style in the copy-from galleries.
    static QString OwnCopyName(int element);

private:
    void AddGeneral();
    bool IsStoredStyle() const;
    void AddElement(std::size_t element);
    void AddSummaryColours();
    void DescribeOwnCopies(NotifyInfo& info);
    void DrawSummaryIcons();

    SaveInSettings m_saveInSettings;
    SelectedTab m_selectedTab;
    std::map<std::uint32_t, std::uint32_t> m_elementTabs;
    std::shared_ptr<SpecialStylesInfo> m_galleryInfo;
    std::array<QIcon, 15> m_icons;
};
