#pragma once
// A drop-down list of line styles drawn as lines (solid, dash, dot, dash-dot, dash-dot-dot);
// the item's index is the line style. The selected item of the open list is drawn on the
// highlight colour.

#include <QComboBox>

class GridLineStyleCombo : public QComboBox
{
    Q_OBJECT

public:
    explicit GridLineStyleCombo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
