#pragma once
// The new-chart wizard's window: its pages share one business object; a wizard of one page
// finishes with "OK". Run answers true only when the user finished it.

#include <QWizard>

class ChooseAssetChartParamsSheet : public QWizard
{
    Q_OBJECT

public:
    explicit ChooseAssetChartParamsSheet(QWidget* parent = nullptr);

    // Call once the pages are added.
    void OnInitDialog();
    bool Run();
};
