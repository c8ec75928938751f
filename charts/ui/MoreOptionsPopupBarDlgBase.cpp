#include "charts/ui/MoreOptionsPopupBarDlgBase.h"

#include "charts/ui/SaveDisplayStyleToStylePopupDlg.h"
#include "ribbon/controls/RibbonControlPopupEx.h"
#include "ribbon/controls/ToolTipsHTMLBase.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

MoreOptionsPopupBarDlgBase::MoreOptionsPopupBarDlgBase(RibbonControlPopupEx* control,
                                                       PopupBarBase::IPopupAreaObserver& areaObserver, Options options,
                                                       QWidget* parent)
    : BasePopupBarDlg(parent)
    , m_control(control)
    , m_areaObserver(areaObserver)
    , m_options(std::move(options))
    , m_restore(new QPushButton(QStringLiteral("Przywróć"), this))
    , m_createStyle(new QPushButton(QStringLiteral("Utwórz styl"), this))
    , m_close(new QPushButton(QStringLiteral("Zamknij"), this))
{
    m_restore->setProperty(kControlId, kRestoreId);
    m_createStyle->setProperty(kControlId, kCreateStyleId);
    m_close->setProperty(kControlId, kCloseId);
    connect(m_restore, &QPushButton::clicked, this, [this] {
        RestoreValues();
        FillValues();
    });
    connect(m_createStyle, &QPushButton::clicked, this, &MoreOptionsPopupBarDlgBase::OpenStyleNamePopup);
    connect(m_close, &QPushButton::clicked, this, &MoreOptionsPopupBarDlgBase::ClosePopupBar);
}

void MoreOptionsPopupBarDlgBase::AddFooter(QGridLayout& layout, int row, int columns)
{
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setProperty(kControlId, 1281u);
    layout.addWidget(line, row, 0, 1, columns);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_restore);
    buttons->addWidget(m_createStyle);
    buttons->addStretch();
    buttons->addWidget(m_close);
    layout.addLayout(buttons, row + 1, 0, 1, columns);
}

void MoreOptionsPopupBarDlgBase::Start()
{
    SetToolTips();
    m_createStyle->setVisible(m_options.extended);
    FillValues();
}

void MoreOptionsPopupBarDlgBase::SetToolTips()
{
    SetToolTip(kRestoreId, 353);
    SetToolTip(kCreateStyleId, 354);
    SetToolTip(kCloseId, 111);
}

void MoreOptionsPopupBarDlgBase::SetToolTip(std::uint32_t controlId, std::uint32_t stringId)
{
    QWidget* control = ControlById(controlId);
    const std::optional<ToolTipsHTMLBase::ToolTipStrings> strings = ToolTipsHTMLBase().LoadToolTipStrings(stringId);
    if (control && strings)
        control->setToolTip(ToolTipsHTMLBase::CreateHTMLToolTipContent(strings->caption, strings->description));
}

QWidget* MoreOptionsPopupBarDlgBase::ControlById(std::uint32_t id) const
{
    for (QWidget* child : findChildren<QWidget*>())
        if (child->property(kControlId).toUInt() == id)
            return child;
    return nullptr;
}

SaveDisplayStyleToStylePopupDlg* MoreOptionsPopupBarDlgBase::StyleNamePopup() const
{
    return m_styleName && m_styleName->isVisible() ? m_styleName.data() : nullptr;
}

void MoreOptionsPopupBarDlgBase::ClosePopupBar()
{
    if (m_control)
        m_control->ClosePopupBar(false);
}

bool MoreOptionsPopupBarDlgBase::SaveStyles() const
{
    return m_options.saveStyles && m_options.saveStyles();
}

void MoreOptionsPopupBarDlgBase::EnableFooter(bool enable)
{
    m_restore->setEnabled(enable);
    m_createStyle->setEnabled(enable);
}

void MoreOptionsPopupBarDlgBase::OpenStyleNamePopup()
{
    if (StyleNamePopup())
        return;
    if (!m_styleName)
        m_styleName = new SaveDisplayStyleToStylePopupDlg([this](const QString& name) {
            if (CreateStyle(name))
                ClosePopupBar();
        }, m_areaObserver, this);
    m_styleName->ShowAtAnchor(QRect(m_createStyle->mapToGlobal(QPoint(0, 0)), m_createStyle->size()));
}
