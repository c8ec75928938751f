#include "platform/toolkit/PropertyGridSizeEditor.h"

#include <QHBoxLayout>
#include <QSpinBox>

#include <limits>

PropertyGridSizeEditor::PropertyGridSizeEditor(QWidget* parent)
    : QWidget(parent), m_width(new QSpinBox(this)), m_height(new QSpinBox(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (QSpinBox* box : {m_width, m_height})
    {
        box->setRange(0, std::numeric_limits<int>::max());
        box->setFrame(false);
        layout->addWidget(box, 1);
    }
    setFocusProxy(m_width);
}

Size PropertyGridSizeEditor::GetSize() const
{
    return Size{m_width->value(), m_height->value()};
}

void PropertyGridSizeEditor::SetSize(Size size)
{
    m_width->setValue(size.cx);
    m_height->setValue(size.cy);
}
