#include "platform/toolkit/StatusBarBase.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace
{
std::vector<std::uint32_t> PaneIds(const StatusBarBase& bar)
{
    std::vector<std::uint32_t> ids;
    for (int index = 0; index < bar.GetPaneCount(); ++index)
        ids.push_back(bar.GetPane(index)->GetID());
    return ids;
}

TEST(StatusBarBaseTest, PanesKeepTheirPlacesAndIds)
{
    TestApplication::Ensure();
    StatusBarBase bar;
    ASSERT_NE(bar.AddIndicator(StatusBarBase::kSeparatorId), nullptr);
    ASSERT_NE(bar.AddIndicator(7), nullptr);
    ASSERT_NE(bar.AddIndicator(8, 1), nullptr);
    ASSERT_NE(bar.AddIndicator(9, 99), nullptr);
    EXPECT_EQ(bar.AddIndicator(7), nullptr);
    EXPECT_NE(bar.AddIndicator(StatusBarBase::kSeparatorId), nullptr);
    EXPECT_EQ(PaneIds(bar), (std::vector<std::uint32_t>{0, 8, 7, 9, 0}));
    EXPECT_EQ(bar.FindPane(9), bar.GetPane(3));
    EXPECT_EQ(bar.FindPane(10), nullptr);
    EXPECT_EQ(bar.GetPane(5), nullptr);
}

TEST(StatusBarBaseTest, TheSeparatorTakesTheFreeWidth)
{
    TestApplication::Ensure();
    StatusBarBase bar;
    StatusBarPane* separator = bar.AddIndicator(StatusBarBase::kSeparatorId);
    StatusBarPane* fixed = bar.AddIndicator(1);
    StatusBarPane* text = bar.AddIndicator(2);
    fixed->SetWidth(120);
    text->SetText(QStringLiteral("Ostatnie notowanie: 11:04:37"));
    bar.resize(800, bar.sizeHint().height());
    bar.show();
    QCoreApplication::processEvents();

    EXPECT_EQ(fixed->width(), 120);
    EXPECT_GE(text->width(), text->fontMetrics().horizontalAdvance(text->GetText()));
    EXPECT_GT(separator->width(), 800 - 120 - text->width() - 60);
    EXPECT_LT(separator->geometry().right(), fixed->geometry().left());
    EXPECT_EQ(bar.HitTestPane(fixed->geometry().center()), fixed);
}

TEST(StatusBarBaseTest, APaneIsWideEnoughForItsWholeText)
{
    TestApplication::Ensure();
    StatusBarBase bar;
    bar.AddIndicator(StatusBarBase::kSeparatorId);
    StatusBarPane* pane = bar.AddIndicator(1);
    bar.resize(900, bar.sizeHint().height());
    bar.show();
    for (const QString& text : {QStringLiteral("12:30:15"), QStringLiteral("Sesja zamknięta"),
                                QStringLiteral("16:59:58 · Sesja zamknięta"), QStringLiteral("Wolumen ffi W j")})
    {
        pane->SetText(text);
        QCoreApplication::processEvents();
        // The text is drawn inside the pane's margins of 4 pixels a side.
        const QString shown = pane->fontMetrics().elidedText(text, Qt::ElideRight, pane->width() - 8);
        EXPECT_EQ(shown.toStdString(), text.toStdString());
    }
}
}
