#pragma once
// The items the colour picker draws: captions, buttons ("Domyślny", "Więcej kolorów") and
// colour cells, each with its rectangle, hot and selected flags and colour value (-1 none).

#include "ribbon/popups/ColorPickerPopupWindow.h"

#include <QRect>
#include <QString>

class ColorPickerPopupWindow::Item
{
public:
    enum Flag
    {
        Hot = 1,
        Selected = 2
    };

    Item(const QRect& rect, int color);
    virtual ~Item() = default;

    const QRect& GetRect() const { return m_rect; }
    int GetColor() const { return m_color; }
    bool IsHot() const { return (m_flags & Hot) != 0; }
    bool IsSelected() const { return (m_flags & Selected) != 0; }
    void SetFlag(Flag flag, bool on);

    virtual void Draw(QPainter& painter) const = 0;

private:
    QRect m_rect;
    int m_color;
    int m_flags = 0;
};

class ColorPickerPopupWindow::CaptionItem : public ColorPickerPopupWindow::Item
{
public:
    CaptionItem(const QRect& rect, const QString& text);

    const QString& GetText() const { return m_text; }
    void Draw(QPainter& painter) const override;

private:
    QString m_text;
};

class ColorPickerPopupWindow::ButtonItem : public ColorPickerPopupWindow::Item
{
public:
    ButtonItem(const QRect& rect, const QString& text, int color);

    const QString& GetText() const { return m_text; }
    void Draw(QPainter& painter) const override;

private:
    QString m_text;
};

class ColorPickerPopupWindow::ColorItem : public ColorPickerPopupWindow::Item
{
public:
    ColorItem(const QRect& rect, int color, bool topBorder, bool bottomBorder);

    bool HasTopBorder() const { return m_topBorder; }
    bool HasBottomBorder() const { return m_bottomBorder; }
    void Draw(QPainter& painter) const override;

private:
    bool m_topBorder;
    bool m_bottomBorder;
};
