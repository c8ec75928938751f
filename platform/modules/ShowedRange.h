#pragma once
// The part of a chart's bars on screen: how many of the newest bars are skipped at the right
// edge, and how many bars the window shows. Zero bars means "every bar".

class ShowedRange
{
public:
    ShowedRange() = default;
    ShowedRange(int rightOffset, int barCount)
        : rightOffset(rightOffset)
        , barCount(barCount)
    {
    }

    int rightOffset = 0;
    int barCount = 120;
};
