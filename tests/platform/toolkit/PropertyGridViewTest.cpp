#include "platform/toolkit/PropertyGrid.h"
#include "platform/toolkit/PropertyGridButtonEdit.h"
#include "platform/toolkit/PropertyGridItem.h"
#include "platform/toolkit/PropertyGridItemBool.h"
#include "platform/toolkit/PropertyGridItemColor.h"
#include "platform/toolkit/PropertyGridItemDate.h"
#include "platform/toolkit/PropertyGridItemDateAndTime.h"
#include "platform/toolkit/PropertyGridItemDouble.h"
#include "platform/toolkit/PropertyGridItemEnum.h"
#include "platform/toolkit/PropertyGridItemFont.h"
#include "platform/toolkit/PropertyGridItemLimitedNumber.h"
#include "platform/toolkit/PropertyGridItemReadOnly.h"
#include "platform/toolkit/PropertyGridItemSize.h"
#include "platform/toolkit/PropertyGridItemTime.h"
#include "platform/toolkit/PropertyGridPenEditor.h"
#include "platform/toolkit/PropertyGridSizeEditor.h"
#include "platform/toolkit/PropertyGridView.h"
#include "platform/toolkit/PropertyGriditemFilePath.h"
#include "platform/toolkit/PropertyGriditemPen.h"
#include "platform/ui/MessageBoxFlags.h"
#include "tests/support/ui/ScopedFakeDialogs.h"
#include "tests/support/ui/TestApplication.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace
{
// A shown grid with one category; the dialogs are fakes.
class PropertyGridViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        QObject::connect(&grid, &PropertyGrid::ItemValueChanged, [this](PropertyGridItem*) { ++edits; });
        category = grid.AddCategory(QStringLiteral("Poczta"));
        view = std::make_unique<PropertyGridView>(grid);
        view->resize(400, 300);
        view->show();
    }

    template <class Item>
    Item* Add(std::unique_ptr<Item> item)
    {
        return static_cast<Item*>(category->AddChildItem(std::move(item)));
    }

    // Lets queued work (message boxes, dialogs asked for by a button) run.
    static void Settle() { TestApplication::ProcessEventsUntil([] { return false; }, 50); }

    ScopedFakeDialogs dialogs;
    PropertyGrid grid;
    PropertyGridItem* category = nullptr;
    std::unique_ptr<PropertyGridView> view;
    int edits = 0;
};
}

TEST_F(PropertyGridViewTest, EveryKindOfItemGetsItsEditor)
{
    struct Case
    {
        const char* name;
        std::function<std::unique_ptr<PropertyGridItem>()> make;
        std::function<bool(QWidget*)> isExpected;
    };
    const auto lineEdit = [](QWidget* editor) {
        auto* edit = qobject_cast<QLineEdit*>(editor);
        return edit && !edit->isReadOnly() && edit->echoMode() == QLineEdit::Normal;
    };
    const std::vector<Case> cases = {
        {"text", [] { return std::make_unique<PropertyGridItem>(QStringLiteral("Host"), QStringLiteral("smtp")); }, lineEdit},
        {"real", [] { return std::make_unique<PropertyGridItemDouble>(QStringLiteral("Mnożnik"), 1.5); }, lineEdit},
        {"password",
         [] {
             auto item = std::make_unique<PropertyGridItem>(QStringLiteral("Hasło"), QStringLiteral("tajne"));
             item->SetPasswordMask();
             return item;
         },
         [](QWidget* editor) {
             auto* edit = qobject_cast<QLineEdit*>(editor);
             return edit && edit->echoMode() == QLineEdit::Password && edit->text() == QStringLiteral("tajne");
         }},
        {"read-only text",
         [] {
             auto item = std::make_unique<PropertyGridItem>(QStringLiteral("Wersja"), QStringLiteral("4.2"));
             item->SetReadOnly(true);
             return item;
         },
         [](QWidget* editor) {
             auto* edit = qobject_cast<QLineEdit*>(editor);
             return edit && edit->isReadOnly() && edit->text() == QStringLiteral("4.2");
         }},
        {"number", [] { return std::make_unique<PropertyGridItemNumber>(QStringLiteral("Port"), 25); },
         [](QWidget* editor) {
             auto* box = qobject_cast<QSpinBox*>(editor);
             return box && box->value() == 25 && box->buttonSymbols() == QAbstractSpinBox::NoButtons;
         }},
        {"limited number with buttons",
         [] { return std::make_unique<PropertyGridItemLimitedNumber>(QStringLiteral("Czas"), 5, 1, 60, true); },
         [](QWidget* editor) {
             auto* box = qobject_cast<QSpinBox*>(editor);
             return box && box->value() == 5 && box->buttonSymbols() == QAbstractSpinBox::UpDownArrows;
         }},
        {"yes/no texts", [] { return std::make_unique<PropertyGridItemBool>(QStringLiteral("Okno"), false); },
         [](QWidget* editor) {
             auto* box = qobject_cast<QComboBox*>(editor);
             return box && box->count() == 2 && box->currentText() == QStringLiteral("Nie");
         }},
        {"choice",
         [] {
             auto item = std::make_unique<PropertyGridItemEnum>(QStringLiteral("Szyfrowanie"), 1);
             item->AddConstraint(QStringLiteral("brak szyfrowania"), 0);
             item->AddConstraint(QStringLiteral("SSL/TLS"), 1);
             return item;
         },
         [](QWidget* editor) {
             auto* box = qobject_cast<QComboBox*>(editor);
             return box && box->count() == 2 && box->currentText() == QStringLiteral("SSL/TLS");
         }},
        {"colour", [] { return std::make_unique<PropertyGridItemColor>(QStringLiteral("Tło"), ColorRef(0xFF)); },
         [](QWidget* editor) {
             auto* edit = qobject_cast<PropertyGridButtonEdit*>(editor);
             return edit && edit->LineEdit()->text() == QStringLiteral("255, 0, 0") && !edit->LineEdit()->isReadOnly();
         }},
        {"file path",
         [] { return std::make_unique<PropertyGriditemFilePath>(QStringLiteral("Dźwięk"), QStringLiteral("/a.wav")); },
         [](QWidget* editor) {
             auto* edit = qobject_cast<PropertyGridButtonEdit*>(editor);
             return edit && edit->LineEdit()->text() == QStringLiteral("/a.wav");
         }},
        {"font", [] { return std::make_unique<PropertyGridItemFont>(QStringLiteral("Czcionka"), LogFont()); },
         [](QWidget* editor) {
             auto* edit = qobject_cast<PropertyGridButtonEdit*>(editor);
             return edit && edit->LineEdit()->isReadOnly();
         }},
        {"size", [] { return std::make_unique<PropertyGridItemSize>(QStringLiteral("Rozmiar"), Size{30, 40}); },
         [](QWidget* editor) {
             auto* sizeEditor = qobject_cast<PropertyGridSizeEditor*>(editor);
             return sizeEditor && sizeEditor->GetSize() == Size{30, 40};
         }},
        {"time", [] { return std::make_unique<PropertyGridItemTime>(QStringLiteral("Start"), OleDate(QDate(2024, 1, 2), QTime(9, 5)), false); },
         [](QWidget* editor) {
             auto* edit = qobject_cast<QTimeEdit*>(editor);
             return edit && edit->time() == QTime(9, 5) && edit->displayFormat() == QStringLiteral("HH:mm");
         }},
        {"date", [] { return std::make_unique<PropertyGridItemDate>(QStringLiteral("Od"), OleDate(QDate(2024, 1, 2))); },
         [](QWidget* editor) {
             auto* edit = qobject_cast<QDateEdit*>(editor);
             return edit && edit->date() == QDate(2024, 1, 2);
         }},
        {"date and time",
         [] { return std::make_unique<PropertyGridItemDateAndTime>(QStringLiteral("Kiedy"), OleDate(QDate(2024, 1, 2), QTime(8, 0))); },
         [](QWidget* editor) {
             auto* edit = qobject_cast<QDateTimeEdit*>(editor);
             return edit && !qobject_cast<QDateEdit*>(editor) && !qobject_cast<QTimeEdit*>(editor) &&
                    edit->dateTime() == QDateTime(QDate(2024, 1, 2), QTime(8, 0));
         }},
        {"pen", [] { return std::make_unique<PropertyGriditemPen>(QStringLiteral("Linia"), LogPen()); },
         [](QWidget* editor) { return qobject_cast<PropertyGridPenEditor*>(editor) != nullptr; }},
        {"inactive", [] { return std::make_unique<PropertyGridItemReadOnly>(QStringLiteral("Numer"), QStringLiteral("7")); },
         [](QWidget* editor) { return editor == nullptr; }},
        {"check box",
         [] {
             auto item = std::make_unique<PropertyGridItemBool>(QStringLiteral("Proxy"), true);
             item->SetCheckBoxStyle();
             return item;
         },
         [](QWidget* editor) { return editor == nullptr; }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        PropertyGridItem* item = Add(c.make());
        EXPECT_TRUE(c.isExpected(view->EditItem(item)));
        view->CommitEditor();
    }
    EXPECT_EQ(edits, 0) << "opening and leaving an editor changes nothing";
    EXPECT_EQ(view->EditItem(category), nullptr);
}

TEST_F(PropertyGridViewTest, EditorValuesReachTheirItems)
{
    auto* port = Add(std::make_unique<PropertyGridItemLimitedNumber>(QStringLiteral("Czas"), 5, 1, 60, true));
    qobject_cast<QSpinBox*>(view->EditItem(port))->setValue(42);
    EXPECT_TRUE(view->CommitEditor());
    EXPECT_EQ(port->GetNumber(), 42);

    auto* size = Add(std::make_unique<PropertyGridItemSize>(QStringLiteral("Rozmiar"), Size{1, 1}));
    auto* sizeEditor = qobject_cast<PropertyGridSizeEditor*>(view->EditItem(size));
    sizeEditor->HeightBox()->setValue(70);
    EXPECT_TRUE(view->CommitEditor());
    EXPECT_EQ(size->GetSize(), (Size{1, 70}));

    auto* pen = Add(std::make_unique<PropertyGriditemPen>(QStringLiteral("Linia"), LogPen()));
    auto* penEditor = qobject_cast<PropertyGridPenEditor*>(view->EditItem(pen));
    penEditor->StyleBox()->setCurrentIndex(2);
    penEditor->WidthBox()->setValue(3);
    EXPECT_TRUE(view->CommitEditor());
    EXPECT_EQ(pen->GetPen().lopnStyle, LogPen::kStyleDot);
    EXPECT_EQ(pen->GetPen().lopnWidth.x, 3);

    auto* empty = Add(std::make_unique<PropertyGridItemDate>(QStringLiteral("Od"), OleDate::Invalid()));
    view->EditItem(empty);
    EXPECT_TRUE(view->CommitEditor());
    EXPECT_FALSE(empty->GetDate().IsValid()) << "an empty date is not filled with the day the editor showed";

    EXPECT_EQ(edits, 3);
    EXPECT_EQ(view->RowOf(size)->text(1), QStringLiteral("1, 70"));
}

TEST_F(PropertyGridViewTest, RefusedValueIsReportedAndTheRowKeepsTheItemsValue)
{
    auto* time = Add(std::make_unique<PropertyGridItemLimitedNumber>(QStringLiteral("Czas"), 5, 1, 60, false));
    auto* box = qobject_cast<QSpinBox*>(view->EditItem(time));
    box->setValue(99);
    EXPECT_FALSE(view->CommitEditor());
    Settle();

    EXPECT_EQ(time->GetNumber(), 5);
    EXPECT_EQ(view->RowOf(time)->text(1), QStringLiteral("5"));
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), 1u);
    EXPECT_EQ(dialogs.MessageBox().Boxes()[0].text, QStringLiteral("Wartość musi należeć do przedziału od 1 do 60."));
    EXPECT_EQ(dialogs.MessageBox().Boxes()[0].caption, QStringLiteral("Quorvanta 4"));
    EXPECT_EQ(dialogs.MessageBox().Boxes()[0].flags & MB_ICONMASK, MB_ICONWARNING);

    auto* real = Add(std::make_unique<PropertyGridItemDouble>(QStringLiteral("Mnożnik"), 1.5));
    qobject_cast<QLineEdit*>(view->EditItem(real))->setText(QStringLiteral("półtora"));
    EXPECT_FALSE(view->CommitEditor());
    Settle();
    ASSERT_EQ(dialogs.MessageBox().Boxes().size(), 2u);
    EXPECT_EQ(dialogs.MessageBox().Boxes()[1].text, QStringLiteral("„półtora” nie jest liczbą. Wpisz na przykład 12,5."));
    EXPECT_EQ(edits, 0);
}

TEST_F(PropertyGridViewTest, ButtonsChooseValuesInTheProgramsDialogs)
{
    auto* color = Add(std::make_unique<PropertyGridItemColor>(QStringLiteral("Tło"), ColorRef::FromRgb(0, 0, 255)));
    dialogs.ColorDialog().SetAnswer(QColor(10, 20, 30));
    qobject_cast<PropertyGridButtonEdit*>(view->EditItem(color))->Button()->click();
    Settle();
    EXPECT_EQ(view->OpenEditor(), nullptr) << "no editor stays open under a dialog";
    ASSERT_EQ(dialogs.ColorDialog().Opened().size(), 1u);
    EXPECT_EQ(dialogs.ColorDialog().Opened()[0], QColor(0, 0, 255));
    EXPECT_EQ(color->GetColor(), ColorRef::FromRgb(10, 20, 30));

    auto* sound = Add(std::make_unique<PropertyGriditemFilePath>(QStringLiteral("Dźwięk kupna"),
                                                                 QStringLiteral("Dźwięki (*.wav)|*.wav||"),
                                                                 QStringLiteral("wav"), QStringLiteral("/stary.wav")));
    dialogs.FileDialog().SetAnswer(QStringLiteral("/nowy.wav"));
    qobject_cast<PropertyGridButtonEdit*>(view->EditItem(sound))->Button()->click();
    Settle();
    ASSERT_EQ(dialogs.FileDialog().Requests().size(), 1u);
    const FileDialogRequest& request = dialogs.FileDialog().Requests()[0];
    EXPECT_EQ(request.title, QStringLiteral("Dźwięk kupna"));
    EXPECT_EQ(request.fileName, QStringLiteral("/stary.wav"));
    EXPECT_EQ(request.filter, QStringLiteral("Dźwięki (*.wav)|*.wav||"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("wav"));
    EXPECT_EQ(sound->GetValue(), QStringLiteral("/nowy.wav"));

    auto* font = Add(std::make_unique<PropertyGridItemFont>(QStringLiteral("Czcionka"), LogFont()));
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(12);
    chosen.setItalic(true);
    dialogs.FontDialog().SetAnswer(chosen);
    qobject_cast<PropertyGridButtonEdit*>(view->EditItem(font))->Button()->click();
    Settle();
    EXPECT_EQ(font->GetFont(), LogFont::FromQFont(chosen));
    EXPECT_EQ(font->GetValue(), QStringLiteral("DejaVu Sans, 12 pt, kursywa"));

    auto* pen = Add(std::make_unique<PropertyGriditemPen>(QStringLiteral("Linia"), LogPen()));
    dialogs.ColorDialog().SetAnswer(QColor(255, 0, 0));
    auto* penEditor = qobject_cast<PropertyGridPenEditor*>(view->EditItem(pen));
    penEditor->WidthBox()->setValue(4);
    penEditor->ColorButton()->click();
    Settle();
    EXPECT_EQ(pen->GetPen().lopnColor, ColorRef::FromRgb(255, 0, 0));
    EXPECT_EQ(pen->GetPen().lopnWidth.x, 4) << "the width set before the colour stays";

    // A cancelled dialog changes nothing.
    dialogs.ColorDialog().SetAnswer(std::nullopt);
    EXPECT_FALSE(view->ChooseValue(*color));
    EXPECT_EQ(color->GetColor(), ColorRef::FromRgb(10, 20, 30));
    EXPECT_EQ(edits, 5);
}

TEST_F(PropertyGridViewTest, RowsShowWhatTheItemsHold)
{
    auto* password = Add(std::make_unique<PropertyGridItem>(QStringLiteral("Hasło"), QStringLiteral("tajne")));
    password->SetPasswordMask();
    auto* proxy = Add(std::make_unique<PropertyGridItemBool>(QStringLiteral("Używaj serwera proxy"), false));
    proxy->SetCheckBoxStyle();
    auto* fixed = Add(std::make_unique<PropertyGridItemReadOnly>(QStringLiteral("Numer"), QStringLiteral("7")));

    QTreeWidgetItem* passwordRow = view->RowOf(password);
    ASSERT_NE(passwordRow, nullptr);
    EXPECT_EQ(passwordRow->text(1), QStringLiteral("*****"));
    EXPECT_EQ(passwordRow->toolTip(1), QStringLiteral("*****"));

    QTreeWidgetItem* proxyRow = view->RowOf(proxy);
    EXPECT_EQ(proxyRow->checkState(1), Qt::Unchecked);
    proxyRow->setCheckState(1, Qt::Checked);
    EXPECT_TRUE(proxy->GetBool()) << "ticking the box is the user's edit";
    EXPECT_EQ(edits, 1);

    EXPECT_FALSE(view->RowOf(fixed)->flags() & Qt::ItemIsEditable);

    proxy->SetBool(false);
    EXPECT_EQ(proxyRow->checkState(1), Qt::Unchecked) << "the program's values show too";
    EXPECT_EQ(edits, 1);

    // A category without a caption shows only its rows.
    PropertyGridItem* plain = grid.AddCategory(QString());
    PropertyGridItem* host = plain->AddChildItem(std::make_unique<PropertyGridItem>(QStringLiteral("Host")));
    EXPECT_EQ(view->RowOf(plain), nullptr);
    EXPECT_EQ(view->RowOf(host)->parent(), nullptr);

    grid.ResetContent();
    EXPECT_EQ(view->topLevelItemCount(), 0);
}
