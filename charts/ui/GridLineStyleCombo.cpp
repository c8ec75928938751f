#include "charts/ui/GridLineStyleCombo.h"

#include "modulelibs/chart/ChartStyles.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace
{

constexpr int kLineStyles = 5;

void DrawLine(QPainter& painter, const QRect& rect, int lineStyle, const QColor& colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1.0, ChartStyles::PenStyleOf(lineStyle)));
    const int y = rect.center().y();
    painter.drawLine(rect.left() + 4, y, rect.right() - 4, y);
    painter.restore();
}

class LineStyleDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        if (selected)
            painter->fillRect(option.rect, option.palette.color(QPalette::Highlight));
        DrawLine(*painter, option.rect, index.row(),
                 option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {60, 16}; }
};

}

GridLineStyleCombo::GridLineStyleCombo(QWidget* parent)
    : QComboBox(parent)
{
    setItemDelegate(new LineStyleDelegate(this));
    for (int lineStyle = 0; lineStyle < kLineStyles; ++lineStyle)
        addItem(QString(), lineStyle);
    setMinimumWidth(70);
}

void GridLineStyleCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0)
        DrawLine(painter, field, currentIndex(), palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
}
