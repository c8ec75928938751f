#include "charts/ui/ChartCommandIds.h"
#include "charts/ui/CmdTargetChart.h"
#include "modulelibs/chart/ChartModuleConsumer.h"
#include "modulelibs/chart/ChartWindow.h"
#include "platform/toolkit/GalleryControl.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/NotifyCodes.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace ChartCommandIds;

namespace
{

class FixedColorDialog : public IColorDialogService
{
public:
    std::optional<QColor> ChooseColor(const QColor&) override { return answer; }
    std::optional<QColor> answer;
};

class CmdTargetChartTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_chart = new ChartWindow(m_consumer,
                                  ChartDocument::Standard(QStringLiteral("Kelvora OnLine"), QStringLiteral("KGHM"), QString(),
                                                          DataRequestParams(DataRequestParams::kMinute, 1, 0), ShowedRange(), 3),
                                  nullptr);
        m_consumer.SetActiveChart(m_chart);
        m_dialog = std::make_shared<FixedColorDialog>();
        m_previousDialog = DialogServices::SetColorDialog(m_dialog);
    }
    void TearDown() override
    {
        DialogServices::SetColorDialog(m_previousDialog);
        delete m_chart;
    }

    std::optional<bool> Enabled(std::uint32_t id)
    {
        CmdUI cmdUI(id);
        m_target.UpdateCommandUI(cmdUI);
        return cmdUI.Enabled();
    }

    void Notify(GalleryControl& gallery, int code, int itemIndex)
    {
        gallery.SetSelectedItem(itemIndex);
        NotifyInfo info(gallery.GetID(), code, &gallery);
        m_target.SendNotify(info);
    }

    ChartModuleConsumer m_consumer;
    CmdTargetChart m_target{&m_consumer, nullptr};
    ChartWindow* m_chart = nullptr;
    std::shared_ptr<FixedColorDialog> m_dialog;
    std::shared_ptr<IColorDialogService> m_previousDialog;
};

}

TEST_F(CmdTargetChartTest, CommandsReachTheActiveChart)
{
    const ChartDocument& document = m_chart->Document();
    EXPECT_TRUE(m_target.ExecuteCommand(ID_ADD_VIEW));
    EXPECT_EQ(document.views.size(), 3u);
    EXPECT_EQ(Enabled(ID_REMOVE_VIEW), true);
    EXPECT_TRUE(m_target.ExecuteCommand(ID_REMOVE_VIEW));
    EXPECT_EQ(document.views.size(), 2u);

    EXPECT_EQ(Enabled(ID_SHOW_ALL), false);
    m_target.ExecuteCommand(ID_ZOOM_IN);
    EXPECT_EQ(Enabled(ID_SHOW_ALL), true);
    m_target.ExecuteCommand(ID_SHOW_ALL);
    EXPECT_FALSE(document.zoomed);

    m_target.ExecuteCommand(ID_TYPE_LINE);
    CmdUI line(ID_TYPE_LINE);
    m_target.UpdateCommandUI(line);
    EXPECT_EQ(line.Checked(), 1);
    m_target.ExecuteCommand(ID_RECORDS);
    EXPECT_TRUE(document.recordsShown);
    EXPECT_EQ(Enabled(ID_RECORDS_ASSET), false);
    m_target.ExecuteCommand(ID_ZOOM_TOOL);
    EXPECT_TRUE(m_consumer.IsZommModeTurnOn());

    // Without a selected series the series commands are off.
    EXPECT_EQ(Enabled(ID_REMOVE_SERIES), false);
    EXPECT_EQ(Enabled(ID_TYPE_CANDLE), true);
}

TEST_F(CmdTargetChartTest, WithoutAChartEveryUpdateDisablesAndNothingRuns)
{
    m_consumer.SetActiveChart(nullptr);
    for (const std::uint32_t id : {ID_ADD_VIEW, ID_WINDOW_BACKGROUND, ID_AXIS_RANGE, ID_RESTORE_ALL, ID_REVERT_SERIES})
        EXPECT_EQ(Enabled(id), false) << id;
    EXPECT_TRUE(m_target.ExecuteCommand(ID_ADD_VIEW));
    EXPECT_EQ(m_chart->Document().views.size(), 2u);
}

TEST_F(CmdTargetChartTest, MoreColoursChangesExactlyThePreviewedParameter)
{
    GalleryControl background(ID_VIEW_BACKGROUND);
    background.AddItem(static_cast<std::uint32_t>(kMoreColorsItem), QStringLiteral("Więcej"));
    GalleryControl labels(ID_WINDOW_LABELS);
    labels.AddItem(0x00FF00, QStringLiteral("Zielony"));
    const ChartDocument& document = m_chart->Document();
    const int labelColour = document.Param(0, 11);

    Notify(background, NotifyCodes::GalleryPreviewChange, 0);
    m_dialog->answer = QColor(0x11, 0x22, 0x33);
    // The apply comes through another gallery's handler; the pending choice is what counts.
    Notify(labels, NotifyCodes::GalleryPreviewApply, 0);
    EXPECT_EQ(document.Param(1, 6), 0x00332211);
    EXPECT_EQ(document.Param(0, 11), labelColour);

    Notify(labels, NotifyCodes::GalleryPreviewChange, 0);
    EXPECT_EQ(document.Param(0, 11), 0x00FF00);
    Notify(labels, NotifyCodes::GalleryPreviewCancel, 0);
    EXPECT_EQ(document.Param(0, 11), labelColour);
}

TEST_F(CmdTargetChartTest, FontCommandsStepBothSizes)
{
    const int size = m_chart->Document().Param(0, 32);
    m_target.ExecuteCommand(ID_WINDOW_FONT_LARGER);
    m_chart->ActiveObjects().ApplyCbsParams();
    EXPECT_EQ(m_chart->Document().Param(0, 32), size + 1);
    EXPECT_EQ(m_chart->Document().Param(0, 33), size + 1);
    m_target.ExecuteCommand(ID_WINDOW_FONT_RESTORE);
    m_chart->ActiveObjects().ApplyCbsParams();
    EXPECT_EQ(m_chart->Document().Param(0, 32), size);
}

TEST_F(CmdTargetChartTest, TheTimeAxisGalleryFollowsTheTickInterval)
{
    struct Case
    {
        int interval;
        int type;
        bool enabled[3];
    };
    const Case cases[] = {
        {DataRequestParams::kMinute, 0, {true, true, true}},
        {DataRequestParams::kTick, 0, {true, false, false}},
        {DataRequestParams::kTick, 2, {true, false, true}},
    };
    for (const Case& c : cases)
    {
        ChartDocument& document = const_cast<ChartDocument&>(m_chart->Document());
        document.request.interval = c.interval;
        document.timeAxisType = c.type;
        GalleryControl gallery(ID_TIME_AXIS_GALLERY);
        for (std::uint32_t id = 0; id < 3; ++id)
            gallery.AddItem(id, QString::number(id));
        CmdUI cmdUI(ID_TIME_AXIS_GALLERY, &gallery);
        m_target.UpdateCommandUI(cmdUI);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(gallery.GetItem(i)->IsEnabled(), c.enabled[i]) << c.interval << " " << c.type << " " << i;
        EXPECT_EQ(gallery.GetCheckedItem(), static_cast<std::uint32_t>(c.type));
    }
}
