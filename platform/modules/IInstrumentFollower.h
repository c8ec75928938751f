#pragma once
// A module window that can be told to show another instrument: what a quote table calls on
// the windows connected to it when its selected instrument changes. Main thread only.

class Asset;

class IInstrumentFollower
{
public:
    virtual ~IInstrumentFollower();

    // Shows the instrument; false when its provider does not deliver it.
    virtual bool FollowInstrument(const Asset& asset) = 0;
};
