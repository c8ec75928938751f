#pragma once
// The program's ribbon bar. It adds tabs from string-table entries, remembers the level of the
// tab the user clicked (the context update uses it to pick a contextual tab of the same depth
// in the next window), and while locked (the print dialog is open) ignores the mouse except
// on the caption and the system button.

#include "platform/toolkit/RibbonBarBase.h"
#include "ribbon/ERibbonTabLevel.h"

class QuorvantaRibbonControlTab;
class QuorvantaTab;

class QuorvantaRibbonBar : public RibbonBarBase
{
    Q_OBJECT

public:
    // The parts of a tab's string entry.
    struct TabTexts
    {
        QString tooltip;
        QString caption;
        QString keyboardTip;
    };

    QuorvantaRibbonBar();

    // "unused\ntooltip\ncaption\nkey tip": an empty caption part takes the tooltip, missing
    // parts are empty; a text without a line break is the caption itself.
    static TabTexts SplitTabText(const QString& text);

    // Adds the tab at the end, its texts from the string entry of the id (SplitTabText).
    QuorvantaTab* AddTab(std::uint32_t stringId, std::unique_ptr<QuorvantaTab> tab);
    // Throws QuorvantaException for a null tab.
    QuorvantaTab* AddTabItem(int index, const QString& caption, std::uint32_t id, std::unique_ptr<QuorvantaTab> tab);

    QuorvantaTab* GetSelectedQuorvantaTab() const;

    // Remembers the level, and the selected tab when it is of that level.
    void RememberTabLevel(ERibbonTabLevel level);
    ERibbonTabLevel GetRememberedLevel() const { return m_rememberedLevel; }
    QuorvantaTab* GetRememberedTab() const { return m_rememberedTab; }

    bool IsLocked() const { return m_locked; }
    void SetLocked(bool locked) { m_locked = locked; }

    void OnLButtonDown(const QPoint& point) override;
    void OnLButtonDblClk(const QPoint& point) override;
    void OnMouseMove(const QPoint& point) override;

private:
    QuorvantaRibbonControlTab& TabControl() const;
    // While locked only the caption and the system button take clicks.
    bool TakesClickAt(const QPoint& point) const;

    ERibbonTabLevel m_rememberedLevel = RibbonTabLevelNone;
    QuorvantaTab* m_rememberedTab = nullptr;
    bool m_locked = false;
};
