#include "modulelibs/table/QuoteTableFieldsWnd.h"

#include "modulelibs/table/QuoteTableModel.h"
#include "modulelibs/table/TableFields.h"

#include <QListWidget>
#include <QVBoxLayout>

QuoteTableFieldsWnd::QuoteTableFieldsWnd(QWidget* parent, std::function<void()> changed)
    : QWidget(parent, Qt::Tool)
    , m_changed(std::move(changed))
{
    setWindowTitle(QStringLiteral("Pola tabeli"));
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    layout->addWidget(m_list);
    resize(200, 360);
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (m_filling || !m_model)
            return;
        const bool shown = item->checkState() == Qt::Checked;
        if (!m_model->ShowColumn(item->data(Qt::UserRole).toInt(), shown))
        {
            // The last visible column stays.
            ShowTable(m_model);
            return;
        }
        if (m_changed)
            m_changed();
    });
}

void QuoteTableFieldsWnd::ShowTable(QuoteTableModel* model)
{
    m_model = model;
    m_filling = true;
    m_list->clear();
    m_list->setEnabled(model != nullptr);
    if (model)
    {
        for (const TableFields::FieldInfo& field : TableFields::All())
        {
            auto* item = new QListWidgetItem(field.caption, m_list);
            item->setData(Qt::UserRole, field.id);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            const auto& columns = model->Columns();
            const bool shown = std::any_of(columns.begin(), columns.end(), [&field](const QuoteTableColumn& column) {
                return column.fieldId == field.id && !column.hidden;
            });
            item->setCheckState(shown ? Qt::Checked : Qt::Unchecked);
        }
    }
    m_filling = false;
}
