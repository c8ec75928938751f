#include "platform/toolkit/PropertyGridButtonEdit.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

PropertyGridButtonEdit::PropertyGridButtonEdit(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_button(new QToolButton(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_edit->setFrame(false);
    m_button->setText(QStringLiteral("…"));
    m_button->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_button);
    setFocusProxy(m_edit);
    connect(m_button, &QToolButton::clicked, this, &PropertyGridButtonEdit::ButtonClicked);
}
