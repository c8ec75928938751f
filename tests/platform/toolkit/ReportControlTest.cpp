#include "platform/toolkit/NumericStringValidator.h"
#include "platform/toolkit/ReportControl.h"
#include "platform/toolkit/ReportGroupRow.h"
#include "platform/toolkit/ReportRecord.h"
#include "platform/toolkit/ReportRecordItem.h"
#include "tests/support/ui/TestApplication.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace
{
constexpr int kGroupHeight = 24;
constexpr int kRowHeight = 20;

void Mouse(QWidget& widget, QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

void Key(QWidget& widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

void Type(QLineEdit& editor, const QString& text)
{
    for (const QChar character : text)
    {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(&editor, &press);
    }
}

// An item that takes only what its test lets it take.
class PickyItem : public ReportRecordItem
{
public:
    bool OnEditDone(const QString& text) override { return accept && ReportRecordItem::OnEditDone(text); }
    bool accept = true;
};

// Three groups each hosting a panel; the first two have an add button in their headers.
class ReportGroupsTest : public ::testing::Test
{
protected:
    ReportGroupsTest()
    {
        report.resize(400, 10);
        report.AddColumn(100, true);
        report.SetFitHeight(true);
        const int heights[] = {100, 80, 60};
        const char* captions[] = {"Alert kupna", "Alert sprzedaży", "Właściowości alertu"};
        for (int index = 0; index < 3; ++index)
        {
            ReportGroupRow* group = report.AddGroup(QString::fromUtf8(captions[index]));
            if (index < 2)
                group->AddHeaderButton(QIcon(), QStringLiteral("dodaj nowe wyrażenie"), QColor(16, 64, 100));
            auto record = std::make_unique<ReportRecord>();
            auto* panel = new QWidget();
            panel->resize(400, heights[index]);
            record->SetHostedWidget(panel);
            panels.push_back(panel);
            report.AddRecord(std::move(record), group);
        }
        report.show();
    }

    QPoint ButtonCentre(int group) { return report.GetGroup(group)->GetHeaderButton(0)->rect.center(); }

    QApplication& application = TestApplication::Ensure();
    ReportControl report;
    std::vector<QWidget*> panels;
};

// One group-less report of six columns, as the expression rows use it: a caption, a hidden
// value cell, an operator combo box, a hidden name, an editable value and a remove cell.
class ReportRowsTest : public ::testing::Test
{
protected:
    ReportRowsTest()
    {
        report.resize(300, 10);
        report.SetFitHeight(true);
        const int n = static_cast<int>((300 - 36) * 0.46);
        report.AddColumn(n + 10, false);
        report.AddColumn(1, true);
        report.AddColumn(33, false);
        report.AddColumn(1, false);
        report.AddColumn(n - 20, true);
        report.AddColumn(11, true);
        report.SetColumnVisible(1, false);
        report.SetColumnVisible(3, false);
        report.SetInplaceValidator(std::make_shared<NumericStringValidator>());
        for (int row = 0; row < 3; ++row)
            AddRow(row);
        report.show();
    }

    ReportRecord* AddRow(int row)
    {
        auto record = std::make_unique<ReportRecord>();
        record->AddItem(std::make_unique<ReportRecordItem>(QStringLiteral("tu przeciągnij warunek (pole lub wykres)")))
            ->SetTooltip(QStringLiteral("W to miejsce przeciągnij"));
        record->AddItem(std::make_unique<ReportRecordItem>());
        auto* combo = new QComboBox();
        combo->addItems({QStringLiteral(" >"), QStringLiteral(">=")});
        record->AddItem(std::make_unique<ReportRecordItem>())->SetControl(combo);
        record->AddItem(std::make_unique<ReportRecordItem>());
        auto value = std::make_unique<PickyItem>();
        value->SetEditable(true);
        record->AddItem(std::move(value));
        record->AddItem(std::make_unique<ReportRecordItem>(QStringLiteral("x")));
        return report.AddRecord(std::move(record));
    }

    QPoint ValueCell(int row)
    {
        const QRect span = report.ColumnSpan(4);
        return QPoint(span.left() + 5, row * kRowHeight + kRowHeight / 2);
    }

    PickyItem* Value(int row) { return static_cast<PickyItem*>(report.GetRecord(row)->GetItem(4)); }

    QApplication& application = TestApplication::Ensure();
    ReportControl report;
};
}

TEST_F(ReportGroupsTest, GroupRowsHostTheirWindowsAndTheReportFitsItsRows)
{
    EXPECT_EQ(report.height(), 3 * kGroupHeight + 100 + 80 + 60);
    EXPECT_EQ(panels[1]->geometry(), QRect(0, 2 * kGroupHeight + 100, 400, 80));
    EXPECT_TRUE(panels[1]->isVisible());

    QSignalSpy heights(&report, &ReportControl::HeightChanged);
    QSignalSpy expansions(&report, &ReportControl::GroupExpanded);
    // A click on the arrow collapses the group: its window and its button go.
    Mouse(report, QEvent::MouseButtonPress, QPoint(5, kGroupHeight + 100 + 5));
    Mouse(report, QEvent::MouseButtonRelease, QPoint(5, kGroupHeight + 100 + 5), Qt::NoButton);
    EXPECT_FALSE(report.GetGroup(1)->IsExpanded());
    EXPECT_FALSE(panels[1]->isVisible());
    EXPECT_TRUE(report.GetGroup(1)->GetHeaderButton(0)->rect.isEmpty());
    ASSERT_EQ(heights.count(), 1);
    EXPECT_EQ(heights.first().at(0).toInt(), -80);
    EXPECT_EQ(panels[2]->y(), 3 * kGroupHeight + 100);
    ASSERT_EQ(expansions.count(), 1);

    // A double click on the caption opens it again.
    Mouse(report, QEvent::MouseButtonDblClick, QPoint(60, kGroupHeight + 100 + 5));
    EXPECT_TRUE(report.GetGroup(1)->IsExpanded());
    EXPECT_TRUE(panels[1]->isVisible());
    EXPECT_FALSE(report.GetGroup(1)->GetHeaderButton(0)->rect.isEmpty());
    EXPECT_EQ(heights.last().at(0).toInt(), 80);

    // A hosted window's row follows a height given to it.
    report.GetGroup(0)->GetRecord(0)->SetHeight(150);
    report.Relayout();
    EXPECT_EQ(report.height(), 3 * kGroupHeight + 150 + 80 + 60);
    EXPECT_EQ(panels[0]->height(), 150);
}

TEST_F(ReportGroupsTest, AHeaderButtonClicksOnlyWhenReleasedOverIt)
{
    std::vector<std::pair<ReportGroupRow*, int>> clicked;
    QObject::connect(&report, &ReportControl::HeaderButtonClicked,
                     [&clicked](ReportGroupRow* group, int button) { clicked.emplace_back(group, button); });
    const QPoint on = ButtonCentre(0);
    const QPoint off = on + QPoint(0, 60);
    struct Case
    {
        std::vector<QPoint> moves;
        int clicks;
    };
    const Case cases[] = {{{}, 1}, {{off}, 0}, {{off, on}, 1}};
    int expected = 0;
    for (const Case& test : cases)
    {
        Mouse(report, QEvent::MouseButtonPress, on);
        EXPECT_TRUE(report.GetGroup(0)->GetHeaderButton(0)->pressed);
        QPoint last = on;
        for (const QPoint& move : test.moves)
        {
            Mouse(report, QEvent::MouseMove, move);
            last = move;
        }
        Mouse(report, QEvent::MouseButtonRelease, last, Qt::NoButton);
        expected += test.clicks;
        EXPECT_EQ(static_cast<int>(clicked.size()), expected);
        EXPECT_FALSE(report.GetGroup(0)->GetHeaderButton(0)->pressed);
    }
    EXPECT_EQ(clicked.front(), std::make_pair(report.GetGroup(0), 0));

    // A double click on the button neither collapses the group nor clicks again.
    Mouse(report, QEvent::MouseButtonDblClick, on);
    EXPECT_TRUE(report.GetGroup(0)->IsExpanded());
    EXPECT_EQ(static_cast<int>(clicked.size()), expected);
}

TEST_F(ReportGroupsTest, TheKeyboardWalksTheRowsAndOpensAndClosesGroups)
{
    report.setFocus();
    Key(report, Qt::Key_Down);  // the first group's header
    Key(report, Qt::Key_Down);  // its hosted row
    EXPECT_EQ(report.GetSelectedRecord(), report.GetGroup(0)->GetRecord(0));
    Key(report, Qt::Key_Down);  // the second header
    EXPECT_EQ(report.GetSelectedRecord(), nullptr);
    Key(report, Qt::Key_Left);
    EXPECT_FALSE(report.GetGroup(1)->IsExpanded());
    Key(report, Qt::Key_Down);  // the third header: the second group's row is hidden
    Key(report, Qt::Key_Space);
    EXPECT_FALSE(report.GetGroup(2)->IsExpanded());
    Key(report, Qt::Key_Up);
    Key(report, Qt::Key_Right);
    EXPECT_TRUE(report.GetGroup(1)->IsExpanded());
    Key(report, Qt::Key_End);
    EXPECT_EQ(report.GetSelectedRecord(), nullptr);
    Key(report, Qt::Key_Home);
    Key(report, Qt::Key_Down);
    EXPECT_EQ(report.GetSelectedRecord(), report.GetGroup(0)->GetRecord(0));
}

TEST_F(ReportRowsTest, ColumnsShareTheWidthAndControlsSitOverTheirCells)
{
    const int n = static_cast<int>((300 - 36) * 0.46);
    EXPECT_EQ(report.height(), 3 * kRowHeight);
    EXPECT_EQ(report.ColumnSpan(0), QRect(0, 0, n + 10, 0));
    EXPECT_TRUE(report.ColumnSpan(1).isNull());
    const QRect value = report.ColumnSpan(4);
    const QRect remove = report.ColumnSpan(5);
    EXPECT_EQ(value.left(), n + 10 + 33);
    EXPECT_EQ(remove.left() + remove.width(), 300);
    // Auto-size columns share the rest in the proportion of their widths.
    EXPECT_NEAR(static_cast<double>(value.width()) / remove.width(), (n - 20) / 11.0, 0.5);

    QWidget* combo = report.GetRecord(1)->GetItem(2)->GetControl();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->parentWidget(), &report);
    EXPECT_EQ(combo->geometry(), QRect(n + 10, kRowHeight, 33, kRowHeight));
    EXPECT_TRUE(combo->isVisible());

    QPointer<QWidget> removed = combo;
    QSignalSpy heights(&report, &ReportControl::HeightChanged);
    report.RemoveRecord(report.GetRecord(1));
    EXPECT_TRUE(removed.isNull());
    EXPECT_EQ(report.GetRecordCount(), 2);
    EXPECT_EQ(heights.last().at(0).toInt(), -kRowHeight);
    EXPECT_EQ(report.GetRecord(1)->GetItem(2)->GetControl()->y(), kRowHeight);

    ReportRecord* inserted = report.AddRecord(std::make_unique<ReportRecord>(), nullptr, 0);
    EXPECT_EQ(report.IndexOf(inserted), 0);
    EXPECT_EQ(report.HitTest(QPoint(value.left() + 2, 2 * kRowHeight + 3)).column, 4);
    EXPECT_EQ(report.HitTest(QPoint(value.left() + 2, 2 * kRowHeight + 3)).record, report.GetRecord(2));
    EXPECT_EQ(report.HitTest(QPoint(5, 10 * kRowHeight)).record, nullptr);
}

TEST_F(ReportRowsTest, TypedValuesPassTheValidatorAndTheItemOrAreRefused)
{
    QSignalSpy edited(&report, &ReportControl::ItemEdited);
    QSignalSpy refused(&report, &ReportControl::EditRefused);
    Value(1)->SetCaption(QStringLiteral("7"));
    struct Case
    {
        QString typed;
        bool accept;
        QString caption;
    };
    // Letters cannot be typed; an empty text, one that is not a number yet, or one the item
    // refuses leaves the item as it was.
    const Case cases[] = {{QStringLiteral("12,5"), true, QStringLiteral("12,5")},
                          {QStringLiteral("-3.25"), true, QStringLiteral("-3.25")},
                          {QStringLiteral("abc"), true, QStringLiteral("-3.25")},
                          {QStringLiteral(","), true, QStringLiteral("-3.25")},
                          {QString(), true, QStringLiteral("-3.25")},
                          {QStringLiteral("8"), false, QStringLiteral("-3.25")}};
    for (const Case& test : cases)
    {
        Value(1)->accept = test.accept;
        Mouse(report, QEvent::MouseButtonPress, ValueCell(1));
        Mouse(report, QEvent::MouseButtonRelease, ValueCell(1), Qt::NoButton);
        QLineEdit* editor = report.GetInplaceEdit();
        ASSERT_NE(editor, nullptr) << test.typed.toStdString();
        EXPECT_EQ(editor->geometry().left(), report.ColumnSpan(4).left());
        Type(*editor, test.typed);
        Key(*editor, Qt::Key_Return);
        EXPECT_EQ(report.GetInplaceEdit(), nullptr);
        EXPECT_EQ(Value(1)->GetCaption(), test.caption) << test.typed.toStdString();
    }
    EXPECT_EQ(edited.count(), 2);
    EXPECT_EQ(refused.count(), 4);
    EXPECT_EQ(report.GetSelectedRecord(), report.GetRecord(1));

    // Escape leaves the item alone; cells that are not editable open nothing.
    ASSERT_TRUE(report.EditItem(report.GetRecord(1), 4));
    Type(*report.GetInplaceEdit(), QStringLiteral("99"));
    Key(*report.GetInplaceEdit(), Qt::Key_Escape);
    EXPECT_EQ(Value(1)->GetCaption(), QStringLiteral("-3.25"));
    EXPECT_FALSE(report.EditItem(report.GetRecord(1), 0));
    EXPECT_FALSE(report.EditItem(report.GetRecord(1), 9));

    // F2 edits the selected row's editable item.
    report.setFocus();
    Key(report, Qt::Key_Down);
    EXPECT_EQ(report.GetSelectedRecord(), report.GetRecord(2));
    Key(report, Qt::Key_F2);
    ASSERT_NE(report.GetInplaceEdit(), nullptr);
    EXPECT_EQ(report.GetInplaceEdit()->y(), 2 * kRowHeight);
}

TEST_F(ReportRowsTest, TheSelectedRowIsPaintedHighlighted)
{
    report.SetSelectedRecord(report.GetRecord(2));
    const QImage image = report.grab().toImage();
    const QPoint inSelected(report.ColumnSpan(4).right() - 2, 2 * kRowHeight + 2);
    const QPoint inOther(report.ColumnSpan(4).right() - 2, kRowHeight + 2);
    EXPECT_EQ(image.pixel(inSelected), report.palette().highlight().color().rgb());
    EXPECT_EQ(image.pixel(inOther), report.palette().base().color().rgb());
}

TEST(NumericStringValidatorTest, NumbersWithEitherSeparatorAreAcceptedAndTheirBeginningsAllowed)
{
    const NumericStringValidator validator;
    struct Case
    {
        const char* text;
        QValidator::State state;
    };
    const Case cases[] = {{"12,5", QValidator::Acceptable}, {"-3.25", QValidator::Acceptable}, {"7", QValidator::Acceptable},
                          {"", QValidator::Intermediate},   {"-", QValidator::Intermediate},      {",", QValidator::Intermediate},
                          {"12,", QValidator::Acceptable},
                          {"1.2.3", QValidator::Invalid},   {"abc", QValidator::Invalid},         {"1e5", QValidator::Invalid},
                          {"1 000", QValidator::Invalid}};
    for (const Case& test : cases)
    {
        QString text = QString::fromUtf8(test.text);
        int position = 0;
        EXPECT_EQ(validator.validate(text, position), test.state) << test.text;
    }
}
