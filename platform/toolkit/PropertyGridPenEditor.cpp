#include "platform/toolkit/PropertyGridPenEditor.h"

#include "platform/toolkit/PropertyGriditemPen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

PropertyGridPenEditor::PropertyGridPenEditor(QWidget* parent)
    : QWidget(parent), m_style(new QComboBox(this)), m_width(new QSpinBox(this)), m_color(new QToolButton(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (quint32 style = LogPen::kStyleSolid; style <= LogPen::kStyleInsideFrame; ++style)
        m_style->addItem(PropertyGriditemPen::StyleName(style), style);
    m_width->setRange(0, PropertyGriditemPen::kMaxWidth);
    m_width->setSuffix(QStringLiteral(" px"));
    m_width->setFrame(false);
    m_color->setText(QStringLiteral("…"));
    m_color->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_style, 2);
    layout->addWidget(m_width, 1);
    layout->addWidget(m_color);
    setFocusProxy(m_style);
    connect(m_color, &QToolButton::clicked, this, &PropertyGridPenEditor::ColorButtonClicked);
}

LogPen PropertyGridPenEditor::GetPen() const
{
    // What the boxes cannot show (an unknown style, a width beyond the box's range) stays as
    // it was unless the user changed that box.
    LogPen pen = m_pen;
    if (m_style->currentIndex() >= 0)
        pen.lopnStyle = m_style->currentData().toUInt();
    if (m_width->value() != std::clamp(m_pen.lopnWidth.x, m_width->minimum(), m_width->maximum()))
        pen.lopnWidth.x = m_width->value();
    return pen;
}

void PropertyGridPenEditor::SetPen(const LogPen& pen)
{
    m_pen = pen;
    m_style->setCurrentIndex(m_style->findData(pen.lopnStyle));
    m_width->setValue(pen.lopnWidth.x);
}
