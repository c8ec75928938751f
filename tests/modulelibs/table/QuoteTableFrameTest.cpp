#include "modulelibs/table/QuoteTableFrame.h"
#include "modulelibs/table/TableFields.h"
#include "platform/modules/SeriesIds.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleTable.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include <functional>

namespace
{
constexpr std::int64_t kNow = 1'000'000;

class QuoteTableFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        for (int i = 0; i < 12; ++i)
        {
            const QString ticker = QStringLiteral("T%1").arg(i);
            m_assets.emplace_back(nullptr, QStringLiteral("PL") + ticker, ticker, ticker + QStringLiteral(" SA"), QStringLiteral("GPW"));
        }
        m_model.SetInstruments(m_assets);
        m_model.SetStyle(m_style);
        for (int i = 0; i < 12; ++i)
            Quote(i, 100.0 + i, kNow - 5000);
    }

    void Quote(int index, double price, std::int64_t at)
    {
        CurrentState state;
        state.Set(SeriesIds::kPrice, price);
        state.Set(SeriesIds::kChange, price - 100.0);
        state.Set(SeriesIds::kBidPrice1, price - 0.01);
        state.Set(SeriesIds::kAskPrice1, price + 0.01);
        m_model.ApplyQuote(m_assets[index], state, at);
    }

    QuoteTableFrame::View View(std::int64_t now) const
    {
        QuoteTableFrame::View view;
        view.size = QSize(700, 200);
        view.headerHeight = 20;
        view.tableWidth = 680;
        view.lineHeight = 18;
        view.font = QApplication::font();
        view.style = m_style.get();
        view.highlightMs = 1000;
        view.nowMs = now;
        view.background = QApplication::palette().window();
        return view;
    }

    // Paints the frame into the picture within the region alone, as a window's paint is clipped.
    static void PaintOn(QImage& picture, const QuoteTableFrame& frame, const QRegion& region)
    {
        QPainter painter(&picture);
        painter.setClipRegion(region);
        frame.Paint(painter, region);
    }

    // A colour the table never paints, which shows where it painted nothing.
    static QImage Blank()
    {
        QImage picture(QSize(700, 200), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::magenta);
        return picture;
    }

    // What a frame that paints everything anew shows now.
    QImage Fresh(std::int64_t now) const
    {
        QuoteTableFrame fresh;
        QImage picture = Blank();
        PaintOn(picture, fresh, fresh.Update(m_model, View(now)));
        return picture;
    }

    std::shared_ptr<StyleBase> m_style = StyleKinds::DefaultStyle(StyleTable::Type);
    std::vector<Asset> m_assets;
    QuoteTableModel m_model;
};
}

// A frame that repaints only what changed must show what a whole repaint shows, whatever
// changed: quotes (rising and falling), highlights that run out, the selection, a note, the
// offer lines and the scrolling.
TEST_F(QuoteTableFrameTest, RepaintingWhatChangedShowsWhatAWholeRepaintShows)
{
    QuoteTableFrame frame;
    const QRegion first = frame.Update(m_model, View(kNow));
    ASSERT_EQ(first, QRegion(QRect(0, 0, 700, 200)));
    QImage picture = Blank();
    PaintOn(picture, frame, first);
    // The window paints opaquely: every pixel of a whole paint is the table's.
    bool covered = true;
    for (int y = 0; y < picture.height(); ++y)
    {
        for (int x = 0; x < picture.width(); ++x)
            covered = covered && picture.pixelColor(x, y) != QColor(Qt::magenta);
    }
    EXPECT_TRUE(covered);
    const QuoteTableRow& third = m_model.Rows()[2];
    const std::vector<std::pair<const char*, std::function<std::int64_t()>>> changes = {
        {"a rise and a fall", [&] { Quote(1, 105.0, kNow); Quote(4, 90.0, kNow); return kNow; }},
        {"the highlights run out", [&] { return kNow + 2000; }},
        {"a row selected", [&] { m_model.Select(third.id, TableFields::kPrice); return kNow + 2000; }},
        {"a note", [&] { m_model.SetComment(third.id, QStringLiteral("do obserwacji")); return kNow + 2000; }},
        {"offer lines", [&] { m_model.SetOfferLines(third.id, 2); return kNow + 2000; }},
        {"a column's width", [&] { m_model.SetColumnWidth(TableFields::kName, 140); return kNow + 2000; }},
    };
    for (const auto& [what, change] : changes)
    {
        const std::int64_t now = change();
        PaintOn(picture, frame, frame.Update(m_model, View(now)));
        EXPECT_EQ(picture, Fresh(now)) << what;
    }
}

TEST_F(QuoteTableFrameTest, AQuoteFormatsAndRepaintsOnlyItsOwnChangedCells)
{
    // Changed cells lit in the rise and fall colours: the rest of the row stays as it was.
    m_style->SetValue(StyleTable::ParamColouringMode, 1);
    QuoteTableFrame frame;
    QImage picture = Blank();
    PaintOn(picture, frame, frame.Update(m_model, View(kNow)));
    EXPECT_EQ(frame.Format(m_model, View(kNow)), 0);
    EXPECT_TRUE(frame.Update(m_model, View(kNow)).isEmpty());

    Quote(3, 120.0, kNow);
    EXPECT_EQ(frame.Format(m_model, View(kNow)), 1);
    const QRegion changed = frame.Update(m_model, View(kNow));
    ASSERT_FALSE(changed.isEmpty());
    // The fourth row, below the header: its prices, not its ticker, nor any other row.
    const int rowTop = 20 + 3 * 18;
    EXPECT_EQ(changed.boundingRect().top(), rowTop);
    EXPECT_EQ(changed.boundingRect().bottom(), rowTop + 17);
    EXPECT_FALSE(changed.contains(QPoint(10, rowTop + 5)));
    PaintOn(picture, frame, changed);
    EXPECT_EQ(picture, Fresh(kNow));
}
