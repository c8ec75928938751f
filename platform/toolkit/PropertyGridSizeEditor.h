#pragma once
// The in-place editor of a size: a spin box for the width and one for the height.

#include "platform/base/Size.h"

#include <QWidget>

class QSpinBox;

class PropertyGridSizeEditor : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyGridSizeEditor(QWidget* parent = nullptr);

    Size GetSize() const;
    void SetSize(Size size);

    QSpinBox* WidthBox() const { return m_width; }
    QSpinBox* HeightBox() const { return m_height; }

private:
    QSpinBox* m_width;
    QSpinBox* m_height;
};
