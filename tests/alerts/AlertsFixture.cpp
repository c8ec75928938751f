#include "AlertsFixture.h"

#include "platform/modules/AlertExprArgValue.h"

AlertsFixture::AlertsFixture()
{
    mediator.sources[kSource] = &source;
    mediator.broadcasts = &generator;
}

AlertsFixture::~AlertsFixture()
{
    module.StopThreads();
}

AlertExprArgDesc AlertsFixture::Arg(std::uint32_t id, const QString& instrument)
{
    return AlertExprArgDesc(kSource, id, QStringLiteral("arg%1").arg(id), QStringLiteral("opis %1").arg(id),
                            instrument);
}

AlertExprArgDesc AlertsFixture::SeriesArg(std::uint32_t requestId, std::uint32_t seriesId)
{
    return AlertExprArgDesc::SeriesBased(kSource, requestId, seriesId, QStringLiteral("KGH"),
                                         QStringLiteral("series%1").arg(seriesId), QStringLiteral("kurs"));
}

SimpleExpr& AlertsFixture::AddExpr(BLDirectAlert& side, const AlertExprArgDesc& argument, std::uint32_t op,
                                   double constant)
{
    SimpleExpr& expression = side.InsertExpression(side.ExpressionsCount());
    expression.SetArgument(SimpleExpr::eLeft, argument);
    expression.SetConstant(SimpleExpr::eRight, ConstArgumentValue(constant, 2));
    expression.SetCompareOperator(op);
    return expression;
}

std::shared_ptr<BLAlert> AlertsFixture::NewAlert(const QString& name)
{
    auto alert = std::make_shared<BLAlert>(module);
    alert->Properties().SetName(name);
    return alert;
}

std::uint32_t AlertsFixture::AddTwoSided(const QString& name, const AlertExprArgDesc& argument, double buyAbove,
                                         double sellBelow)
{
    auto alert = NewAlert(name);
    alert->BuySide().SetSideEnabled(true);
    alert->SellSide().SetSideEnabled(true);
    AddExpr(alert->BuySide(), argument, eCmpGreater, buyAbove);
    AddExpr(alert->SellSide(), argument, eCmpLess, sellBelow);
    return module.AddAlert(alert);
}

void AlertsFixture::Deliver(const AlertExprArgDesc& argument, double value, double time)
{
    module.OnArgValueUpdated(argument, AlertExprArgValue(value, 2, OleDate(time)));
    module.WaitForAnnouncements();
}
