#pragma once
// Where and how the about box writes the program's version on its picture: the text's
// position in the picture, its font and its colour. The edition factory makes one for its
// product kind and shares it.

#include "platform/base/ColorRef.h"

#include <QFont>
#include <QPoint>

#include <memory>

class AboutDlgData
{
public:
    AboutDlgData(const QPoint& textPosition, const QFont& font, ColorRef color);
    virtual ~AboutDlgData();

    // The data of a product kind; null for a kind whose about box is not known (only kind 1,
    // this edition, is). Needs a QGuiApplication for the default font.
    static std::shared_ptr<AboutDlgData> ForProductKind(int productKind);

    const QPoint& GetTextPosition() const { return m_textPosition; }
    const QFont& GetFont() const { return m_font; }
    ColorRef GetColor() const { return m_color; }

private:
    QPoint m_textPosition;
    QFont m_font;
    ColorRef m_color;
};
