#pragma once
// The strip of screen tabs of the tab client. A double click on a screen's tab, or "Zmień
// nazwę" in the tab's menu, opens the in-place editor of its name; the name taken is made
// unique among the screens. A right click on a screen's tab opens the tab menu (new, close,
// rename, moves). The new-screen tab at the end sends the new-screen command when clicked.
// While the tab client is locked the strip takes no clicks. Main thread only.

#include "workspace/ui/ITextReceiver.h"
#include "workspace/ui/NoteCtrl.h"

#include <QPointer>
#include <QTabBar>

#include <cstdint>

class PanelFrame;
class TabClientWnd;

class SingleWorkspaceEx : public QTabBar
{
    Q_OBJECT

public:
    // Takes the typed name of the screen whose rename started last; a screen that went
    // meanwhile takes nothing.
    class TabNameTextReciever : public ITextReceiver
    {
    public:
        explicit TabNameTextReciever(SingleWorkspaceEx& workspace);

        void ReceiveText(const QString& text, bool accepted) override;
        bool ValidateText(const QString& text) override;

        void Remember(PanelFrame* panel);
        PanelFrame* GetItem() const;

    private:
        QPointer<PanelFrame> m_item;
        SingleWorkspaceEx& m_workspace;
    };

    explicit SingleWorkspaceEx(TabClientWnd& client);

    TabClientWnd& GetTabClient() const { return m_client; }
    NoteCtrl& GetNoteCtrl() { return m_noteCtrl; }
    TabNameTextReciever& GetTabNameReceiver() { return m_tabNameReceiver; }
    QString NewWindowTabToolTip() const;

    // The screen tab at the point (this strip's coordinates): not the new-screen tab, and
    // never while the client is locked; -1 when none.
    int HitTestScreenTab(const QPoint& point) const;
    // Opens the name editor over the screen's tab; false when it cannot be shown (logged).
    bool StartRename(int index);
    bool ShowNote(const QPoint& point, const QString& caption, const QRect& itemRect);
    // The wanted name, made unique among the captions of the other screens than edited.
    QString MakeUniqueTabCaption(const QString& wanted, const PanelFrame* edited) const;
    // The tab menu of the screen tab at the index, at the screen position, and what was chosen.
    void ShowTabMenu(int index, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void RunTabMenuCommand(std::uint32_t id, int index);

    TabClientWnd& m_client;
    NoteCtrl m_noteCtrl;
    TabNameTextReciever m_tabNameReceiver;
};
