#pragma once
// The configuration dialog of the simulated feed: the rate (interval and ticks per step) takes
// effect at once, the seed and the cloud account at the next start of the program.

#include "providers/simfeed/SimFeedOptions.h"

#include <QDialog>

class QLineEdit;
class QSpinBox;

class SimFeedConfigDialog : public QDialog
{
public:
    SimFeedConfigDialog(const SimFeedOptions& options, QWidget* parent);

    // The options as the dialog holds them.
    SimFeedOptions Options() const;

private:
    SimFeedOptions m_options;
    QSpinBox* m_seed = nullptr;
    QSpinBox* m_interval = nullptr;
    QSpinBox* m_ticks = nullptr;
    QLineEdit* m_cloudAddress = nullptr;
    QLineEdit* m_cloudLogin = nullptr;
    QLineEdit* m_cloudPassword = nullptr;
};
