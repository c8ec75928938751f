#pragma once
// The toolkit's status bar: panes by id in their order along the bar, the separator pane (id 0)
// taking the free width, and tooltips that the bar finds per pane (OnToolHitTest) instead of
// per widget, so a derived bar can take a pane's tooltip from elsewhere.

#include "platform/toolkit/StatusBarPane.h"
#include "platform/ui/Wnd.h"

#include <QPointer>
#include <QStatusBar>

#include <cstdint>
#include <memory>
#include <vector>

class StatusBarBase : public QStatusBar, public Wnd
{
    Q_OBJECT

public:
    static constexpr std::uint32_t kSeparatorId = 0;

    explicit StatusBarBase(QWidget* parent = nullptr);

    // A plain pane with the id at the index (-1 or past the end: at the end); null when a pane
    // already has the id (separators may repeat).
    StatusBarPane* AddIndicator(std::uint32_t id, int index = -1);
    // The same for a pane made by the caller; the bar takes it.
    StatusBarPane* AddPane(std::unique_ptr<StatusBarPane> pane, int index = -1);

    StatusBarPane* FindPane(std::uint32_t id) const;
    int GetPaneCount() const;
    StatusBarPane* GetPane(int index) const;
    // The shown pane under the point (the bar's coordinates); null when none.
    StatusBarPane* HitTestPane(const QPoint& point) const;

    // The id of the pane under the point, its tooltip text in text; -1, and text untouched,
    // when no pane is there or the pane has no tooltip.
    virtual int OnToolHitTest(const QPoint& point, QString& text) const;

protected:
    bool event(QEvent* event) override;

private:
    std::vector<QPointer<StatusBarPane>> m_panes;
};
