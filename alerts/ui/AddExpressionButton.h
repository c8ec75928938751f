#pragma once
// "dodaj nowe wyrażenie": the button under the expression rows of a side panel and in the
// header of the side's row in the definition report. A click (released inside) appends an
// empty expression row to the side.

#include <QToolButton>

class AddExpressionButton : public QToolButton
{
    Q_OBJECT

public:
    static constexpr int kImageId = 1470;

    explicit AddExpressionButton(QWidget* parent = nullptr);
};
