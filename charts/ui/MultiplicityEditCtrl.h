#pragma once
// The field of a chart's multiplicity (how many intervals make one bar). It knows the interval
// it is for and the least multiplicity of the smallest interval the instrument offers.

#include "charts/ui/NumberEditCtrl.h"
#include "platform/modules/DataRequestParams.h"

class MultiplicityEditCtrl : public NumberEditCtrl
{
    Q_OBJECT

public:
    using NumberEditCtrl::NumberEditCtrl;

    void SetMinIntervalMultiplicity(EInterval interval, int multiplicity)
    {
        m_minInterval = interval;
        m_minMultiplicity = multiplicity;
    }
    void SetCurrentInterval(EInterval interval) { m_interval = interval; }
    EInterval GetCurrentInterval() const { return m_interval; }
    EInterval GetMinInterval() const { return m_minInterval; }
    int GetMinMultiplicity() const { return m_minMultiplicity; }

private:
    EInterval m_interval = 0;
    EInterval m_minInterval = DataRequestParams::kTick;
    int m_minMultiplicity = 1;
};
