#pragma once
// The base of the dialogs that open under ribbon controls: it paints the popup gradient over
// its whole area, and a direct child that fills its own background gets the band of that
// gradient at its place instead, so the dialog reads as one surface. Other children are
// transparent over the dialog's painting anyway.

#include <QWidget>

class BasePopupBarDlg : public QWidget
{
    Q_OBJECT

public:
    explicit BasePopupBarDlg(QWidget* parent = nullptr);

    // The dialog's area in the child's coordinates, narrowed to the child's left and right
    // edges: the gradient painted there continues the dialog's at the child's height. Empty
    // for a widget that is not a direct child.
    QRect ChildGradientRect(const QWidget* child) const;
    // Paints the child's band of the gradient; false for a widget that is not a direct child.
    virtual bool DrawChildBackground(QWidget* child, QPainter& painter);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
