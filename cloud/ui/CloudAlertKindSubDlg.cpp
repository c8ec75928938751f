#include "cloud/ui/CloudAlertKindSubDlg.h"

#include "cloud/engine/CloudAlertData.h"
#include "cloud/ui/CloudAlertDefinitionDlg.h"
#include "cloud/ui/CloudAlertValue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace
{
const QStringList kConditions = {QStringLiteral("wybierz warunek"),
                                 QStringLiteral("Kurs"),
                                 QStringLiteral("Oferta kupna"),
                                 QStringLiteral("Oferta sprzedaży"),
                                 QStringLiteral("Zmiana kursu w punktach"),
                                 QStringLiteral("ABS zmiany kursu"),
                                 QStringLiteral("Procentowa zmiana kursu"),
                                 QStringLiteral("ABS procentowej zmiany kursu"),
                                 QStringLiteral("Wolumen"),
                                 QStringLiteral("Obrót")};
const QStringList kOperators = {QStringLiteral(">"),  QStringLiteral("<"), QStringLiteral(">="),
                                QStringLiteral("<="), QStringLiteral("="), QStringLiteral("<>")};
const QString kError = QStringLiteral("błąd");
}

CloudAlertKindSubDlg::CloudAlertKindSubDlg(CloudAlertDefinitionDlg& owner, int side)
    : CloudAlertDefSubDlgBase(owner)
    , m_side(side)
    , m_box(new QCheckBox(side == 0 ? QStringLiteral("Alert kupna") : QStringLiteral("Alert sprzedaży")))
    , m_condition(new QComboBox)
    , m_operator(new QComboBox)
    , m_value(new CloudAlertValue)
{
    for (int condition = 0; condition < kConditions.size(); ++condition)
        m_condition->addItem(kConditions[condition], condition);
    for (int op = 0; op < kOperators.size(); ++op)
        m_operator->addItem(kOperators[op], op);
    SelectDefaultOperator();

    // The check box stands in the frame's caption; the controls stay usable on a side not in
    // use, since choosing a condition there turns the side on.
    auto* frame = new QGroupBox(this);
    auto* column = new QVBoxLayout(frame);
    column->addWidget(m_box);
    auto* row = new QHBoxLayout;
    row->addWidget(m_condition, 3);
    row->addWidget(m_operator, 1);
    row->addWidget(m_value, 2);
    column->addLayout(row);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    connect(m_box, &QCheckBox::clicked, this, [this] { Owner().OnSideStateChanged(); });
    connect(m_condition, &QComboBox::activated, this, [this] { OnChoice(); });
    connect(m_operator, &QComboBox::activated, this, [this] { OnChoice(); });
}

QString CloudAlertKindSubDlg::ConditionText(int condition)
{
    return condition >= 0 && condition < kConditions.size() ? kConditions[condition] : kError;
}

QString CloudAlertKindSubDlg::OperatorText(int op)
{
    if (op == -1)
        return QStringLiteral("wybierz");
    return op >= 0 && op < kOperators.size() ? kOperators[op] : kError;
}

int CloudAlertKindSubDlg::ValuePrecision(int condition) const
{
    switch (condition)
    {
    case 4:
        return 0;
    case kConditionPercentChange:
        return 2;
    case 1:
    case 2:
    case 3:
    case 5:
    case 7:
        return Owner().SeriesPrecision(2);
    case 8:
        return Owner().SeriesPrecision(3);
    case 9:
        return Owner().SeriesPrecision(14);
    default:
        return 0;
    }
}

std::optional<double> CloudAlertKindSubDlg::ParseValue(const QString& text, int condition)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const QString number = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    if (!decimal.match(number).hasMatch())
        return std::nullopt;
    const double value = number.toDouble();
    if (value < 0.0 && condition != kConditionPercentChange)
        return std::nullopt;
    return value;
}

void CloudAlertKindSubDlg::Load(const std::shared_ptr<const CloudAlertData>& alert)
{
    if (!alert)
    {
        SelectDefaultOperator();
        return;
    }
    const bool inUse = m_side == 0 ? alert->buyDefined : alert->sellDefined;
    m_box->setChecked(inUse);
    if (!inUse)
        return;
    const int condition = m_side == 0 ? alert->buyItemType : alert->sellItemType;
    const int op = m_side == 0 ? alert->buyOperator : alert->sellOperator;
    m_condition->setCurrentIndex(m_condition->findData(condition));
    m_operator->setCurrentIndex(op >= 0 && op < m_operator->count() ? op : -1);
    m_value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_value->SetValue(ValuePrecision(condition), m_side == 0 ? alert->buyValue : alert->sellValue);
}

int CloudAlertKindSubDlg::GetCondition() const
{
    return m_condition->currentIndex() > 0 ? m_condition->currentData().toInt() : 0;
}

int CloudAlertKindSubDlg::GetOperator() const
{
    return m_operator->currentIndex();
}

std::optional<double> CloudAlertKindSubDlg::GetValue() const
{
    return ParseValue(m_value->text(), GetCondition());
}

bool CloudAlertKindSubDlg::IsInUse() const
{
    return m_box->isChecked();
}

void CloudAlertKindSubDlg::SelectDefaultOperator()
{
    m_operator->setCurrentIndex(m_side == 0 ? 0 : 1);
}

void CloudAlertKindSubDlg::OnChoice()
{
    if (GetCondition() != 0 && GetOperator() >= 0 && !IsInUse())
        m_box->setChecked(true);
    Owner().OnSideStateChanged();
}
