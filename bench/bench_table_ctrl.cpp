// The grid control's repaint: a table of 10,000 rows and 12 columns on a 1600 x 1000 body, in
// which 10 % of the cells change between two frames. A frame is the handler's redraw stamp and
// the paint of the body as the program does it: every row in view asks the handler to paint
// it, and the handler fills each cell in its state colour and writes the number fitted to the
// cell. The p99_ms counter is the 99th percentile of the frame times on the wall clock, p99_cpu_ms
// the same on this thread's CPU clock (which other programs on a busy machine do not inflate).
//
// BM_RepaintChangingCells keeps the view in place (the changes land anywhere in the table);
// BM_RepaintWhileScrolling also moves the view to another place of the table every frame.

#include "bench/FrameTimes.h"
#include "platform/toolkit/ITableHandler.h"
#include "platform/toolkit/ITableView.h"
#include "platform/toolkit/TableCellText.h"
#include "platform/toolkit/TableCtrl.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

namespace
{
constexpr int kRows = 10000;
constexpr int kColumns = 12;
constexpr int kChangedCells = kRows * kColumns / 10;

using FrameTimes::Application;
using FrameTimes::Percentile99;
using FrameTimes::ThreadCpuMs;

// Cells with a value and a change state (0 unchanged, 1 rose, 2 fell), painted as the sheets do.
class QuotesHandler : public ITableHandler
{
public:
    QuotesHandler() : m_values(kRows * kColumns, 100.0), m_states(kRows * kColumns, 0) {}

    void Change(std::mt19937& random)
    {
        std::uniform_int_distribution<int> cell(0, kRows * kColumns - 1);
        std::uniform_real_distribution<double> step(-1.0, 1.0);
        for (int change = 0; change < kChangedCells; ++change)
        {
            const int index = cell(random);
            const double delta = step(random);
            m_values[index] += delta;
            m_states[index] = delta >= 0 ? 1 : 2;
        }
    }

    void DrawCell(QPainter& painter, int row, const QRect& rect) override
    {
        static const QColor backgrounds[] = {QColor(0xC8, 0xC8, 0xC8), QColor(0xB4, 0xE6, 0xB4), QColor(0xF0, 0xB4, 0xB4)};
        int left = rect.left();
        for (int position = 0; position < kColumns && left < rect.right(); ++position)
        {
            const int column = m_table->GetColumnId(position);
            const int width = m_table->GetColumnWidth(column);
            const QRect cell(left, rect.top(), width, rect.height());
            const int index = row * kColumns + column;
            painter.fillRect(cell, backgrounds[m_states[index]]);
            painter.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
            TableCellText::Draw(painter, cell, QString::number(m_values[index], 'f', 2), Qt::AlignRight, 4);
            left += width;
        }
    }
    void SetTable(ITableView* table) override { m_table = table; }
    int OnKeyDown(int key) override { return -1; }
    void OnRowClick(int row, const QPoint& point, Qt::KeyboardModifiers flags) override {}
    int GetSelectedRow() const override { return -1; }
    void OnRedrawn() override { m_redraw = false; }
    void SetActive(bool active) override {}
    int GetRowHeight(int row) override { return 18; }
    void SetSelectedRow(int row, bool notify) override {}
    bool IsRedrawRequired() const override { return m_redraw; }
    void RequestRedraw() override { m_redraw = true; }
    int CalcColumnWidth(int columnId) override { return 0; }

private:
    ITableView* m_table = nullptr;
    std::vector<double> m_values;
    std::vector<unsigned char> m_states;
    bool m_redraw = false;
};

void RunFrames(benchmark::State& state, bool scroll)
{
    Application();
    QuotesHandler handler;
    TableCtrl table;
    handler.SetTable(&table);
    table.SetTableHandler(&handler);
    for (int column = 0; column < kColumns; ++column)
        table.InsertHeaderItem(column, QStringLiteral("Kolumna %1").arg(column + 1), 130);
    table.BeginFill();
    for (int row = 0; row < kRows; ++row)
        table.AddItem(static_cast<quintptr>(row));
    table.EndFill();
    table.resize(1600, 1000);
    table.show();
    QImage body(table.viewport()->size(), QImage::Format_ARGB32_Premultiplied);

    std::mt19937 random(7);
    std::uniform_int_distribution<int> firstRow(0, kRows - 60);
    std::vector<double> frames;
    std::vector<double> cpuFrames;
    for (auto _ : state)
    {
        state.PauseTiming();
        handler.Change(random);
        if (scroll)
            table.SetFirstVisibleRow(firstRow(random));
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = ThreadCpuMs();
        table.Redraw();
        table.viewport()->render(&body);
        cpuFrames.push_back(ThreadCpuMs() - cpuStart);
        frames.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    if (!frames.empty())
    {
        state.counters["p99_ms"] = Percentile99(frames);
        state.counters["p99_cpu_ms"] = Percentile99(cpuFrames);
    }
}

void BM_RepaintChangingCells(benchmark::State& state)
{
    RunFrames(state, false);
}

void BM_RepaintWhileScrolling(benchmark::State& state)
{
    RunFrames(state, true);
}
}

BENCHMARK(BM_RepaintChangingCells)->Unit(benchmark::kMillisecond)->Iterations(500);
BENCHMARK(BM_RepaintWhileScrolling)->Unit(benchmark::kMillisecond)->Iterations(500);
