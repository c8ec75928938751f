#pragma once
// A module with a fake mediator, one fake argument source "FakeSource" and a recorder of
// the generated alerts, with helpers to make arguments, comparisons and alerts.

#include "AlertsFakes.h"

#include "alerts/engine/AlertModule.h"
#include "alerts/engine/BLAlert.h"
#include "platform/modules/AlertExprArgDesc.h"

#include <gtest/gtest.h>

#include <memory>

class AlertsFixture : public ::testing::Test
{
protected:
    static inline const QString kSource = QStringLiteral("FakeSource");

    AlertsFixture();
    ~AlertsFixture() override;

    static AlertExprArgDesc Arg(std::uint32_t id, const QString& instrument = QString());
    static AlertExprArgDesc SeriesArg(std::uint32_t requestId, std::uint32_t seriesId);
    // argument op constant, appended to the side.
    static SimpleExpr& AddExpr(BLDirectAlert& side, const AlertExprArgDesc& argument, std::uint32_t op,
                               double constant);
    // A new alert not yet in the list.
    std::shared_ptr<BLAlert> NewAlert(const QString& name);
    // A one-expression side per given argument (buy: argument > buyAbove, sell: argument < sellBelow),
    // added to the module.
    std::uint32_t AddTwoSided(const QString& name, const AlertExprArgDesc& argument, double buyAbove, double sellBelow);
    // On the calling thread, as the worker does it; returns once its alerts are announced.
    void Deliver(const AlertExprArgDesc& argument, double value, double time);

    FakeAlertsMediator mediator;
    FakeArgumentSource source;
    RecordingGenerator generator;
    AlertModule module{mediator};
};
