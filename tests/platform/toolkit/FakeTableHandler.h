#pragma once
// A table handler for the grid's tests: rows of given heights painted each in its own colour,
// cell texts "r<row>c<column>", a selected row moved by the arrow keys, and a record of every
// call the grid made.

#include "platform/toolkit/ITableHandler.h"
#include "platform/toolkit/ITableView.h"
#include "platform/toolkit/TableCtrl.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class FakeTableHandler : public ITableHandler
{
public:
    static QColor RowColor(int row) { return QColor::fromHsv((row * 37) % 360, 200, 200); }

    void DrawCell(QPainter& painter, int row, const QRect& rect) override
    {
        drawn.push_back(row);
        rects.push_back(rect);
        painter.fillRect(rect, RowColor(row));
    }
    void OnAfterPaint(QPainter& painter, const QRect& area) override { afterPaint.push_back(area); }
    void SetTable(ITableView* view) override { table = view; }
    int OnKeyDownEx(int key, Qt::KeyboardModifiers flags) override
    {
        keys.push_back(key);
        return ITableHandler::OnKeyDownEx(key, flags);
    }
    int OnKeyDown(int key) override
    {
        const int count = table ? table->GetItemCount() : 0;
        if (selected < 0 || count == 0)
            return -1;
        if (key == 38)
            selected = selected == 0 ? count - 1 : selected - 1;
        else if (key == 40)
            selected = (selected + 1) % count;
        return selected;
    }
    void OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers flags) override
    {
        clicks.emplace_back(row, point);
        selected = row;
    }
    int GetSelectedRow() const override { return selected; }
    void OnMouseLeaveRows() override { ++leaves; }
    void OnMouseOverRow(int row, const QPoint& point) override { hovered.push_back(row); }
    void OnRedrawn() override
    {
        ++redrawn;
        redrawnBeforePaint = drawn.empty();
        redrawRequired = false;
    }
    void SetActive(bool value) override { active = value; }
    int GetRowHeight(int row) override
    {
        ++heightQueries;
        return rowHeight ? rowHeight(row) : 20;
    }
    void SetSelectedRow(int row, bool notify) override { selected = row; }
    bool IsRedrawRequired() const override { return redrawRequired; }
    void RequestRedraw() override { redrawRequired = true; }
    void OnViewChanged() override { ++viewChanges; }
    int CalcColumnWidth(int columnId) override { return fitWidth; }
    void OnRowDoubleClick(int row, const QPoint& point) override { doubleClicks.push_back(row); }
    void OnSetCursor(QWidget& body) override { ++cursorSets; }
    void OnBeginDrag() override
    {
        ++drags;
        if (beginDrag)
            beginDrag();
    }
    QString GetCellText(int row, int columnId) const override
    {
        return QStringLiteral("r%1c%2").arg(row).arg(columnId);
    }

    ITableView* table = nullptr;
    std::function<int(int)> rowHeight;
    std::function<void()> beginDrag;
    int selected = -1;
    int fitWidth = 0;
    bool active = false;
    bool redrawRequired = false;
    bool redrawnBeforePaint = false;
    int redrawn = 0;
    int leaves = 0;
    int viewChanges = 0;
    int cursorSets = 0;
    int drags = 0;
    int heightQueries = 0;
    std::vector<int> drawn;
    std::vector<QRect> rects;
    std::vector<QRect> afterPaint;
    std::vector<int> keys;
    std::vector<std::pair<int, QPoint>> clicks;
    std::vector<int> hovered;
    std::vector<int> doubleClicks;
};

// The grid of the tests: the handler set, three columns ("Nazwa" 100, "Walor" hidden at 80,
// "Kurs" 60) and the given rows, shown.
inline void ShowTestGrid(TableCtrl& table, FakeTableHandler& handler, int rows, int bodyHeight)
{
    handler.SetTable(&table);
    table.SetTableHandler(&handler);
    table.InsertHeaderItem(0, QStringLiteral("Nazwa"), 100);
    table.InsertHeaderItem(1, QStringLiteral("Walor"), -80);
    table.InsertHeaderItem(2, QStringLiteral("Kurs"), 60);
    for (int row = 0; row < rows; ++row)
        table.AddItem(static_cast<quintptr>(row + 1));
    table.resize(300, bodyHeight + table.GetHeaderHeight() + 2 * table.frameWidth());
    table.show();
}
