#include "platform/toolkit/RibbonControlEditors.h"

#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryItemDelegate.h"
#include "platform/toolkit/RibbonComboBoxControl.h"
#include "platform/toolkit/RibbonEditControl.h"
#include "platform/toolkit/RibbonLayout.h"
#include "platform/toolkit/RibbonPaintedEdit.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/toolkit/ToolTipHtml.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>

namespace
{
// Tells the edit control whether the user is typing in its widget.
class FocusWatcher : public QObject
{
public:
    FocusWatcher(RibbonEditControl& control, QObject* parent)
        : QObject(parent)
        , m_control(&control)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_control && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
            m_control->SetFocused(event->type() == QEvent::FocusIn);
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<RibbonEditControl> m_control;
};

QLineEdit* CreateEdit(RibbonEditControl& control, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->installEventFilter(new FocusWatcher(control, edit));
    const QPointer<RibbonEditControl> guard(&control);
    QObject::connect(edit, &QLineEdit::returnPressed, edit, [guard, edit] {
        if (guard)
            guard->CommitText(edit->text());
    });
    // Leaving the box commits only a text the user changed.
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [guard, edit] {
        if (guard && guard->GetEditText() != edit->text())
            guard->CommitText(edit->text());
    });
    return edit;
}

// The gallery of a combo box's popup, whose items draw the rows of the list; null when none.
GalleryControl* ComboGallery(const RibbonComboBoxControl& control)
{
    if (const RibbonPopupBar* popup = control.GetCommandBar())
    {
        for (const auto& child : popup->GetControls())
        {
            if (auto* gallery = qobject_cast<GalleryControl*>(child.get()))
                return gallery;
        }
    }
    return nullptr;
}

QComboBox* CreateCombo(RibbonComboBoxControl& control, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(!control.IsDropDownList());
    if (GalleryControl* gallery = ComboGallery(control))
    {
        combo->setItemDelegate(new GalleryItemDelegate(*gallery, combo));
        combo->view()->setMinimumWidth(gallery->GetWidth());
        if (gallery->GetHeight() > 0)
            combo->setMaxVisibleItems(std::max(1, gallery->GetHeight() / gallery->GetItemSize().height()));
    }
    const QPointer<RibbonComboBoxControl> guard(&control);
    QObject::connect(combo, &QComboBox::activated, combo, [guard](int index) {
        if (guard)
            guard->ChooseItem(index);
    });
    if (QLineEdit* edit = combo->lineEdit())
    {
        QObject::connect(edit, &QLineEdit::returnPressed, combo, [guard, edit] {
            if (guard)
                guard->CommitText(edit->text());
        });
    }
    return combo;
}

void SyncCombo(QComboBox& combo, const RibbonComboBoxControl& control)
{
    const QSignalBlocker blocker(&combo);
    bool same = combo.count() == control.GetCount();
    for (int index = 0; same && index < control.GetCount(); ++index)
        same = combo.itemText(index) == control.GetItem(index).caption;
    if (!same)
    {
        combo.clear();
        for (int index = 0; index < control.GetCount(); ++index)
            combo.addItem(control.GetItem(index).caption);
    }
    combo.setEditable(!control.IsDropDownList());
    if (combo.hasFocus())
        return;
    combo.setCurrentIndex(control.GetCurSel());
    if (combo.isEditable())
        combo.setEditText(control.GetEditText());
}
}

QWidget* RibbonControlEditors::Create(RibbonControl& control, QWidget* parent)
{
    QWidget* editor = nullptr;
    if (auto* edit = qobject_cast<RibbonEditControl*>(&control); edit && edit->GetCustomPainter())
        editor = new RibbonPaintedEdit(*edit, parent);
    else if (edit)
        editor = CreateEdit(*edit, parent);
    else if (auto* combo = qobject_cast<RibbonComboBoxControl*>(&control))
        editor = CreateCombo(*combo, parent);
    if (editor)
        Sync(*editor, control);
    return editor;
}

void RibbonControlEditors::Sync(QWidget& editor, const RibbonControl& control)
{
    editor.setEnabled(control.GetEnabled());
    editor.setToolTip(ToolTipHtml::Make(RibbonLayout::DisplayText(control.GetTooltip()), control.GetDescription()));
    if (qobject_cast<RibbonPaintedEdit*>(&editor))
        editor.update();
    else if (auto* edit = qobject_cast<QLineEdit*>(&editor))
    {
        const auto* model = qobject_cast<const RibbonEditControl*>(&control);
        if (model && !edit->hasFocus() && edit->text() != model->GetEditText())
            edit->setText(model->GetEditText());
    }
    else if (auto* combo = qobject_cast<QComboBox*>(&editor))
    {
        if (const auto* model = qobject_cast<const RibbonComboBoxControl*>(&control))
            SyncCombo(*combo, *model);
    }
}
