#include "platform/toolkit/ReportControl.h"

#include "platform/toolkit/ReportGroupRow.h"
#include "platform/toolkit/ReportRecord.h"
#include "platform/toolkit/ReportRecordItem.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QToolTip>
#include <QValidator>

#include <algorithm>

namespace
{
constexpr int kButtonImageSize = 14;
constexpr int kButtonTextGap = 5;
constexpr int kCaptionButtonGap = 12;

QFont BoldOf(QFont font)
{
    font.setBold(true);
    return font;
}
}

ReportControl::ReportControl(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ReportControl::~ReportControl()
{
    CancelEdit();
}

int ReportControl::AddColumn(int width, bool autoSize)
{
    m_columns.push_back(Column{std::max(0, width), autoSize, true});
    Relayout();
    return static_cast<int>(m_columns.size()) - 1;
}

void ReportControl::SetColumnVisible(int column, bool visible)
{
    if (column < 0 || column >= static_cast<int>(m_columns.size()))
        return;
    m_columns[column].visible = visible;
    Relayout();
}

QRect ReportControl::ColumnSpan(int column) const
{
    if (column < 0 || column >= static_cast<int>(m_columns.size()) || !m_columns[column].visible)
        return {};
    int fixed = 0;
    int asked = 0;
    int lastAuto = -1;
    for (int index = 0; index < static_cast<int>(m_columns.size()); ++index)
    {
        const Column& entry = m_columns[index];
        if (!entry.visible)
            continue;
        (entry.autoSize ? asked : fixed) += entry.width;
        if (entry.autoSize)
            lastAuto = index;
    }
    // Auto-size columns share the room the fixed ones leave, in the proportion of their widths;
    // the last of them takes what rounding leaves.
    const int room = std::max(0, width() - fixed);
    int left = 0;
    int given = 0;
    for (int index = 0; index <= column; ++index)
    {
        const Column& entry = m_columns[index];
        if (!entry.visible)
            continue;
        int span = entry.width;
        if (entry.autoSize)
        {
            span = index == lastAuto ? room - given : (asked > 0 ? room * entry.width / asked : 0);
            given += span;
        }
        if (index == column)
            return QRect(left, 0, std::max(0, span), 0);
        left += span;
    }
    return {};
}

ReportGroupRow* ReportControl::AddGroup(const QString& caption)
{
    m_groups.push_back(std::make_unique<ReportGroupRow>(caption));
    Relayout();
    return m_groups.back().get();
}

ReportGroupRow* ReportControl::GetGroup(int index) const
{
    return index >= 0 && index < GetGroupCount() ? m_groups[index].get() : nullptr;
}

void ReportControl::SetExpanded(ReportGroupRow* group, bool expanded)
{
    if (!group || group->m_expanded == expanded)
        return;
    if (!expanded && m_editedRecord && m_editedRecord->GetGroup() == group)
        CancelEdit();
    group->m_expanded = expanded;
    if (!expanded && m_selected && m_selected->GetGroup() == group)
        SetSelectedRecord(nullptr);
    Relayout();
    emit GroupExpanded(group, expanded);
}

ReportRecord* ReportControl::AddRecord(std::unique_ptr<ReportRecord> record, ReportGroupRow* group, int index)
{
    auto& records = group ? group->m_records : m_records;
    ReportRecord* added = record.get();
    added->m_group = group;
    const auto at = index < 0 || index > static_cast<int>(records.size()) ? records.end() : records.begin() + index;
    records.insert(at, std::move(record));
    Adopt(*added);
    Relayout();
    return added;
}

void ReportControl::RemoveRecord(ReportRecord* record)
{
    if (!record)
        return;
    if (m_editedRecord == record)
        CancelEdit();
    if (m_selected == record)
        SetSelectedRecord(nullptr);
    auto& records = record->GetGroup() ? record->GetGroup()->m_records : m_records;
    records.erase(std::remove_if(records.begin(), records.end(), [record](const auto& held) { return held.get() == record; }),
                  records.end());
    Relayout();
}

ReportRecord* ReportControl::GetRecord(int index) const
{
    return index >= 0 && index < GetRecordCount() ? m_records[index].get() : nullptr;
}

int ReportControl::IndexOf(const ReportRecord* record) const
{
    if (!record)
        return -1;
    const auto& records = record->GetGroup() ? record->GetGroup()->m_records : m_records;
    for (int index = 0; index < static_cast<int>(records.size()); ++index)
    {
        if (records[index].get() == record)
            return index;
    }
    return -1;
}

QRect ReportControl::RowRect(const ReportRecord* record) const
{
    for (const Row& row : m_rows)
    {
        if (row.record == record && record)
            return row.rect;
    }
    return {};
}

QRect ReportControl::GroupRect(const ReportGroupRow* group) const
{
    for (const Row& row : m_rows)
    {
        if (row.group == group && !row.record && group)
            return row.rect;
    }
    return {};
}

ReportControl::Hit ReportControl::HitTest(const QPoint& point) const
{
    for (const Row& row : m_rows)
    {
        if (!row.rect.contains(point))
            continue;
        if (!row.record)
        {
            Hit hit = HitButton(*row.group, point);
            hit.group = row.group;
            hit.expander = hit.button < 0 && point.x() < row.rect.left() + kExpanderWidth;
            return hit;
        }
        Hit hit;
        hit.record = row.record;
        for (int column = 0; column < static_cast<int>(m_columns.size()); ++column)
        {
            const QRect span = ColumnSpan(column);
            if (span.width() > 0 && point.x() >= span.left() && point.x() < span.left() + span.width())
                hit.column = column;
        }
        return hit;
    }
    return {};
}

int ReportControl::GetRowsHeight() const
{
    return m_rows.empty() ? 0 : m_rows.back().rect.bottom() + 1;
}

void ReportControl::SetRowHeight(int height)
{
    m_rowHeight = std::max(1, height);
    Relayout();
}

void ReportControl::SetGroupRowHeight(int height)
{
    m_groupRowHeight = std::max(1, height);
    Relayout();
}

void ReportControl::SetFitHeight(bool fit)
{
    m_fitHeight = fit;
    Relayout();
}

void ReportControl::Relayout()
{
    RebuildRows();
    PlaceChildren();
    if (m_fitHeight && GetRowsHeight() != height())
    {
        const int delta = GetRowsHeight() - height();
        resize(width(), GetRowsHeight());
        emit HeightChanged(delta);
    }
    update();
}

void ReportControl::SetSelectedRecord(ReportRecord* record)
{
    m_focusedGroup = nullptr;
    if (record == m_selected)
        return;
    m_selected = record;
    update();
    emit SelectionChanged(record);
}

void ReportControl::SetInplaceValidator(std::shared_ptr<QValidator> validator)
{
    m_validator = std::move(validator);
    if (m_editor)
        m_editor->setValidator(m_validator.get());
}

bool ReportControl::EditItem(ReportRecord* record, int column)
{
    ReportRecordItem* item = record ? record->GetItem(column) : nullptr;
    const QRect row = RowRect(record);
    const QRect span = ColumnSpan(column);
    if (!item || !item->IsEditable() || row.isEmpty() || span.width() <= 0)
        return false;
    CancelEdit();
    m_editedRecord = record;
    m_editedColumn = column;
    m_editor = new QLineEdit(this);
    m_editor->setFrame(false);
    m_editor->setValidator(m_validator.get());
    m_editor->setGeometry(span.left(), row.top(), span.width(), row.height());
    m_editor->installEventFilter(this);
    m_editor->show();
    m_editor->setFocus();
    return true;
}

bool ReportControl::CommitEdit()
{
    if (!m_editor)
        return false;
    ReportRecord* record = m_editedRecord;
    const int column = m_editedColumn;
    const QString text = m_editor->text();
    CancelEdit();
    ReportRecordItem* item = record->GetItem(column);
    int position = 0;
    QString checked = text;
    const bool valid = !m_validator || m_validator->validate(checked, position) == QValidator::Acceptable;
    if (!valid || !item->OnEditDone(text))
    {
        emit EditRefused(record, column, text);
        return false;
    }
    update();
    emit ItemEdited(record, column, text);
    return true;
}

void ReportControl::CancelEdit()
{
    if (!m_editor)
        return;
    QLineEdit* editor = m_editor;
    m_editor = nullptr;
    m_editedRecord = nullptr;
    m_editedColumn = -1;
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    if (isVisible())
        setFocus();
}

void ReportControl::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    for (const Row& row : m_rows)
    {
        if (!row.rect.intersects(event->rect()))
            continue;
        if (!row.record)
        {
            painter.save();
            DrawGroupRow(painter, *row.group, row.rect);
            painter.restore();
            continue;
        }
        if (row.record->GetHostedWidget())
            continue;
        const bool selected = row.record == m_selected;
        if (selected)
            painter.fillRect(row.rect, palette().highlight());
        painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        for (int column = 0; column < row.record->GetItemCount(); ++column)
        {
            const QRect span = ColumnSpan(column);
            ReportRecordItem* item = row.record->GetItem(column);
            if (span.width() <= 0 || item->GetControl())
                continue;
            painter.save();
            item->Draw(painter, QRect(span.left(), row.rect.top(), span.width(), row.rect.height()), selected);
            painter.restore();
        }
    }
}

void ReportControl::DrawGroupRow(QPainter& painter, ReportGroupRow& group, const QRect& rect)
{
    painter.fillRect(rect, palette().button());
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(rect.left() + 3, rect.top(), kExpanderWidth - 6, rect.height());
    style()->drawPrimitive(group.IsExpanded() ? QStyle::PE_IndicatorArrowDown : QStyle::PE_IndicatorArrowRight, &arrow,
                           &painter, this);
    painter.setFont(BoldOf(font()));
    painter.setPen(palette().color(QPalette::ButtonText));
    const QRect caption = rect.adjusted(kExpanderWidth + 2, 0, 0, 0);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, group.GetCaption().trimmed());
    painter.setFont(font());
    for (const ReportGroupRow::HeaderButton& button : group.m_buttons)
    {
        if (button.rect.isEmpty())
            continue;
        const QPoint shift = button.pressed ? QPoint(1, 1) : QPoint();
        const QRect image(button.rect.left(), button.rect.center().y() - kButtonImageSize / 2, kButtonImageSize,
                          kButtonImageSize);
        button.icon.paint(&painter, image.translated(shift));
        painter.setPen(button.textColor.isValid() ? button.textColor : palette().color(QPalette::Link));
        painter.drawText(button.rect.adjusted(kButtonImageSize + kButtonTextGap, 0, 0, 0).translated(shift),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, button.text);
    }
}

void ReportControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    RebuildRows();
    PlaceChildren();
}

void ReportControl::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton)
        return;
    const Hit hit = HitTest(event->position().toPoint());
    if (hit.group)
    {
        if (hit.button >= 0)
        {
            m_pressedGroup = hit.group;
            m_pressedButton = hit.button;
            hit.group->m_buttons[hit.button].pressed = true;
            update();
            return;
        }
        SetSelectedRecord(nullptr);
        m_focusedGroup = hit.group;
        if (hit.expander)
            SetExpanded(hit.group, !hit.group->IsExpanded());
        return;
    }
    SetSelectedRecord(hit.record);
    if (hit.record && hit.column >= 0)
        EditItem(hit.record, hit.column);
}

void ReportControl::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressedGroup)
        return;
    ReportGroupRow::HeaderButton& button = m_pressedGroup->m_buttons[m_pressedButton];
    const bool inside = button.rect.contains(event->position().toPoint());
    if (inside != button.pressed)
    {
        button.pressed = inside;
        update();
    }
}

void ReportControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressedGroup)
        return;
    ReportGroupRow* group = m_pressedGroup;
    const int index = m_pressedButton;
    ReportGroupRow::HeaderButton& button = group->m_buttons[index];
    // Only a release over the button that was pressed clicks it.
    const bool clicked = button.rect.contains(event->position().toPoint());
    button.pressed = false;
    m_pressedGroup = nullptr;
    m_pressedButton = -1;
    update();
    if (clicked)
        emit HeaderButtonClicked(group, index);
}

void ReportControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    const Hit hit = HitTest(event->position().toPoint());
    if (hit.group && hit.button < 0 && !hit.expander)
        SetExpanded(hit.group, !hit.group->IsExpanded());
}

void ReportControl::keyPressEvent(QKeyEvent* event)
{
    const int focused = FocusedRow();
    ReportGroupRow* group = focused >= 0 && !m_rows[focused].record ? m_rows[focused].group : nullptr;
    switch (event->key())
    {
    case Qt::Key_Up:
        MoveFocus(focused <= 0 ? 0 : focused - 1);
        break;
    case Qt::Key_Down:
        MoveFocus(focused < 0 ? 0 : std::min(focused + 1, static_cast<int>(m_rows.size()) - 1));
        break;
    case Qt::Key_Home:
        MoveFocus(0);
        break;
    case Qt::Key_End:
        MoveFocus(static_cast<int>(m_rows.size()) - 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Space:
        if (group)
            SetExpanded(group, event->key() == Qt::Key_Space ? !group->IsExpanded() : event->key() == Qt::Key_Right);
        break;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_selected)
        {
            for (int column = 0; column < m_selected->GetItemCount(); ++column)
            {
                if (EditItem(m_selected, column))
                    break;
            }
        }
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool ReportControl::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
    {
        auto* help = static_cast<QHelpEvent*>(event);
        const Hit hit = HitTest(help->pos());
        const ReportRecordItem* item = hit.record ? hit.record->GetItem(hit.column) : nullptr;
        if (item && !item->GetTooltip().isEmpty())
            QToolTip::showText(help->globalPos(), item->GetTooltip(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

bool ReportControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_editor)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
    {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape)
        {
            CancelEdit();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
        {
            CommitEdit();
            return true;
        }
    }
    else if (event->type() == QEvent::FocusOut)
    {
        CommitEdit();
    }
    return QWidget::eventFilter(watched, event);
}

int ReportControl::RecordHeight(const ReportRecord& record) const
{
    if (record.GetHeight() > 0)
        return record.GetHeight();
    if (QWidget* hosted = record.GetHostedWidget())
        return hosted->height() > 0 ? hosted->height() : hosted->sizeHint().height();
    return m_rowHeight;
}

void ReportControl::Adopt(ReportRecord& record)
{
    if (QWidget* hosted = record.GetHostedWidget())
        hosted->setParent(this);
    for (int column = 0; column < record.GetItemCount(); ++column)
    {
        if (QWidget* control = record.GetItem(column)->GetControl())
            control->setParent(this);
    }
}

void ReportControl::RebuildRows()
{
    m_rows.clear();
    int top = 0;
    const auto addRecords = [this, &top](const std::vector<std::unique_ptr<ReportRecord>>& records, ReportGroupRow* group) {
        for (const auto& record : records)
        {
            const int height = RecordHeight(*record);
            m_rows.push_back(Row{group, record.get(), QRect(0, top, width(), height)});
            top += height;
        }
    };
    const QFontMetrics bold(BoldOf(font()));
    for (const auto& group : m_groups)
    {
        const QRect header(0, top, width(), m_groupRowHeight);
        m_rows.push_back(Row{group.get(), nullptr, header});
        top += m_groupRowHeight;
        int left = kExpanderWidth + 2 + bold.horizontalAdvance(group->GetCaption().trimmed()) + kCaptionButtonGap;
        for (ReportGroupRow::HeaderButton& button : group->m_buttons)
        {
            // Header buttons show while their group is open.
            const int buttonWidth = kButtonImageSize + kButtonTextGap + fontMetrics().horizontalAdvance(button.text);
            button.rect = group->IsExpanded() ? QRect(left, header.top() + 1, buttonWidth, header.height() - 2) : QRect();
            left += buttonWidth + kCaptionButtonGap;
        }
        if (group->IsExpanded())
            addRecords(group->m_records, group.get());
    }
    addRecords(m_records, nullptr);
}

void ReportControl::PlaceChildren()
{
    const auto place = [this](const std::vector<std::unique_ptr<ReportRecord>>& records, bool shown) {
        for (const auto& record : records)
            ShowChildren(*record, shown);
    };
    for (const auto& group : m_groups)
        place(group->m_records, group->IsExpanded());
    place(m_records, true);
}

void ReportControl::ShowChildren(ReportRecord& record, bool shown)
{
    const QRect row = RowRect(&record);
    if (QWidget* hosted = record.GetHostedWidget())
    {
        if (shown)
            hosted->setGeometry(row);
        hosted->setVisible(shown);
    }
    for (int column = 0; column < record.GetItemCount(); ++column)
    {
        QWidget* control = record.GetItem(column)->GetControl();
        if (!control)
            continue;
        const QRect span = ColumnSpan(column);
        const bool visible = shown && span.width() > 0;
        if (visible)
            control->setGeometry(span.left(), row.top(), span.width(), row.height());
        control->setVisible(visible);
    }
}

int ReportControl::FocusedRow() const
{
    for (int index = 0; index < static_cast<int>(m_rows.size()); ++index)
    {
        const Row& row = m_rows[index];
        if ((m_selected && row.record == m_selected) || (!m_selected && !row.record && row.group == m_focusedGroup))
            return index;
    }
    return -1;
}

void ReportControl::MoveFocus(int row)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    if (m_rows[row].record)
    {
        SetSelectedRecord(m_rows[row].record);
        return;
    }
    SetSelectedRecord(nullptr);
    m_focusedGroup = m_rows[row].group;
    update();
}

ReportControl::Hit ReportControl::HitButton(ReportGroupRow& group, const QPoint& point) const
{
    Hit hit;
    for (int index = 0; index < group.GetHeaderButtonCount(); ++index)
    {
        if (group.m_buttons[index].rect.contains(point))
            hit.button = index;
    }
    return hit;
}
