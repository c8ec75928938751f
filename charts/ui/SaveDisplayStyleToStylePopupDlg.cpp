#include "charts/ui/SaveDisplayStyleToStylePopupDlg.h"

#include "styles/engine/StylesContainer.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{
constexpr char kControlId[] = "controlId";
}

SaveDisplayStyleToStylePopupDlg::SaveDisplayStyleToStylePopupDlg(CreateStyle createStyle, IPopupAreaObserver& areaObserver,
                                                                 QWidget* owner)
    : PopupBarBase(areaObserver, owner)
    , m_createStyle(std::move(createStyle))
    , m_name(new QLineEdit(this))
    , m_ok(new QPushButton(QStringLiteral("Ok"), this))
    , m_error(new QLabel(this))
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Nazwa stylu:"), this), 0, 0, 1, 2);
    layout->addWidget(m_name, 1, 0);
    layout->addWidget(m_ok, 1, 1);
    layout->addWidget(m_error, 2, 0, 1, 2);
    m_name->setProperty(kControlId, 1212u);
    m_name->setMinimumWidth(160);
    m_ok->setProperty(kControlId, 1215u);
    m_error->setWordWrap(true);
    m_error->hide();
    connect(m_ok, &QPushButton::clicked, this, &SaveDisplayStyleToStylePopupDlg::Confirm);
    connect(m_name, &QLineEdit::returnPressed, this, &SaveDisplayStyleToStylePopupDlg::Confirm);
}

QString SaveDisplayStyleToStylePopupDlg::NameError(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("Podaj nazwę stylu.");
    if (trimmed == StylesContainer::kOwnStyleName)
        return QStringLiteral("Nazwa \"%1\" jest zastrzeżona dla stylu własnego okna.").arg(trimmed);
    if (StylesContainer::Instance().CheckIfNameExists(trimmed, nullptr, StylesContainer::kOwnStyleName))
        return QStringLiteral("Styl o nazwie \"%1\" już istnieje.").arg(trimmed);
    return QString();
}

QString SaveDisplayStyleToStylePopupDlg::ErrorText() const
{
    return m_error->isHidden() ? QString() : m_error->text();
}

bool SaveDisplayStyleToStylePopupDlg::CreatePopupWindow()
{
    m_name->clear();
    m_error->clear();
    m_error->hide();
    adjustSize();
    m_name->setFocus();
    return true;
}

void SaveDisplayStyleToStylePopupDlg::Confirm()
{
    const QString error = NameError(m_name->text());
    if (!error.isEmpty())
    {
        m_error->setText(error);
        m_error->show();
        adjustSize();
        return;
    }
    const QString name = m_name->text().trimmed();
    close();
    if (m_createStyle)
        m_createStyle(name);
}
