#include "charts/ui/ChooseAssetChartParamsSheet.h"

#include "platform/modules/IAppMediator.h"
#include "platform/modules/PluginBase.h"

ChooseAssetChartParamsSheet::ChooseAssetChartParamsSheet(QWidget* parent)
    : QWizard(parent)
{
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::HaveHelpButton, false);
    setButtonText(QWizard::BackButton, QStringLiteral("< Wstecz"));
    setButtonText(QWizard::NextButton, QStringLiteral("Dalej >"));
    setButtonText(QWizard::FinishButton, QStringLiteral("Zakończ"));
    setButtonText(QWizard::CancelButton, QStringLiteral("Anuluj"));
}

void ChooseAssetChartParamsSheet::OnInitDialog()
{
    if (pageIds().size() == 1)
        setButtonText(QWizard::FinishButton, QStringLiteral("OK"));
    if (IAppMediator* mediator = PluginBase::GetAppMediator())
        mediator->SetAppIcon(this);
}

bool ChooseAssetChartParamsSheet::Run()
{
    OnInitDialog();
    return exec() == QDialog::Accepted;
}
