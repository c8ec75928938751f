#pragma once
// The colours the ribbon view paints with, and the colour of each contextual tab colour index.
// A theme replaces them all; the values here are the look before any theme is loaded.

#include <QColor>

#include <array>

struct RibbonPalette
{
    QColor frame{0xDF, 0xE8, 0xF5};
    // On the frame: unselected tabs.
    QColor frameText{0x1E, 0x39, 0x5B};
    // On the light fill of the selected or hot tab, and on the group row: group captions, check boxes.
    QColor selectedTabText{0x1E, 0x39, 0x5B};
    QColor groupText{0x1E, 0x39, 0x5B};
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
    // By contextual tab colour index 1 to 7 (blue, yellow, green, red, purple, cyan, orange);
    // the first entry stands for no colour and is not used.
    std::array<QColor, 8> contextColors{QColor(),
                                        QColor(0x4F, 0x81, 0xBD),
                                        QColor(0xE4, 0xBE, 0x2E),
                                        QColor(0x5C, 0xA8, 0x4A),
                                        QColor(0xD2, 0x4D, 0x49),
                                        QColor(0x8A, 0x67, 0xBD),
                                        QColor(0x35, 0xA9, 0xC4),
                                        QColor(0xEE, 0x85, 0x2F)};

    // The colour of a contextual tab colour index; the frame colour for none or an unknown index.
    QColor ContextColor(int index) const;
};
