#pragma once
// The colours the ribbon view paints with, and the colour of each contextual tab colour index.

#include <QColor>

struct RibbonPalette
{
    QColor frame{0xDF, 0xE8, 0xF5};
    QColor frameText{0x1E, 0x39, 0x5B};
    QColor groupRowTop{0xFA, 0xFC, 0xFF};
    QColor groupRowBottom{0xE4, 0xEC, 0xF7};
    QColor border{0xA8, 0xBE, 0xDB};
    QColor groupCaption{0xD5, 0xE1, 0xF2};
    QColor text{0x20, 0x20, 0x20};
    QColor disabledText{0x9A, 0x9A, 0x9A};
    QColor hot{0xFF, 0xE9, 0xA8};
    QColor hotBorder{0xE3, 0xB5, 0x4A};
    QColor pressed{0xFB, 0xCB, 0x6E};
    QColor checked{0xFD, 0xDB, 0x8C};
    QColor systemButton{0x2B, 0x57, 0x9A};
    QColor systemButtonText{0xFF, 0xFF, 0xFF};

    // The colour of a contextual tab colour index; the frame colour for none or an unknown index.
    QColor ContextColor(int index) const;
};
