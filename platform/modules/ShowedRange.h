#pragma once
// The part of a chart's bars on screen: how many of the newest bars are skipped at the right
// edge, and how many bars the window shows. Zero bars means "every bar". A range chosen by dates
// or by sessions says so in its type; the chart library turns it into bars when it opens.

#include "platform/modules/Params.h"

class ShowedRange : public Params
{
public:
    enum EShowedRange
    {
        kBars = -1,
        kDates = 0,
        kSessions = 1,
    };

    ShowedRange() = default;
    // The kinds and dates of a request.
    explicit ShowedRange(const Params& params)
        : Params(params)
    {
    }
    ShowedRange(int rightOffset, int barCount)
        : rightOffset(rightOffset)
        , barCount(barCount)
    {
    }

    int rightOffset = 0;
    int barCount = 120;
    EShowedRange rangeType = kBars;
    // Sessions asked for, and those the chart shows now.
    int sessionsCount = 0;
    int currentSessionsCount = 0;
};
