#include "modulelibs/translist/TransListModuleConsumer.h"

TransListModuleConsumer::TransListModuleConsumer()
    : WindowedConsumer({QStringLiteral("TransList"), QStringLiteral(".q4tl"),
                        QStringLiteral("Pliki list transakcji (*.q4tl)|*.q4tl"), QStringLiteral("Transakcje"),
                        QStringLiteral(".q5tl"), QStringLiteral("listy transakcji")})
{
}

bool TransListModuleConsumer::ShowNewTransList(QWidget* view, const Asset* asset, int flags)
{
    return OpenNew(view, asset, QStringLiteral("ShowNewTransList"), __LINE__);
}

bool TransListModuleConsumer::IsActiveTranslistScrollHidden() const
{
    return ActiveWindow() && ActiveWindow()->IsScrollHidden();
}

void TransListModuleConsumer::HideActiveTranslistScroll(bool hidden)
{
    if (TransListWindow* window = ActiveWindow())
        window->HideScroll(hidden);
}

bool TransListModuleConsumer::ActiveTransListInstrumentAssigned() const
{
    return ActiveWindow() && !ActiveWindow()->GetAsset().IsEmpty();
}

void TransListModuleConsumer::SetActiveTransListSessionDate(const QDate& date)
{
    if (TransListWindow* window = ActiveWindow())
        window->SetSessionDate(date);
}

bool TransListModuleConsumer::ActiveTranslistShowsHistory() const
{
    return ActiveWindow() && ActiveWindow()->ShowsHistory();
}

void TransListModuleConsumer::SynchroniseActiveTransListData()
{
    if (TransListWindow* window = ActiveWindow())
        window->Synchronise();
}
