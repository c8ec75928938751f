#pragma once
// The in-place editor of a pen: its line style, its width and a "…" button that asks for
// the colour dialog (which the grid's view runs). The colour is kept as it was given.

#include "platform/base/LogPen.h"

#include <QWidget>

class QComboBox;
class QSpinBox;
class QToolButton;

class PropertyGridPenEditor : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyGridPenEditor(QWidget* parent = nullptr);

    LogPen GetPen() const;
    void SetPen(const LogPen& pen);

    QComboBox* StyleBox() const { return m_style; }
    QSpinBox* WidthBox() const { return m_width; }
    QToolButton* ColorButton() const { return m_color; }

signals:
    void ColorButtonClicked();

private:
    QComboBox* m_style;
    QSpinBox* m_width;
    QToolButton* m_color;
    LogPen m_pen;
};
