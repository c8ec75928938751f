#pragma once
// The marks the symbol tool places on a chart (arrows, a circle, a cross), each an image under
// its id, in ascending id order. The chart library owns the images; galleries only show them.
// Main thread only.

#include <QImage>

#include <map>

class FormationSymbolsContainer
{
public:
    enum ESymbolId
    {
        ArrowUp = 1,
        ArrowDown = 2,
        Circle = 3,
        Cross = 4,
    };

    FormationSymbolsContainer();

    const std::map<int, QImage>& Symbols() const { return m_symbols; }
    // A null image for an unknown id.
    QImage Image(int symbolId) const;

private:
    std::map<int, QImage> m_symbols;
};

FormationSymbolsContainer& GetFormationSymbolsContainerInstance();
