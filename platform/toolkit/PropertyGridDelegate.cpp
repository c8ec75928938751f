#include "platform/toolkit/PropertyGridDelegate.h"

#include "platform/toolkit/PropertyGridButtonEdit.h"
#include "platform/toolkit/PropertyGridItem.h"
#include "platform/toolkit/PropertyGridItemBool.h"
#include "platform/toolkit/PropertyGridItemColor.h"
#include "platform/toolkit/PropertyGridItemDate.h"
#include "platform/toolkit/PropertyGridItemEnum.h"
#include "platform/toolkit/PropertyGridItemLimitedNumber.h"
#include "platform/toolkit/PropertyGridItemSize.h"
#include "platform/toolkit/PropertyGridPenEditor.h"
#include "platform/toolkit/PropertyGridSizeEditor.h"
#include "platform/toolkit/PropertyGridView.h"
#include "platform/toolkit/PropertyGriditemPen.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>

#include <algorithm>
#include <limits>

namespace
{
// Any whole number can be typed, so that the item can say why it refuses one; the buttons
// step only within the item's limits.
class LimitedSpinBox : public QSpinBox
{
public:
    LimitedSpinBox(QWidget* parent, int smallest, int greatest)
        : QSpinBox(parent), m_smallest(smallest), m_greatest(greatest)
    {
    }

    void stepBy(int steps) override
    {
        const qint64 next = qint64(value()) + steps;
        setValue(int(std::clamp<qint64>(next, m_smallest, m_greatest)));
    }

protected:
    StepEnabled stepEnabled() const override
    {
        StepEnabled enabled = StepNone;
        if (value() < m_greatest)
            enabled |= StepUpEnabled;
        if (value() > m_smallest)
            enabled |= StepDownEnabled;
        return enabled;
    }

private:
    int m_smallest;
    int m_greatest;
};

QLineEdit* NewLineEdit(QWidget* parent, const PropertyGridItem& item)
{
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    if (item.IsPassword())
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QSpinBox* NewSpinBox(QWidget* parent, const PropertyGridItem& item)
{
    const auto* limited = dynamic_cast<const PropertyGridItemLimitedNumber*>(&item);
    QSpinBox* box = nullptr;
    if (limited && limited->GetShowButtons())
    {
        box = new LimitedSpinBox(parent, limited->GetSmallestValue(), limited->GetGreatestValue());
    }
    else
    {
        box = new QSpinBox(parent);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    }
    box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    box->setFrame(false);
    return box;
}

QDateTimeEdit* NewDateTimeEdit(QWidget* parent, const PropertyGridItem& item)
{
    QDateTimeEdit* edit = nullptr;
    switch (item.GetEditorKind())
    {
    case PropertyGridItem::EditorKind::Time:
        edit = new QTimeEdit(parent);
        break;
    case PropertyGridItem::EditorKind::Date:
        edit = new QDateEdit(parent);
        edit->setCalendarPopup(true);
        break;
    default:
        edit = new QDateTimeEdit(parent);
        edit->setCalendarPopup(true);
        break;
    }
    edit->setDisplayFormat(static_cast<const PropertyGridItemDate&>(item).DisplayFormat());
    edit->setFrame(false);
    return edit;
}
}

PropertyGridDelegate::PropertyGridDelegate(PropertyGridView& view) : QStyledItemDelegate(&view), m_view(view)
{
}

QWidget* PropertyGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                            const QModelIndex& index) const
{
    PropertyGridItem* item = PropertyGridView::ItemOf(index);
    if (!item || index.column() != 1 || !item->IsEditable() ||
        item->GetEditorKind() == PropertyGridItem::EditorKind::None)
        return nullptr;
    const auto* boolean = dynamic_cast<const PropertyGridItemBool*>(item);
    if (boolean && boolean->IsCheckBoxStyle())
        return nullptr;

    QWidget* editor = nullptr;
    if (item->IsReadOnly())
    {
        // The value can be read and copied, not changed.
        QLineEdit* edit = NewLineEdit(parent, *item);
        edit->setReadOnly(true);
        editor = edit;
    }
    else
    {
        editor = CreateEditorFor(parent, *item);
    }
    m_view.m_editor = editor;
    m_view.m_editorItem = item;
    return editor;
}

QWidget* PropertyGridDelegate::CreateEditorFor(QWidget* parent, PropertyGridItem& item) const
{
    using Kind = PropertyGridItem::EditorKind;
    switch (item.GetEditorKind())
    {
    case Kind::Number:
        return NewSpinBox(parent, item);
    case Kind::Bool:
    case Kind::Enum:
    {
        auto* box = new QComboBox(parent);
        if (const auto* boolean = dynamic_cast<const PropertyGridItemBool*>(&item))
        {
            box->addItem(boolean->GetTrueText(), true);
            box->addItem(boolean->GetFalseText(), false);
        }
        else
        {
            for (const PropertyGridItemEnum::Constraint& constraint :
                 static_cast<const PropertyGridItemEnum&>(item).GetConstraints())
                box->addItem(constraint.caption, constraint.data);
        }
        // A choice is taken at once, as in a list.
        connect(box, &QComboBox::activated, &m_view, [view = &m_view, box] { view->FinishEditor(box); });
        return box;
    }
    case Kind::Color:
    case Kind::FilePath:
    case Kind::Font:
    {
        auto* edit = new PropertyGridButtonEdit(parent);
        edit->LineEdit()->setReadOnly(item.GetEditorKind() == Kind::Font);
        connect(edit, &PropertyGridButtonEdit::ButtonClicked, &m_view, [view = &m_view, edit, &item] {
            view->FinishEditor(edit);
            view->ChooseValueLater(item);
        });
        return edit;
    }
    case Kind::Size:
        return new PropertyGridSizeEditor(parent);
    case Kind::Time:
    case Kind::Date:
    case Kind::DateTime:
        return NewDateTimeEdit(parent, item);
    case Kind::Pen:
    {
        auto* editor = new PropertyGridPenEditor(parent);
        connect(editor, &PropertyGridPenEditor::ColorButtonClicked, &m_view, [view = &m_view, editor, &item] {
            view->FinishEditor(editor);
            view->ChooseValueLater(item);
        });
        return editor;
    }
    case Kind::Text:
    case Kind::Double:
    case Kind::None:
        break;
    }
    return NewLineEdit(parent, item);
}

void PropertyGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const PropertyGridItem* item = PropertyGridView::ItemOf(index);
    if (!item)
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
    {
        edit->setText(item->GetValue());
    }
    else if (auto* box = qobject_cast<QSpinBox*>(editor))
    {
        box->setValue(static_cast<const PropertyGridItemNumber*>(item)->GetNumber());
    }
    else if (auto* combo = qobject_cast<QComboBox*>(editor))
    {
        if (const auto* boolean = dynamic_cast<const PropertyGridItemBool*>(item))
            combo->setCurrentIndex(boolean->GetBool() ? 0 : 1);
        else
            combo->setCurrentIndex(static_cast<const PropertyGridItemEnum*>(item)->GetCurrentIndex());
    }
    else if (auto* buttonEdit = qobject_cast<PropertyGridButtonEdit*>(editor))
    {
        const auto* color = dynamic_cast<const PropertyGridItemColor*>(item);
        // A colour that is none (the style's own) is left for the user to type or choose.
        buttonEdit->LineEdit()->setText(color && !color->GetColor().IsColor() ? QString() : item->GetValue());
    }
    else if (auto* sizeEditor = qobject_cast<PropertyGridSizeEditor*>(editor))
    {
        sizeEditor->SetSize(static_cast<const PropertyGridItemSize*>(item)->GetSize());
    }
    else if (auto* dateEdit = qobject_cast<QDateTimeEdit*>(editor))
    {
        const OleDate date = static_cast<const PropertyGridItemDate*>(item)->GetDate();
        const QDateTime shown = date.IsValid() ? date.ToQDateTime() : QDateTime::currentDateTime();
        dateEdit->setDateTime(shown);
        // An empty value is not filled with the moment shown unless the user changes it.
        dateEdit->setProperty("q4ShownDateTime", dateEdit->dateTime());
    }
    else if (auto* penEditor = qobject_cast<PropertyGridPenEditor*>(editor))
    {
        penEditor->SetPen(static_cast<const PropertyGriditemPen*>(item)->GetPen());
    }
}

void PropertyGridDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    if (PropertyGridItem* item = PropertyGridView::ItemOf(index))
        m_view.ApplyEditor(editor, *item);
}

void PropertyGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                const QModelIndex&) const
{
    editor->setGeometry(option.rect.adjusted(0, 0, 0, -1));
}

void PropertyGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(option.palette.color(QPalette::Midlight));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    if (index.column() == 0 && !m_view.isFirstColumnSpanned(index.row(), index.parent()))
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->restore();
}

QSize PropertyGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), option.fontMetrics.height() + 8));
    return size;
}
