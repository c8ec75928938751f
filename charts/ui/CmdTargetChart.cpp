#include "charts/ui/CmdTargetChart.h"

#include "charts/ui/ChangeMarginsWindowsManager.h"
#include "charts/ui/ChartCommandIds.h"
#include "charts/ui/ChartDayBeginEndManager.h"
#include "charts/ui/ChartMinMaxWindowManager.h"
#include "charts/ui/ChartRibbonLookup.h"
#include "charts/ui/ChartSeriesBaseSettingsDlg.h"
#include "core/engine/ConsumerManager.h"
#include "core/mediator/AppMediator.h"
#include "core/mediator/IStyleEditModeHandler.h"
#include "core/mediator/Quorvanta4FactoryBase.h"
#include "modulelibs/chart/ChartModule.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/modules/KFLFasade.h"
#include "platform/modules/TableConsumer.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/toolkit/GalleryItem.h"
#include "platform/toolkit/RibbonPopupBar.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"
#include "platform/ui/NotifyCodes.h"

#include <QColor>

using namespace ChartCommandIds;

namespace
{

std::shared_ptr<CmdTargetChartProcessor> MakeProcessor()
{
    AppMediator* mediator = AppMediator::Instance();
    const std::shared_ptr<Quorvanta4FactoryBase> factory = mediator ? mediator->GetFactory() : nullptr;
    return factory ? std::dynamic_pointer_cast<CmdTargetChartProcessor>(factory->CreateCmdTargetChartProcessor()) : nullptr;
}

GalleryControl* SelectedGallery(const NotifyInfo& info, int& itemId)
{
    auto* gallery = qobject_cast<GalleryControl*>(info.control);
    GalleryItem* item = gallery ? gallery->GetItem(gallery->GetSelectedItem()) : nullptr;
    if (!item)
        return nullptr;
    itemId = static_cast<int>(item->GetID());
    return gallery;
}

int ToInt(const QColor& color)
{
    return static_cast<int>(static_cast<quint32>(color.red()) | static_cast<quint32>(color.green()) << 8
                            | static_cast<quint32>(color.blue()) << 16);
}

QColor ToColor(int value)
{
    const auto ref = static_cast<quint32>(value);
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

}

CmdTargetChart::CmdTargetChart()
    : CmdTargetChart(GetChartConsumer(), MakeProcessor())
{
}

CmdTargetChart::CmdTargetChart(ChartConsumer* consumer, std::shared_ptr<CmdTargetChartProcessor> processor)
    : m_consumer(consumer)
    , m_processor(std::move(processor))
{
    Register();
}

ActiveObjectsContainer* CmdTargetChart::Active() const
{
    return m_consumer ? m_consumer->GetActiveObjects() : nullptr;
}

void CmdTargetChart::Forward(std::uint32_t id, void (ActiveObjectsContainer::*operation)())
{
    OnCommand(id, [this, operation] {
        if (ActiveObjectsContainer* active = Active())
            (active->*operation)();
    });
}

void CmdTargetChart::EnableIf(std::uint32_t id, bool (ActiveObjectsContainer::*query)() const)
{
    OnUpdate(id, [this, query](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && (active->*query)());
    });
}

void CmdTargetChart::AlwaysEnabled(std::uint32_t id)
{
    OnUpdate(id, [this](CmdUI& cmdUI) { cmdUI.Enable(Active() != nullptr); });
}

void CmdTargetChart::EmptyCommand(std::uint32_t id)
{
    OnCommand(id, [] {});
}

void CmdTargetChart::Register()
{
    RegisterPanelsAndAxes();
    RegisterTimeAndData();
    RegisterSeries();
    RegisterIndicatorsAndRecords();
    RegisterStyles();
    RegisterDisplayParams();
}

void CmdTargetChart::RegisterPanelsAndAxes()
{
    using A = ActiveObjectsContainer;
    Forward(ID_ADD_VIEW, &A::AddNewView);
    EnableIf(ID_ADD_VIEW, &A::IsSelectedChart);
    Forward(ID_REMOVE_VIEW, &A::RemoveSelectedView);
    EnableIf(ID_REMOVE_VIEW, &A::CanRemoveView);
    OnCommand(ID_ZOOM_TOOL, [this] {
        if (m_consumer)
            m_consumer->TurnOnZoomMode(!m_consumer->IsZommModeTurnOn());
    });
    OnUpdate(ID_ZOOM_TOOL, [this](CmdUI& cmdUI) {
        cmdUI.Enable(m_consumer != nullptr);
        cmdUI.SetCheck(m_consumer && m_consumer->IsZommModeTurnOn());
    });
    OnCommand(ID_ZOOM_IN, [this] {
        if (ActiveObjectsContainer* active = Active())
            active->ZoomPercentChart(true);
    });
    OnCommand(ID_ZOOM_OUT, [this] {
        if (ActiveObjectsContainer* active = Active())
            active->ZoomPercentChart(false);
    });
    Forward(ID_SHOW_ALL, &A::AddOperationResetZoomDate);
    EnableIf(ID_SHOW_ALL, &A::IsActiveChartZoom);

    Forward(ID_RESET_AXIS, &A::RevertAxicValueChanges);
    EnableIf(ID_RESET_AXIS, &A::MinOrMaxActiveValueScaleWasChanged);
    OnUpdate(ID_CONNECTED_SERIES, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && active->ValueScaleProp(nullptr, nullptr));
    });
    OnCommand(ID_LOG_AXIS, [] { DialogServices::ShowMessageBox(QString(), QStringLiteral("Nie wspierane"), MB_OK); });
    OnUpdate(ID_LOG_AXIS, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        int first = 0;
        if (!active || !active->ValueScaleProp(&first, nullptr))
            return cmdUI.Enable(false);
        cmdUI.Enable(true);
        cmdUI.SetCheck(first == 0);
    });
    Forward(ID_PERCENT_AXIS, &A::ChangeGivenScaleValueTypeToLinear);
    OnUpdate(ID_PERCENT_AXIS, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        bool second = false;
        if (!active || !active->ValueScaleProp(nullptr, &second))
            return cmdUI.Enable(false);
        cmdUI.Enable(true);
        cmdUI.SetCheck(second);
    });
    Forward(ID_PIN_TO_AXIS, &A::ConnectActiveSeriesWithRightScaleValueActiveView);
    OnUpdate(ID_PIN_TO_AXIS, [this](CmdUI& cmdUI) {
        bool possible = false;
        bool connected = false;
        if (ActiveObjectsContainer* active = Active())
            active->IsActiveSeriesConnectedWithRightAxisValue(&possible, &connected);
        cmdUI.Enable(possible);
        if (possible)
            cmdUI.SetCheck(connected);
    });
    AlwaysEnabled(ID_AXIS_RANGE);
    OnNotify(ID_AXIS_RANGE, NotifyCodes::Execute, [this](NotifyInfo&) { OnAxisRangeExecute(); });
    Forward(ID_PERCENT_REFERENCE, &A::TurnOnOffOperationBeginningPercentScaleValueForActiveScaleValue);
    OnUpdate(ID_PERCENT_REFERENCE, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && active->CanSetReferencePercenAxisValue());
        cmdUI.SetCheck(active && active->IsTurnOnReferencePercentScaleValueForActiveScaleValue());
    });
}

void CmdTargetChart::OnAxisRangeExecute()
{
    auto* manager = ChartRibbonLookup::FindManager<ChartMinMaxWindowManager>(GROUP_VALUE_RANGE, ID_AXIS_RANGE);
    ActiveObjectsContainer* active = Active();
    if (!manager || !active)
        return;
    double minimum = 0.0;
    double maximum = 0.0;
    manager->GetEnteredMinMax(minimum, maximum);
    active->SetMinMaxAxisValue(minimum, maximum);
}

void CmdTargetChart::RegisterTimeAndData()
{
    using A = ActiveObjectsContainer;
    OnUpdate(ID_TIME_AXIS_GALLERY, [this](CmdUI& cmdUI) { OnTimeAxisGalleryUpdate(cmdUI); });
    OnNotify(ID_TIME_AXIS_GALLERY, NotifyCodes::Execute, [this](NotifyInfo& info) { OnTimeAxisGalleryExecute(info); });
    Forward(ID_DATA_RANGE, &A::ChangeActiveChartDataRange);
    EmptyCommand(ID_INTERVAL);
    OnNotify(ID_INTERVAL, NotifyCodes::Execute, [this](NotifyInfo&) {
        if (m_processor)
            m_processor->ApplyIntervalChange();
    });
    EmptyCommand(ID_REFERENCE);
    EmptyCommand(ID_MARGINS);
    OnNotify(ID_MARGINS, NotifyCodes::Execute, [this](NotifyInfo&) {
        auto* manager = ChartRibbonLookup::FindManager<ChangeMarginsWindowsManager>(GROUP_MARGINS, ID_MARGINS);
        ActiveObjectsContainer* active = Active();
        if (!manager || !active)
            return;
        if (const std::shared_ptr<ChartMargins> margins = manager->GetMargins())
            active->SetNewMargins(margins);
    });
    OnUpdate(ID_LINEAR_DAY_RANGE, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && active->GetAxisTimeType() == 2);
    });
    OnNotify(ID_LINEAR_DAY_RANGE, NotifyCodes::Execute, [this](NotifyInfo&) {
        auto* manager = ChartRibbonLookup::FindManager<ChartDayBeginEndManager>(GROUP_DAY_RANGE, ID_LINEAR_DAY_RANGE);
        ActiveObjectsContainer* active = Active();
        if (!manager || !active)
            return;
        double begin = 0.0;
        double end = 0.0;
        manager->GetDayBeginEnd(begin, end);
        active->SetLinearScaleDayBeginEnd(begin, end);
    });
    Forward(ID_SHOW_TIME_AXIS, &A::ShowHideAxisTime);
    OnUpdate(ID_SHOW_TIME_AXIS, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        if (!active || !active->IsSelectedView())
            return cmdUI.Enable(false);
        cmdUI.Enable(true);
        cmdUI.SetCheck(active->IsTimeAxisShowedOnActiveView());
    });
    Forward(ID_CONNECT_BREAKS, &A::ConnectBreaksBetweenTransactions);
    OnUpdate(ID_CONNECT_BREAKS, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && active->IsConnectingBreaksBetweenTransactionsDaysSupported());
        cmdUI.SetCheck(active && active->GetInfoIfConnectBreaksBetweenTransactions());
    });
    Forward(ID_SYNCHRONIZE, &A::SynchronizeAllData);
    Forward(ID_SPLITS, &A::TurnOnOffOperationsOnData);
    OnUpdate(ID_SPLITS, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        if (!active || !active->AreOperationOnData())
            return cmdUI.Enable(false);
        cmdUI.Enable(true);
        cmdUI.SetCheck(active->AreOperationOnDataTurnOn());
    });
}

void CmdTargetChart::OnTimeAxisGalleryUpdate(CmdUI& cmdUI)
{
    auto* gallery = qobject_cast<GalleryControl*>(cmdUI.Control());
    ActiveObjectsContainer* active = Active();
    if (!gallery)
        return;
    if (!active)
        return cmdUI.Enable(false);
    cmdUI.Enable(true);
    const int type = active->GetAxisTimeType();
    const bool nTick = active->IsAtLestOneAssetWithNTickInterval();
    for (int i = 0; i < gallery->GetItemCount(); ++i)
    {
        GalleryItem* item = gallery->GetItem(i);
        const int id = static_cast<int>(item->GetID());
        bool enabled = false;
        if (id == 0)
            enabled = type == 0 || (active->AllAssetsHasTheSameInterval() && !active->AreAtTwoOneAssetsWithNTickInterval());
        else if (id == 1 || id == 2)
            enabled = type == id || !nTick;
        item->SetEnabled(enabled);
        if (id == type)
            gallery->SetCheckedItem(item->GetID());
    }
}

void CmdTargetChart::OnTimeAxisGalleryExecute(NotifyInfo& info)
{
    int itemId = 0;
    ActiveObjectsContainer* active = Active();
    if (SelectedGallery(info, itemId) && active)
        active->ChangeAxisTimeType(itemId);
    info.result = 1;
}

void CmdTargetChart::RegisterSeries()
{
    using A = ActiveObjectsContainer;
    const struct
    {
        std::uint32_t id;
        int type;
        bool needsMain;
    } types[] = {{ID_TYPE_LINE, 0, false}, {ID_TYPE_COLUMN, 1, false}, {ID_TYPE_BAR, 2, true}, {ID_TYPE_CANDLE, 3, true}};
    for (const auto& entry : types)
    {
        const int type = entry.type;
        OnCommand(entry.id, [this, type] {
            if (ActiveObjectsContainer* active = Active())
                active->SetChartType(type);
        });
        if (entry.needsMain)
        {
            OnUpdate(entry.id, [this, type](CmdUI& cmdUI) {
                ActiveObjectsContainer* active = Active();
                if (!active || !active->IsActiveSeriesMainAggregationSereis())
                    return cmdUI.Enable(false);
                cmdUI.Enable(true);
                cmdUI.SetCheck(active->GetChartType() == type);
            });
            continue;
        }
        OnUpdate(entry.id, [this, type](CmdUI& cmdUI) {
            ActiveObjectsContainer* active = Active();
            const int current = active ? active->GetChartType() : -1;
            // Line-like types 6 and 7 check the line, column-like types 4 and 5 the column.
            const bool checked = type == 0 ? (current == 0 || current == 6 || current == 7)
                                           : (current == 1 || current == 4 || current == 5);
            cmdUI.SetCheck(checked);
        });
    }
    OnCommand(ID_SERIES_STYLE, [this] { EditChartStyle(true); });
    OnUpdate(ID_BASE_LEVEL, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        const int type = active ? active->GetChartType() : -1;
        cmdUI.Enable(type == 4 || type == 5);
    });
    OnNotify(ID_BASE_LEVEL, NotifyCodes::Execute, [this](NotifyInfo&) {
        auto* manager = ChartRibbonLookup::FindManager<ChartSeriesBaseSettingsDlg>(GROUP_CHART_TYPE, ID_BASE_LEVEL);
        ActiveObjectsContainer* active = Active();
        double level = 0.0;
        if (manager && active && manager->GetBaseLevel(level))
            active->SetBaseValueActiveSeries(level);
    });
    Forward(ID_REMOVE_SERIES, &A::RemoveSelectedSeries);
    EnableIf(ID_REMOVE_SERIES, &A::IsSelectedSeries);
    OnUpdate(ID_REVERT_SERIES, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && active->GetHiddenSeriesCount() > 0);
    });
}

void CmdTargetChart::RegisterIndicatorsAndRecords()
{
    using A = ActiveObjectsContainer;
    EmptyCommand(ID_INDICATOR_ADD);
    EmptyCommand(ID_INDICATOR_EDIT);
    for (const std::uint32_t id : {ID_AVERAGES, ID_OSCILLATORS, ID_STANDARD_INDICATORS, ID_USER_INDICATORS})
    {
        EmptyCommand(id);
        OnUpdate(id, [this](CmdUI& cmdUI) { IndicatorPopupRule(cmdUI); });
    }
    OnCommand(ID_DEFAULT_PARAMS, [this] {
        if (m_consumer)
            m_consumer->UseDefaultParamsForTAPointers(!m_consumer->UseDefaultParamsForTAPointers());
    });
    OnUpdate(ID_DEFAULT_PARAMS, [this](CmdUI& cmdUI) {
        cmdUI.SetCheck(m_consumer && m_consumer->UseDefaultParamsForTAPointers());
    });
    Forward(ID_POINTER_PARAMS, &A::EditActivePointer);
    OnUpdate(ID_POINTER_PARAMS, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && active->IsActivePointerSerie() && !active->IsActiveSerieKflExpr(nullptr));
    });
    OnCommand(ID_FORMULA_EDIT, [this] { EditFormula(); });
    OnUpdate(ID_FORMULA_EDIT, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && active->IsActiveSerieKflExpr(nullptr));
    });

    Forward(ID_RECORDS, &A::ShowHideRecordsView);
    OnUpdate(ID_RECORDS, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        if (!active || !active->IsSelectedChart() || active->GetActiveChartAssetCount() <= 0)
            return cmdUI.Enable(false);
        cmdUI.Enable(true);
        cmdUI.SetCheck(active->IsShowedRecordsView());
    });
    OnUpdate(ID_RECORDS_SERIES, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && active->IsShowedRecordsView() && active->GetActiveChartAssetCount() > 0);
    });
    OnUpdate(ID_RECORDS_ASSET, [this](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        cmdUI.Enable(active && active->IsShowedRecordsView() && active->GetActiveChartAssetCount() > 1);
    });
}

void CmdTargetChart::IndicatorPopupRule(CmdUI& cmdUI)
{
    RibbonControl* control = ChartRibbonLookup::FindControl(GROUP_INDICATORS, cmdUI.Id());
    if (!control || !control->HasPopupType())
        return;
    RibbonPopupBar* bar = control->GetCommandBar();
    if (!bar || bar->GetControls().size() != 1)
        cmdUI.Enable(false);
}

void CmdTargetChart::EditFormula()
{
    ActiveObjectsContainer* active = Active();
    QString text;
    if (!active || !active->IsActiveSerieKflExpr(&text))
        return;
    AppMediator* mediator = AppMediator::Instance();
    KFLFasade* formulaLanguage = mediator ? mediator->GetFormulaLanguage() : nullptr;
    if (formulaLanguage)
        formulaLanguage->EditScript(text, mediator->GetActivePanelView());
}

void CmdTargetChart::RegisterStyles()
{
    StyleGallery(ID_WINDOW_STYLE_GALLERY, 0);
    StyleGallery(ID_VIEW_STYLE_GALLERY, 1);
    StyleGallery(ID_ELEMENT_STYLE_GALLERY, 2);
    OnCommand(ID_WINDOW_STYLE, [this] { EditChartStyle(false); });
    AlwaysEnabled(ID_WINDOW_STYLE);
    EnableIf(ID_VIEW_STYLE, &ActiveObjectsContainer::IsSelectedView);
}

void CmdTargetChart::StyleGallery(std::uint32_t id, int context)
{
    OnUpdate(id, [this, id, context](CmdUI& cmdUI) {
        ActiveObjectsContainer* active = Active();
        if (auto* gallery = qobject_cast<GalleryControl*>(ChartRibbonLookup::FindRegistered(id)); gallery && active)
            gallery->SetCheckedItem(static_cast<std::uint32_t>(active->GetActiveElementStyleId(context)));
        cmdUI.Enable(active != nullptr);
    });
    OnNotify(id, NotifyCodes::SpecialStylesRequest, [this, context](NotifyInfo& info) {
        ActiveObjectsContainer* active = Active();
        if (!active)
            return;
        m_galleryDescription = std::make_shared<SpecialStylesInfo>();
        m_galleryDescription->firstStyle = active->GetAutoStyle(context);
        m_galleryDescription->checkedStyleId = active->GetActiveElementStyleId(context);
        if (context == 0)
            m_galleryDescription->flag = 1;
        if (context == 2)
        {
            m_galleryDescription->background = active->GetActiveViewBackgroundColor();
            m_galleryDescription->flag = active->IsActivePointerSerie() ? 0 : 1;
        }
        info.result = reinterpret_cast<std::intptr_t>(m_galleryDescription.get());
    });
    OnNotify(id, NotifyCodes::GalleryPreviewChange, [this, context](NotifyInfo& info) {
        int itemId = 0;
        ActiveObjectsContainer* active = Active();
        auto* gallery = SelectedGallery(info, itemId);
        if (!gallery || gallery->IsSelectionHidden() || !active)
            return;
        active->OnChangeStyle(context, itemId);
        active->ReCreateActiveChart();
    });
    OnNotify(id, NotifyCodes::GalleryPreviewCancel, [this](NotifyInfo&) {
        if (ActiveObjectsContainer* active = Active())
        {
            active->OnCancelStyle();
            active->ReCreateActiveChart();
        }
    });
    OnNotify(id, NotifyCodes::GalleryPreviewApply, [this, context](NotifyInfo&) {
        ActiveObjectsContainer* active = Active();
        if (!active)
            return;
        active->OnApplyStyle();
        if (context != 0)
            active->ReCreateActiveChart();
    });
}

void CmdTargetChart::EditChartStyle(bool element)
{
    AppMediator* mediator = AppMediator::Instance();
    IStyleEditModeHandler* handler = mediator ? mediator->GetStyleEditModeHandler() : nullptr;
    if (!handler || !m_consumer)
        return;
    const QString title =
        QStringLiteral("Podgląd i edycja stylu %1").arg(element ? QStringLiteral("elementu wykresu") : QStringLiteral("okna wykresu"));
    if (!element)
        return handler->BeginEditStyle(m_consumer->DefaultStyle(), title);
    ActiveObjectsContainer* active = Active();
    const std::shared_ptr<StyleBase> style = active ? active->GetAutoStyle(2) : nullptr;
    if (style)
        handler->BeginEditStyle(style, title);
}

void CmdTargetChart::RegisterDisplayParams()
{
    const struct
    {
        std::uint32_t id;
        int context;
        int parameter;
        bool needsView;
    } colors[] = {
        {ID_WINDOW_BACKGROUND, 0, 6, false}, {ID_WINDOW_POINTER, 0, 16, false}, {ID_WINDOW_LABELS, 0, 11, false},
        {ID_VIEW_BACKGROUND, 1, 6, true},    {ID_VIEW_POINTER, 1, 16, true},    {ID_VIEW_LABELS, 1, 11, true},
        {ID_SERIES_COLOR_2, 2, 2, true},     {ID_SERIES_COLOR_3, 2, 3, true},   {ID_SERIES_COLOR_4, 2, 4, true},
        {ID_SERIES_COLOR_6, 2, 6, true},     {ID_SERIES_COLOR_7, 2, 7, true},   {ID_BASE_LINE_COLOR, 3, 11, false},
        {ID_EXTENSION_COLOR, 3, 14, false},
    };
    for (const auto& entry : colors)
    {
        ColorGallery(entry.id, entry.context, entry.parameter);
        if (entry.needsView)
            EnableIf(entry.id, &ActiveObjectsContainer::IsSelectedView);
        else if (entry.context == 0)
            AlwaysEnabled(entry.id);
    }

    const struct
    {
        std::uint32_t id;
        int context;
        int value;
    } fonts[] = {
        {ID_WINDOW_FONT_LARGER, 0, ActiveObjectsContainer::kStepLarger},
        {ID_WINDOW_FONT_SMALLER, 0, ActiveObjectsContainer::kStepSmaller},
        {ID_WINDOW_FONT_RESTORE, 0, ActiveObjectsContainer::kStyleValue},
        {ID_VIEW_FONT_LARGER, 1, ActiveObjectsContainer::kStepLarger},
        {ID_VIEW_FONT_SMALLER, 1, ActiveObjectsContainer::kStepSmaller},
        {ID_VIEW_FONT_RESTORE, 1, ActiveObjectsContainer::kStyleValue},
    };
    for (const auto& entry : fonts)
        FontCommand(entry.id, entry.context, entry.value);

    RestoreCommand(ID_WINDOW_RESTORE, 0);
    RestoreCommand(ID_VIEW_RESTORE, 1);
    RestoreCommand(ID_SERIES_RESTORE, 2);
    RestoreCommand(ID_LINES_RESTORE, 3);
    OnCommand(ID_RESTORE_ALL, [this] {
        if (ActiveObjectsContainer* active = Active())
        {
            active->CbsRestoreAll();
            active->RedrawDialogAfterStyleChanged(0);
        }
    });
    AlwaysEnabled(ID_RESTORE_ALL);

    AlwaysEnabled(ID_WINDOW_MORE);
    EnableIf(ID_VIEW_MORE, &ActiveObjectsContainer::IsSelectedView);
    AlwaysEnabled(ID_SERIES_MORE);
    AlwaysEnabled(ID_UPDATE_ONLY_1);
    AlwaysEnabled(ID_UPDATE_ONLY_2);
    // "Powiąż" offers the open quote tables; the gallery itself links.
    OnUpdate(ID_CONNECT_TABLE, [](CmdUI& cmdUI) {
        AppMediator* mediator = AppMediator::Instance();
        ConsumerManager* consumers = mediator ? mediator->GetConsumerManager() : nullptr;
        TableConsumer* tables = consumers ? consumers->GetTableConsumer() : nullptr;
        cmdUI.Enable(tables && tables->IsOpenedAtLeastOneTable());
    });
}

void CmdTargetChart::ColorGallery(std::uint32_t id, int context, int parameter)
{
    OnNotify(id, NotifyCodes::GalleryPreviewChange, [this, context, parameter](NotifyInfo& info) {
        int itemId = 0;
        ActiveObjectsContainer* active = Active();
        if (!SelectedGallery(info, itemId) || !active)
            return;
        m_customColorPending = false;
        if (itemId == kAutomaticColorItem)
            active->ChangeCbsParams(context, parameter, ActiveObjectsContainer::kStyleValue);
        else if (itemId == kMoreColorsItem)
        {
            m_customColorPending = true;
            m_customColorContext = context;
            m_customColorParameter = parameter;
            active->CancelCbsParams();
        }
        else
            active->ChangeCbsParams(context, parameter, itemId);
        active->RedrawDialogAfterStyleChanged(context);
    });
    OnNotify(id, NotifyCodes::CheckedItemQuery, [this, context, parameter](NotifyInfo& info) {
        if (ActiveObjectsContainer* active = Active())
            info.result = active->GetCbsParams(context, parameter);
    });
    OnNotify(id, NotifyCodes::GalleryPreviewCancel, [this](NotifyInfo&) { OnColorPreviewCancel(); });
    OnNotify(id, NotifyCodes::GalleryPreviewApply, [this](NotifyInfo&) { OnColorPreviewApply(); });
}

void CmdTargetChart::OnColorPreviewCancel()
{
    if (ActiveObjectsContainer* active = Active())
    {
        active->CancelCbsParams();
        active->RedrawDialogAfterStyleChanged(0);
    }
}

void CmdTargetChart::OnColorPreviewApply()
{
    ActiveObjectsContainer* active = Active();
    if (!active)
        return;
    if (m_customColorPending)
    {
        m_customColorPending = false;
        const QColor current = ToColor(active->GetCbsParams(m_customColorContext, m_customColorParameter));
        if (const std::optional<QColor> chosen = DialogServices::ColorDialog()->ChooseColor(current))
        {
            active->ChangeCbsParams(m_customColorContext, m_customColorParameter, ToInt(*chosen));
            active->RedrawDialogAfterStyleChanged(m_customColorContext);
        }
    }
    active->ApplyCbsParams();
}

void CmdTargetChart::FontCommand(std::uint32_t id, int context, int value)
{
    OnCommand(id, [this, context, value] {
        ActiveObjectsContainer* active = Active();
        if (!active)
            return;
        active->ChangeCbsParams(context, 33, value);
        active->ChangeCbsParams(context, 32, value);
        active->RedrawDialogAfterStyleChanged(context);
    });
    if (context == 1)
        EnableIf(id, &ActiveObjectsContainer::IsSelectedView);
    else
        AlwaysEnabled(id);
}

void CmdTargetChart::RestoreCommand(std::uint32_t id, int context)
{
    OnCommand(id, [this, context] {
        if (ActiveObjectsContainer* active = Active())
        {
            active->CbsRestore(context);
            active->RedrawDialogAfterStyleChanged(context);
        }
    });
    if (context == 1)
        EnableIf(id, &ActiveObjectsContainer::IsSelectedView);
    else
        AlwaysEnabled(id);
}
