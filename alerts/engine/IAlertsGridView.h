#pragma once
// The row face of a grid of the alerts window as the grid models drive it: columns, rows that
// follow the model's rows by index, and the selection. The alerts window's grids implement it;
// the models call it on the main thread only, under their own locks.

#include <QString>

class IAlertsGridView
{
public:
    virtual ~IAlertsGridView() = default;

    // kind 2: a column the user can size.
    virtual void AddColumn(const QString& caption, int kind) = 0;
    virtual void AppendRow() = 0;
    virtual void InsertRow(int index) = 0;
    virtual void RemoveRow(int index) = 0;
    virtual void RemoveAllRows() = 0;
    // -1 when no row is selected.
    virtual int GetSelectedRow() const = 0;
    virtual void SelectRow(int index) = 0;
    // Whether the grid's handler is the one the user works in (its tab is shown).
    virtual bool IsHandlerActive() const = 0;
};
