#include "platform/base/OleDate.h"
#include "platform/toolkit/PropertyGrid.h"
#include "platform/toolkit/PropertyGridItem.h"
#include "platform/toolkit/PropertyGridItemBool.h"
#include "platform/toolkit/PropertyGridItemColor.h"
#include "platform/toolkit/PropertyGridItemDate.h"
#include "platform/toolkit/PropertyGridItemDateAndTime.h"
#include "platform/toolkit/PropertyGridItemDouble.h"
#include "platform/toolkit/PropertyGridItemEnum.h"
#include "platform/toolkit/PropertyGridItemFont.h"
#include "platform/toolkit/PropertyGridItemLimitedNumber.h"
#include "platform/toolkit/PropertyGridItemNumber.h"
#include "platform/toolkit/PropertyGridItemReadOnly.h"
#include "platform/toolkit/PropertyGridItemSize.h"
#include "platform/toolkit/PropertyGridItemTime.h"
#include "platform/toolkit/PropertyGriditemPen.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace
{
// A grid with one category that records the edits it reports.
class PropertyGridItemTest : public ::testing::Test
{
protected:
    PropertyGridItemTest()
    {
        QObject::connect(&grid, &PropertyGrid::ItemValueChanged, [this](PropertyGridItem* item) { edits.push_back(item); });
        category = grid.AddCategory(QStringLiteral("Ustawienia"));
    }

    template <class Item>
    Item* Add(std::unique_ptr<Item> item)
    {
        return static_cast<Item*>(category->AddChildItem(std::move(item)));
    }

    PropertyGrid grid;
    PropertyGridItem* category = nullptr;
    std::vector<PropertyGridItem*> edits;
};

OleDate Moment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return OleDate(QDate(year, month, day), QTime(hour, minute, second));
}
}

TEST_F(PropertyGridItemTest, TypedTextIsTakenOrRefusedWithAClearReason)
{
    struct Case
    {
        const char* name;
        std::function<std::unique_ptr<PropertyGridItem>()> make;
        const char* typed;
        bool taken;
        const char* shownOrMessage;  // the value shown when taken, the message when refused
    };
    using Limited = PropertyGridItemLimitedNumber;
    const auto choice = [] {
        auto item = std::make_unique<PropertyGridItemEnum>(QStringLiteral("Szyfrowanie"), 0);
        item->AddConstraint(QStringLiteral("brak szyfrowania"), 0);
        item->AddConstraint(QStringLiteral("SSL/TLS"), 1);
        return item;
    };
    const std::vector<Case> cases = {
        {"number", [] { return std::make_unique<PropertyGridItemNumber>(QStringLiteral("Port"), 25); }, " -7 ", true, "-7"},
        {"number, letters", [] { return std::make_unique<PropertyGridItemNumber>(QStringLiteral("Port"), 25); }, "4x",
         false, "„4x” nie jest liczbą całkowitą."},
        {"number, too big", [] { return std::make_unique<PropertyGridItemNumber>(QStringLiteral("Port"), 25); },
         "99999999999", false, "„99999999999” nie jest liczbą całkowitą."},
        {"limited, greatest", [] { return std::make_unique<Limited>(QStringLiteral("Czas"), 5, 1, 60, true); }, "60", true, "60"},
        {"limited, above", [] { return std::make_unique<Limited>(QStringLiteral("Czas"), 5, 1, 60, true); }, "61", false,
         "Wartość musi należeć do przedziału od 1 do 60."},
        {"limited, below", [] { return std::make_unique<Limited>(QStringLiteral("Czas"), 5, 1, 60, false); }, "0", false,
         "Wartość musi należeć do przedziału od 1 do 60."},
        {"limits the wrong way round", [] { return std::make_unique<Limited>(QStringLiteral("Czas"), 5, 60, 1, false); },
         "30", true, "30"},
        {"real with a comma", [] { return std::make_unique<PropertyGridItemDouble>(QStringLiteral("Mnożnik"), 1.0); },
         "12,5", true, "12.5"},
        {"real, letters", [] { return std::make_unique<PropertyGridItemDouble>(QStringLiteral("Mnożnik"), 1.0); }, "abc",
         false, "„abc” nie jest liczbą. Wpisz na przykład 12,5."},
        {"yes/no", [] { return std::make_unique<PropertyGridItemBool>(QStringLiteral("Okno"), true); }, " nie ", true, "Nie"},
        {"yes/no, other", [] { return std::make_unique<PropertyGridItemBool>(QStringLiteral("Okno"), true); }, "może",
         false, "„może” nie jest żadną z wartości do wyboru."},
        {"colour", [] { return std::make_unique<PropertyGridItemColor>(QStringLiteral("Tło"), ColorRef(0)); },
         "255, 128, 0", true, "255, 128, 0"},
        {"colour, 256", [] { return std::make_unique<PropertyGridItemColor>(QStringLiteral("Tło"), ColorRef(0)); },
         "256, 0, 0", false,
         "Kolor podaj jako trzy liczby od 0 do 255 oddzielone przecinkami (czerwony, zielony, niebieski), na przykład "
         "255, 0, 0."},
        {"size", [] { return std::make_unique<PropertyGridItemSize>(QStringLiteral("Rozmiar"), Size{1, 2}); }, "100, 50",
         true, "100, 50"},
        {"size, negative", [] { return std::make_unique<PropertyGridItemSize>(QStringLiteral("Rozmiar"), Size{1, 2}); },
         "-1, 5", false,
         "Rozmiar podaj jako dwie nieujemne liczby całkowite oddzielone przecinkiem, na przykład 100, 50."},
        {"date", [] { return std::make_unique<PropertyGridItemDate>(QStringLiteral("Od"), Moment(2020, 1, 1)); },
         "2024-03-15", true, "2024-03-15"},
        {"date, no such month",
         [] { return std::make_unique<PropertyGridItemDate>(QStringLiteral("Od"), Moment(2020, 1, 1)); }, "2024-13-01",
         false, "„2024-13-01” nie jest datą. Wpisz datę w postaci yyyy-MM-dd."},
        {"date, year the program cannot keep",
         [] { return std::make_unique<PropertyGridItemDate>(QStringLiteral("Od"), Moment(2020, 1, 1)); }, "0050-01-01",
         false, "„0050-01-01” nie jest datą. Wpisz datę w postaci yyyy-MM-dd."},
        {"time with seconds",
         [] { return std::make_unique<PropertyGridItemTime>(QStringLiteral("Start"), Moment(2020, 1, 1), true); },
         "14:30:05", true, "14:30:05"},
        {"time without seconds drops them",
         [] { return std::make_unique<PropertyGridItemTime>(QStringLiteral("Start"), Moment(2020, 1, 1), false); },
         "14:30:05", true, "14:30"},
        {"time, 25 o'clock",
         [] { return std::make_unique<PropertyGridItemTime>(QStringLiteral("Start"), Moment(2020, 1, 1), true); },
         "25:00", false, "„25:00” nie jest godziną. Wpisz godzinę w postaci HH:mm:ss."},
        {"date and time without seconds",
         [] { return std::make_unique<PropertyGridItemDateAndTime>(QStringLiteral("Kiedy"), Moment(2020, 1, 1)); },
         "2024-03-15 14:30", true, "2024-03-15 14:30:00"},
        {"choice by caption", choice, "ssl/tls", true, "SSL/TLS"},
        {"choice, unknown", choice, "XYZ", false, "„XYZ” nie jest żadną z wartości do wyboru."},
        {"font", [] { return std::make_unique<PropertyGridItemFont>(QStringLiteral("Czcionka"), LogFont()); }, "Arial",
         false, "Tej wartości nie można wpisać jako tekstu; wybierz ją w edytorze wartości."},
        {"pen", [] { return std::make_unique<PropertyGriditemPen>(QStringLiteral("Linia"), LogPen()); }, "ciągła",
         false, "Tej wartości nie można wpisać jako tekstu; wybierz ją w edytorze wartości."},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        edits.clear();
        PropertyGridItem* item = Add(c.make());
        const QString before = item->GetValue();
        QString message;
        EXPECT_EQ(item->EditValue(QString::fromUtf8(c.typed), &message), c.taken);
        if (c.taken)
        {
            EXPECT_EQ(item->GetValue(), QString::fromUtf8(c.shownOrMessage));
            EXPECT_EQ(edits, std::vector<PropertyGridItem*>{item});
        }
        else
        {
            EXPECT_EQ(message, QString::fromUtf8(c.shownOrMessage));
            EXPECT_EQ(item->GetValue(), before);
            EXPECT_TRUE(edits.empty());
        }
    }
}

TEST_F(PropertyGridItemTest, OnlyTheUsersRealChangesAreReported)
{
    auto* number = Add(std::make_unique<PropertyGridItemNumber>(QStringLiteral("Port"), 25));
    EXPECT_TRUE(number->EditValue(QStringLiteral("25")));
    EXPECT_TRUE(number->EditNumber(25));
    number->SetNumber(587);
    EXPECT_EQ(number->GetValue(), QStringLiteral("587"));
    EXPECT_TRUE(edits.empty()) << "the same value and the program's own values are no edits";

    auto* date = Add(std::make_unique<PropertyGridItemDate>(QStringLiteral("Od"), OleDate::Invalid()));
    EXPECT_EQ(date->GetValue(), QString());
    EXPECT_TRUE(date->EditDateTime(QDateTime(QDate(2024, 3, 15), QTime(10, 0))));
    EXPECT_EQ(date->GetDate(), Moment(2024, 3, 15)) << "a date item keeps the day only";
    EXPECT_EQ(edits, std::vector<PropertyGridItem*>{date});
}

TEST_F(PropertyGridItemTest, TimeItemKeepsTheDayOfItsValue)
{
    auto* time = Add(std::make_unique<PropertyGridItemTime>(QStringLiteral("Start"), Moment(2024, 3, 15, 9, 0), true));
    EXPECT_TRUE(time->EditValue(QStringLiteral("17:45:10")));
    EXPECT_EQ(time->GetDate(), Moment(2024, 3, 15, 17, 45, 10));

    auto* empty = Add(std::make_unique<PropertyGridItemTime>(QStringLiteral("Stop"), OleDate::Invalid(), false));
    EXPECT_TRUE(empty->EditValue(QStringLiteral("08:15")));
    EXPECT_EQ(empty->GetDate(), Moment(1899, 12, 30, 8, 15));
}

TEST_F(PropertyGridItemTest, ReadOnlyItemsRefuseEveryEdit)
{
    auto* readOnly = Add(std::make_unique<PropertyGridItem>(QStringLiteral("Wersja"), QStringLiteral("4.2")));
    readOnly->SetReadOnly(true);
    auto* inactive = Add(std::make_unique<PropertyGridItemReadOnly>(QStringLiteral("Numer"), QStringLiteral("17")));
    auto* number = Add(std::make_unique<PropertyGridItemNumber>(QStringLiteral("Port"), 25));
    number->SetReadOnly(true);

    for (PropertyGridItem* item : std::vector<PropertyGridItem*>{readOnly, inactive, number})
    {
        QString message;
        EXPECT_FALSE(item->EditValue(QStringLiteral("1"), &message));
        EXPECT_EQ(message, QStringLiteral("Tej wartości nie można zmieniać."));
        EXPECT_TRUE(item->IsReadOnly());
    }
    EXPECT_FALSE(number->EditNumber(1));
    EXPECT_TRUE(edits.empty());
    // The read-only text can still be opened to read and copy it; the inactive one not at all.
    EXPECT_TRUE(readOnly->IsEditable());
    EXPECT_FALSE(inactive->IsEditable());
    EXPECT_EQ(inactive->GetEditorKind(), PropertyGridItem::EditorKind::None);
}

TEST_F(PropertyGridItemTest, PasswordIsMaskedInTheViewOnly)
{
    auto* password = Add(std::make_unique<PropertyGridItem>(QStringLiteral("Hasło"), QStringLiteral("tajne1")));
    password->SetPasswordMask();
    EXPECT_TRUE(password->IsPassword());
    EXPECT_EQ(password->GetViewValue(), QStringLiteral("******"));
    EXPECT_EQ(password->GetValue(), QStringLiteral("tajne1"));
    EXPECT_TRUE(password->EditValue(QStringLiteral("nowe")));
    EXPECT_EQ(password->GetViewValue(), QStringLiteral("****"));
}

TEST_F(PropertyGridItemTest, ValuesShowInTheUsersTerms)
{
    LogFont font;
    font.SetFaceName(QStringLiteral("Arial"));
    font.lfHeight = -13;
    font.lfWeight = LogFont::kWeightBold;
    EXPECT_EQ(PropertyGridItemFont::FontText(font), QStringLiteral("Arial, 10 pt, pogrubiona"));
    EXPECT_EQ(PropertyGridItemFont::FontText(LogFont()), QStringLiteral("domyślna"));

    LogPen pen;
    pen.lopnStyle = LogPen::kStyleDash;
    pen.lopnWidth.x = 2;
    pen.lopnColor = ColorRef::FromRgb(255, 0, 0);
    EXPECT_EQ(PropertyGriditemPen::PenText(pen), QStringLiteral("kreskowa, 2 px, kolor 255, 0, 0"));

    auto* color = Add(std::make_unique<PropertyGridItemColor>(QStringLiteral("Tło"), ColorRef(ColorRef::kStyleOwnValue)));
    EXPECT_EQ(color->GetValue(), QStringLiteral("automatyczny"));
    EXPECT_FALSE(color->EditColor(ColorRef(ColorRef::kStyleOwnValue))) << "the special values are not the user's";

    auto* style = Add(std::make_unique<PropertyGridItemEnum>(QStringLiteral("Styl"), 7));
    EXPECT_EQ(style->GetValue(), QStringLiteral("7")) << "a value no constraint has";
    style->AddConstraint(QStringLiteral("Klasyczny"), 7);
    EXPECT_EQ(style->GetValue(), QStringLiteral("Klasyczny"));
    EXPECT_FALSE(style->EditEnum(8));
}

TEST_F(PropertyGridItemTest, PenRefusesUnknownStylesAndWidths)
{
    auto* item = Add(std::make_unique<PropertyGriditemPen>(QStringLiteral("Linia"), LogPen()));
    LogPen pen;
    pen.lopnStyle = 9;
    QString message;
    EXPECT_FALSE(item->EditPen(pen, &message));
    EXPECT_EQ(message, QStringLiteral("Nieznany styl linii."));
    pen.lopnStyle = LogPen::kStyleDot;
    pen.lopnWidth.x = PropertyGriditemPen::kMaxWidth + 1;
    EXPECT_FALSE(item->EditPen(pen, &message));
    EXPECT_EQ(message, QStringLiteral("Grubość linii musi należeć do przedziału od 0 do 100."));
    pen.lopnWidth.x = 3;
    EXPECT_TRUE(item->EditPen(pen));
    EXPECT_EQ(item->GetPen(), pen);
    EXPECT_EQ(edits.size(), 1u);
}

TEST_F(PropertyGridItemTest, GridKeepsItsRowsInOrderAndTellsOfNewContent)
{
    int contentChanges = 0;
    QObject::connect(&grid, &PropertyGrid::ContentChanged, [&] { ++contentChanges; });
    // A subtree made aside reaches the grid with its rows.
    auto proxy = std::make_unique<PropertyGridItem>(QStringLiteral("Proxy"));
    auto* port = static_cast<PropertyGridItemNumber*>(
        proxy->AddChildItem(std::make_unique<PropertyGridItemNumber>(QStringLiteral("Port"), 8080)));
    EXPECT_EQ(port->GetGrid(), nullptr);
    Add(std::move(proxy));
    Add(std::make_unique<PropertyGridItem>(QStringLiteral("Adres")));
    EXPECT_EQ(port->GetGrid(), &grid);
    EXPECT_EQ(contentChanges, 2);

    QStringList order;
    grid.ForEachItem([&order](PropertyGridItem& item) { order.append(item.GetCaption()); });
    EXPECT_EQ(order, (QStringList{QStringLiteral("Ustawienia"), QStringLiteral("Proxy"), QStringLiteral("Port"),
                                  QStringLiteral("Adres")}));
    EXPECT_EQ(grid.FindItem(QStringLiteral("Port")), port);

    EXPECT_TRUE(port->EditNumber(3128));
    EXPECT_EQ(edits, std::vector<PropertyGridItem*>{port});

    grid.ResetContent();
    EXPECT_EQ(grid.GetCategoryCount(), 0);
    EXPECT_EQ(grid.FindItem(QStringLiteral("Port")), nullptr);
    EXPECT_EQ(contentChanges, 3);
}
