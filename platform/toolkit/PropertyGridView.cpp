#include "platform/toolkit/PropertyGridView.h"

#include "platform/toolkit/PropertyGrid.h"
#include "platform/toolkit/PropertyGridButtonEdit.h"
#include "platform/toolkit/PropertyGridDelegate.h"
#include "platform/toolkit/PropertyGridItem.h"
#include "platform/toolkit/PropertyGridItemBool.h"
#include "platform/toolkit/PropertyGridItemColor.h"
#include "platform/toolkit/PropertyGridItemDate.h"
#include "platform/toolkit/PropertyGridItemEnum.h"
#include "platform/toolkit/PropertyGridItemFont.h"
#include "platform/toolkit/PropertyGridItemNumber.h"
#include "platform/toolkit/PropertyGridItemSize.h"
#include "platform/toolkit/PropertyGridPenEditor.h"
#include "platform/toolkit/PropertyGridSizeEditor.h"
#include "platform/toolkit/PropertyGriditemFilePath.h"
#include "platform/toolkit/PropertyGriditemPen.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSpinBox>

namespace
{
constexpr int kItemRole = Qt::UserRole + 1;
constexpr int kCaptionColumn = 0;
constexpr int kValueColumn = 1;

QIcon PenSample(const LogPen& logPen, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (const std::optional<QPen> pen = logPen.ToQPen())
    {
        QPainter painter(&pixmap);
        QPen sample = *pen;
        sample.setWidth(std::min(sample.width(), size.height() / 2));
        painter.setPen(sample);
        painter.drawLine(0, size.height() / 2, size.width(), size.height() / 2);
    }
    return QIcon(pixmap);
}
}

PropertyGridView::PropertyGridView(PropertyGrid& grid, QWidget* parent)
    : QTreeWidget(parent), m_grid(grid), m_delegate(new PropertyGridDelegate(*this))
{
    setColumnCount(2);
    setHeaderHidden(true);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setUniformRowHeights(true);
    setIndentation(12);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(kCaptionColumn, QHeaderView::Interactive);

    connect(&grid, &PropertyGrid::ContentChanged, this, &PropertyGridView::Rebuild);
    connect(&grid, &PropertyGrid::ItemChanged, this, &PropertyGridView::OnItemChanged);
    connect(this, &QTreeWidget::itemChanged, this, &PropertyGridView::OnRowChanged);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* row) { OnRowExpansion(row, true); });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* row) { OnRowExpansion(row, false); });
    Rebuild();
}

PropertyGridView::~PropertyGridView() = default;

QTreeWidgetItem* PropertyGridView::RowOf(const PropertyGridItem* item) const
{
    return m_rows.value(item, nullptr);
}

PropertyGridItem* PropertyGridView::ItemOf(const QModelIndex& index)
{
    return reinterpret_cast<PropertyGridItem*>(index.data(kItemRole).value<quintptr>());
}

QWidget* PropertyGridView::EditItem(const PropertyGridItem* item)
{
    QTreeWidgetItem* row = RowOf(item);
    if (!row)
        return nullptr;
    CloseOpenEditor();
    const QModelIndex index = indexFromItem(row, kValueColumn);
    setCurrentIndex(index);
    if (!edit(index, QAbstractItemView::AllEditTriggers, nullptr))
        return nullptr;
    return m_editor;
}

bool PropertyGridView::CommitEditor()
{
    QWidget* editor = m_editor;
    PropertyGridItem* item = m_editorItem;
    if (!editor || !Holds(item))
        return false;
    const bool taken = ApplyEditor(editor, *item);
    CloseOpenEditor();
    return taken;
}

void PropertyGridView::FinishEditor(QWidget* editor)
{
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool PropertyGridView::ApplyEditor(QWidget* editor, PropertyGridItem& item)
{
    QString refusal;
    bool taken = true;
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
    {
        if (!edit->isReadOnly())
            taken = item.EditValue(edit->text(), &refusal);
    }
    else if (auto* box = qobject_cast<QSpinBox*>(editor))
    {
        box->interpretText();
        taken = static_cast<PropertyGridItemNumber&>(item).EditNumber(box->value(), &refusal);
    }
    else if (auto* combo = qobject_cast<QComboBox*>(editor))
    {
        if (combo->currentIndex() >= 0)
        {
            if (auto* boolean = dynamic_cast<PropertyGridItemBool*>(&item))
                taken = boolean->EditBool(combo->currentData().toBool(), &refusal);
            else
                taken = static_cast<PropertyGridItemEnum&>(item).EditEnum(combo->currentData().toInt(), &refusal);
        }
    }
    else if (auto* buttonEdit = qobject_cast<PropertyGridButtonEdit*>(editor))
    {
        QLineEdit* line = buttonEdit->LineEdit();
        // An untouched empty colour stays the style's own value.
        if (!line->isReadOnly() && line->isModified())
            taken = item.EditValue(line->text(), &refusal);
    }
    else if (auto* sizeEditor = qobject_cast<PropertyGridSizeEditor*>(editor))
    {
        taken = static_cast<PropertyGridItemSize&>(item).EditSize(sizeEditor->GetSize(), &refusal);
    }
    else if (auto* dateEdit = qobject_cast<QDateTimeEdit*>(editor))
    {
        auto& date = static_cast<PropertyGridItemDate&>(item);
        if (date.GetDate().IsValid() || dateEdit->dateTime() != dateEdit->property("q4ShownDateTime").toDateTime())
            taken = date.EditDateTime(dateEdit->dateTime(), &refusal);
    }
    else if (auto* penEditor = qobject_cast<PropertyGridPenEditor*>(editor))
    {
        taken = static_cast<PropertyGriditemPen&>(item).EditPen(penEditor->GetPen(), &refusal);
    }
    if (!taken)
        ReportRefusal(refusal);
    return taken;
}

bool PropertyGridView::ChooseValue(PropertyGridItem& item)
{
    if (item.IsReadOnly())
        return false;
    QString refusal;
    bool taken = false;
    if (auto* color = dynamic_cast<PropertyGridItemColor*>(&item))
    {
        const std::optional<QColor> chosen =
            DialogServices::ColorDialog()->ChooseColor(color->GetColor().ToQColor(Qt::white));
        const std::optional<ColorRef> value = chosen ? ColorRef::FromQColor(*chosen) : std::nullopt;
        if (!value)
            return false;
        taken = color->EditColor(*value, &refusal);
    }
    else if (auto* path = dynamic_cast<PropertyGriditemFilePath*>(&item))
    {
        const FileDialogRequest request{path->GetCaption(), path->GetValue(), path->GetFilter(), path->GetExtension()};
        const std::optional<QString> chosen = DialogServices::FileDialog()->GetOpenFileName(request);
        if (!chosen)
            return false;
        taken = path->EditValue(*chosen, &refusal);
    }
    else if (auto* font = dynamic_cast<PropertyGridItemFont*>(&item))
    {
        const std::optional<QFont> chosen = DialogServices::FontDialog()->ChooseFont(font->GetFont().ToQFont());
        if (!chosen)
            return false;
        taken = font->EditFont(LogFont::FromQFont(*chosen), &refusal);
    }
    else if (auto* pen = dynamic_cast<PropertyGriditemPen*>(&item))
    {
        const std::optional<QColor> chosen =
            DialogServices::ColorDialog()->ChooseColor(pen->GetPen().lopnColor.ToQColor(Qt::black));
        const std::optional<ColorRef> value = chosen ? ColorRef::FromQColor(*chosen) : std::nullopt;
        if (!value)
            return false;
        LogPen changed = pen->GetPen();
        changed.lopnColor = *value;
        taken = pen->EditPen(changed, &refusal);
    }
    else
    {
        return false;
    }
    if (!taken)
        ReportRefusal(refusal);
    return taken;
}

void PropertyGridView::ChooseValueLater(const PropertyGridItem& item)
{
    const PropertyGridItem* wanted = &item;
    QMetaObject::invokeMethod(
        this,
        [this, wanted] {
            if (Holds(wanted))
                ChooseValue(*const_cast<PropertyGridItem*>(wanted));
        },
        Qt::QueuedConnection);
}

bool PropertyGridView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (trigger == QAbstractItemView::NoEditTriggers || index.column() == kValueColumn)
        return QTreeWidget::edit(index, trigger, event);
    return QTreeWidget::edit(index.sibling(index.row(), kValueColumn), trigger, event);
}

void PropertyGridView::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    // A click on a value opens its editor at once.
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && index.column() == kValueColumn &&
        state() != QAbstractItemView::EditingState)
        edit(index, QAbstractItemView::AllEditTriggers, event);
}

void PropertyGridView::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    setColumnWidth(kCaptionColumn, viewport()->width() / 2);
}

void PropertyGridView::Rebuild()
{
    CloseOpenEditor();
    const QSignalBlocker blocker(this);
    clear();
    m_rows.clear();
    for (int index = 0; index < m_grid.GetCategoryCount(); ++index)
        AddRows(nullptr, *m_grid.GetCategory(index));
}

void PropertyGridView::AddRows(QTreeWidgetItem* parent, const PropertyGridItem& item)
{
    // A category without a caption is only a parent: its rows stand in its place.
    const bool hidden = item.IsCategory() && item.GetCaption().isEmpty();
    QTreeWidgetItem* row = parent;
    if (!hidden)
    {
        row = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        m_rows.insert(&item, row);
        UpdateRow(*row, item);
    }
    for (int index = 0; index < item.GetChildCount(); ++index)
        AddRows(row, *item.GetChild(index));
    if (!hidden)
        row->setExpanded(item.IsExpanded());
}

void PropertyGridView::UpdateRow(QTreeWidgetItem& row, const PropertyGridItem& item)
{
    const QSignalBlocker blocker(this);
    const auto pointer = QVariant::fromValue(reinterpret_cast<quintptr>(&item));
    row.setData(kCaptionColumn, kItemRole, pointer);
    row.setData(kValueColumn, kItemRole, pointer);
    row.setText(kCaptionColumn, item.GetCaption());
    row.setToolTip(kCaptionColumn, item.GetCaption());

    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (item.IsCategory())
    {
        QFont bold = font();
        bold.setBold(true);
        row.setFont(kCaptionColumn, bold);
        row.setBackground(kCaptionColumn, palette().brush(QPalette::Button));
        row.setFlags(flags);
        setFirstColumnSpanned(indexFromItem(&row).row(), indexFromItem(&row).parent(), true);
        return;
    }

    const auto* boolean = dynamic_cast<const PropertyGridItemBool*>(&item);
    const bool checkBox = boolean && boolean->IsCheckBoxStyle();
    row.setText(kValueColumn, checkBox ? QString() : item.GetViewValue());
    row.setToolTip(kValueColumn, checkBox ? QString() : item.GetViewValue());
    if (checkBox)
    {
        row.setCheckState(kValueColumn, boolean->GetBool() ? Qt::Checked : Qt::Unchecked);
        if (!item.IsReadOnly())
            flags |= Qt::ItemIsUserCheckable;
    }
    else if (item.IsEditable() && item.GetEditorKind() != PropertyGridItem::EditorKind::None)
    {
        flags |= Qt::ItemIsEditable;
    }
    row.setFlags(flags);

    const QBrush text = palette().brush(item.IsReadOnly() ? QPalette::Disabled : QPalette::Active, QPalette::Text);
    row.setForeground(kCaptionColumn, palette().brush(QPalette::Active, QPalette::Text));
    row.setForeground(kValueColumn, text);

    const int iconSide = fontMetrics().height() - 2;
    if (const auto* color = dynamic_cast<const PropertyGridItemColor*>(&item))
        row.setData(kValueColumn, Qt::DecorationRole, color->GetColor().ToQColor().value_or(QColor()));
    else if (const auto* pen = dynamic_cast<const PropertyGriditemPen*>(&item))
        row.setIcon(kValueColumn, PenSample(pen->GetPen(), QSize(iconSide * 2, iconSide)));
}

void PropertyGridView::OnItemChanged(PropertyGridItem* item)
{
    QTreeWidgetItem* row = RowOf(item);
    if (!row)
        return;
    UpdateRow(*row, *item);
    if (row->isExpanded() != item->IsExpanded())
        row->setExpanded(item->IsExpanded());
}

void PropertyGridView::OnRowChanged(QTreeWidgetItem* row, int column)
{
    if (column != kValueColumn)
        return;
    auto* boolean = dynamic_cast<PropertyGridItemBool*>(ItemOf(indexFromItem(row, kValueColumn)));
    if (!boolean || !boolean->IsCheckBoxStyle())
        return;
    QString refusal;
    if (!boolean->EditBool(row->checkState(kValueColumn) == Qt::Checked, &refusal))
    {
        ReportRefusal(refusal);
        UpdateRow(*row, *boolean);
    }
}

void PropertyGridView::OnRowExpansion(QTreeWidgetItem* row, bool expanded)
{
    PropertyGridItem* item = ItemOf(indexFromItem(row, kCaptionColumn));
    if (!item)
        return;
    if (expanded)
        item->Expand();
    else
        item->Collapse();
}

bool PropertyGridView::Holds(const PropertyGridItem* item) const
{
    bool found = false;
    m_grid.ForEachItem([&](PropertyGridItem& candidate) { found = found || &candidate == item; });
    return found;
}

void PropertyGridView::ReportRefusal(const QString& text)
{
    // Shown after the editor has gone, never from inside the editor's own events.
    QMetaObject::invokeMethod(
        this, [text] { DialogServices::ShowMessageBox(QString(), text, MB_OK | MB_ICONWARNING); },
        Qt::QueuedConnection);
}

void PropertyGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == m_editor)
    {
        m_editor = nullptr;
        m_editorItem = nullptr;
    }
    QTreeWidget::closeEditor(editor, hint);
}

void PropertyGridView::CloseOpenEditor()
{
    // Without handing the value over.
    if (m_editor)
        closeEditor(m_editor, QAbstractItemDelegate::NoHint);
}
