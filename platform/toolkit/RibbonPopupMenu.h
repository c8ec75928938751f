#pragma once
// A popup bar shown as a QMenu: commands and check boxes as actions (each carrying its command
// id, as every menu of the program does), labels as section headings, galleries, edits and
// combo boxes as embedded widgets, nested popups as submenus. ControlOf tells which control
// an action the user chose stands for. A collapsed ribbon group is shown the same way.

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QPointer>

#include <memory>
#include <vector>

class RibbonControl;
class RibbonImageManager;
class RibbonPopupBar;

class RibbonPopupMenu
{
public:
    RibbonPopupMenu(RibbonPopupBar& popup, const RibbonImageManager& images, QWidget* parent = nullptr);
    using Controls = std::vector<std::unique_ptr<RibbonControl>>;
    RibbonPopupMenu(const Controls& controls, const RibbonImageManager& images, QWidget* parent = nullptr);
    ~RibbonPopupMenu();

    QMenu* Get() const { return m_menu.get(); }
    RibbonControl* ControlOf(const QAction* action) const;

    // A popup is at most this share of its screen's width (0: no limit).
    static void SetMaxWidthDivisor(double divisor);

private:
    void Fill(QMenu& menu, const Controls& controls);
    void LimitWidth(QWidget* parent);

    const RibbonImageManager& m_images;
    std::unique_ptr<QMenu> m_menu;
    QHash<const QAction*, QPointer<RibbonControl>> m_controls;
};
