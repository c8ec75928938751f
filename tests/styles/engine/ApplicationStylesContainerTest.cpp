#include "StylesFixture.h"

#include "styles/engine/ApplicationStylesContainer.h"
#include "styles/engine/DefaultStyles.h"
#include "styles/engine/IApplicationStyleHost.h"
#include "styles/engine/StyleChartWindow.h"
#include "styles/engine/StyleDetails.h"
#include "styles/engine/StyleOffers.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTransactionList.h"
#include "styles/engine/StyleTransactionsMonitor.h"
#include "styles/engine/StylesContainer.h"
#include "tests/support/FakeConsumer.h"
#include "tests/support/GuiTestApplication.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <map>

namespace
{
class StyledModule : public FakeConsumer
{
public:
    using FakeConsumer::FakeConsumer;
    void FindWindowStyle(int styleId) override { windowStyleId = styleId; }
    int windowStyleId = -100;
};

class RecordingHost : public IApplicationStyleHost
{
public:
    IGenericModule* FindModule(const QString& moduleName) override
    {
        const auto found = modules.find(moduleName);
        return found == modules.end() ? nullptr : found->second;
    }
    void SetApplicationStyle(const QString& name) override { storedName = name; }
    void ApplyRibbonTheme(const QString& themeValue) override { theme = themeValue; }

    std::map<QString, IGenericModule*> modules;
    QString storedName;
    QString theme;
};

class ApplicationStylesContainerTest : public StylesFixture
{
protected:
    ApplicationStylesContainerTest()
    {
        host.modules[QStringLiteral("Table")] = &table;
        host.modules[QStringLiteral("Chart")] = &chart;
    }

    void WriteTheme(const QString& fileName, const QString& theme, const QString& windowStyles)
    {
        QFile file(folder + QLatin1Char('/') + fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Q4Theme>"
                                  "<n k=\"ApplicationStyle\" v=\"%1\"/>%2</Q4Theme>")
                       .arg(theme, windowStyles)
                       .toUtf8());
    }

    int AddNamed(std::shared_ptr<StyleBase> style, const QString& name)
    {
        style->SetName(name);
        return StylesContainer::Instance().AddStyle(style);
    }

    QStringList Names(const ApplicationStylesContainer& themes)
    {
        std::deque<std::shared_ptr<ApplicationStyle>> styles;
        themes.GetStyles(styles);
        QStringList names;
        for (const auto& style : styles)
            names.append(style->GetName());
        return names;
    }

    const QString folder = Folder(QStringLiteral("Style"));
    StyledModule table{QStringLiteral("Table"), QStringLiteral(".q4t")};
    StyledModule chart{QStringLiteral("Chart"), QStringLiteral(".q4c")};
    RecordingHost host;
    ApplicationStylesContainer themes{&host};
};
}

TEST_F(ApplicationStylesContainerTest, WithoutThemeFilesTheBuiltInStyleStillSelects)
{
    StylesContainer::Instance().LoadStyles(QString(), true);

    EXPECT_FALSE(themes.LoadStyles(folder));

    EXPECT_TRUE(Warnings().contains(folder));
    EXPECT_EQ(Names(themes), QStringList{QStringLiteral("Czarny")});
    themes.SelectStyleByName(QStringLiteral("Niebieski"));
    ASSERT_NE(themes.GetCurrentStyle(), nullptr);
    EXPECT_EQ(host.storedName, QStringLiteral("Czarny"));
    EXPECT_EQ(host.theme, QStringLiteral("Office2007;Black"));
    const auto darkTable = DefaultStyles::Guid(StyleTable::Type, DefaultStyles::Look::Dark);
    EXPECT_EQ(table.windowStyleId, StylesContainer::Instance().FindStyle(darkTable));
}

TEST_F(ApplicationStylesContainerTest, ThemeAppliesItsWindowStylesByGuidAndByName)
{
    const int tableStyle = AddNamed(std::make_shared<StyleTable>(), QStringLiteral("Tabela nocna"));
    const int chartStyle = AddNamed(std::make_shared<StyleChartWindow>(), QStringLiteral("Wykres nocny"));
    const QString tableGuid = StylesContainer::Instance().GetStyleGuid(tableStyle);
    WriteTheme(QStringLiteral("_Nocny.q4theme"), QStringLiteral("Office2010;Black"),
               QStringLiteral("<n k=\"WindowStyles\"><n k=\"Table\" v=\"%1\"/><n k=\"Chart\" v=\"Wykres nocny\"/>"
                              "<n k=\"Alerts\" v=\"Wykres nocny\"/><n k=\"Details\" v=\"Brak\"/></n>")
                   .arg(tableGuid));

    ASSERT_TRUE(themes.LoadStyles(folder));
    themes.SelectStyleByName(QStringLiteral("Nocny"));

    EXPECT_EQ(table.windowStyleId, tableStyle);
    EXPECT_EQ(chart.windowStyleId, chartStyle);
    EXPECT_EQ(host.storedName, QStringLiteral("Nocny"));
    EXPECT_EQ(host.theme, QStringLiteral("Office2010;Black"));
    const auto& windowStyles = themes.GetCurrentStyle()->GetWindowStyles();
    EXPECT_EQ(windowStyles.at(QStringLiteral("Details")), 0);
}

TEST_F(ApplicationStylesContainerTest, BadFilesAndFilesWithoutWindowStylesAreSkipped)
{
    WriteTheme(QStringLiteral("Dobry.q4theme"), QStringLiteral("Office2007;Blue"),
               QStringLiteral("<n k=\"WindowStyles\"/>"));
    WriteTheme(QStringLiteral("BezStylow.q4theme"), QStringLiteral("Office2007;Blue"), QString());
    QFile broken(folder + QStringLiteral("/Zepsuty.q4theme"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<Q4Theme><n k=");
    broken.close();
    WriteTheme(QStringLiteral("Inny.txt"), QStringLiteral("Office2007;Blue"), QStringLiteral("<n k=\"WindowStyles\"/>"));

    ASSERT_TRUE(themes.LoadStyles(folder));

    EXPECT_EQ(Names(themes), QStringList{QStringLiteral("Dobry")});
    EXPECT_TRUE(Warnings().contains(QStringLiteral("BezStylow.q4theme")));
    EXPECT_TRUE(Warnings().contains(QStringLiteral("Zepsuty.q4theme")));
}

TEST_F(ApplicationStylesContainerTest, NamesPreviewsOrderAndSelection)
{
    GuiTestApplication::Ensure();
    const QString windowStyles = QStringLiteral("<n k=\"WindowStyles\"/>");
    WriteTheme(QStringLiteral("__Czarny.q4theme"), QStringLiteral("Office2010;Black"), windowStyles);
    WriteTheme(QStringLiteral("Zielony.theme.q4theme"), QStringLiteral("Office2007;Aqua"), windowStyles);
    WriteTheme(QStringLiteral("Biały.q4theme"), QStringLiteral("Office2007;Silver"), windowStyles);
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(folder + QStringLiteral("/Office2007_Aqua.png")));

    ASSERT_TRUE(themes.LoadStyles(folder));

    EXPECT_EQ(Names(themes), (QStringList{QStringLiteral("Biały"), QStringLiteral("Czarny"), QStringLiteral("Zielony.theme")}));
    std::deque<std::shared_ptr<ApplicationStyle>> styles;
    themes.GetStyles(styles);
    EXPECT_EQ(styles[2]->GetIndex(), 2);
    EXPECT_EQ(styles[2]->GetPreview().size(), QSize(40, 30));
    EXPECT_EQ(styles[0]->GetPreview().size(), QSize(ApplicationStyle::kPreviewWidth, ApplicationStyle::kPreviewHeight));

    EXPECT_EQ(themes.GetCurrentIndex(), 0);
    EXPECT_FALSE(themes.SelectStyle(3));
    EXPECT_FALSE(themes.SelectStyle(-1));
    EXPECT_EQ(themes.GetCurrentStyle(), nullptr);
    EXPECT_TRUE(themes.SelectStyle(2));
    EXPECT_EQ(themes.GetCurrentIndex(), 2);
    EXPECT_EQ(host.theme, QStringLiteral("Office2007;Aqua"));

    themes.SelectStyleByName(QStringLiteral("Nieznany"));
    EXPECT_EQ(themes.GetCurrentStyle()->GetName(), QStringLiteral("Czarny"));
    themes.SelectStyleByName(QStringLiteral("czarny"));
    EXPECT_EQ(themes.GetCurrentStyle()->GetName(), QStringLiteral("Czarny"));
    themes.SelectStyleByName(QStringLiteral("Biały"));
    EXPECT_EQ(themes.GetCurrentIndex(), 0);

    QFile::remove(folder + QStringLiteral("/__Czarny.q4theme"));
    ASSERT_TRUE(themes.LoadStyles(folder));
    themes.SelectStyleByName(QStringLiteral("Nieznany"));
    EXPECT_EQ(themes.GetCurrentStyle()->GetName(), QStringLiteral("Biały"));
}

TEST_F(ApplicationStylesContainerTest, ShippedThemesNameDefaultStylesOfTheirModulesKinds)
{
    StylesContainer& styles = StylesContainer::Instance();
    styles.LoadStyles(QString(), true);
    const std::map<QString, StyleType> kindOfModule = {
        {QStringLiteral("Table"), StyleTable::Type},
        {QStringLiteral("TransList"), StyleTransactionList::Type},
        {QStringLiteral("TransactionsMonitor"), StyleTransactionsMonitor::Type},
        {QStringLiteral("Details"), StyleDetails::Type},
        {QStringLiteral("Offers"), StyleOffers::Type},
        {QStringLiteral("Chart"), StyleChartWindow::Type},
    };

    ASSERT_TRUE(themes.LoadStyles(TestPaths::Themes()));

    std::deque<std::shared_ptr<ApplicationStyle>> loaded;
    themes.GetStyles(loaded);
    EXPECT_GE(loaded.size(), 2u);
    EXPECT_TRUE(Names(themes).contains(QStringLiteral("Czarny")));
    for (const auto& theme : loaded)
    {
        // The orders sheet's kind is registered by its module; its suite checks that entry.
        const QString ordersSheet = QStringLiteral("Arkusz zlecen");
        EXPECT_EQ(theme->GetWindowStyles().size() - theme->GetWindowStyles().count(ordersSheet), kindOfModule.size())
            << theme->GetName().toStdString();
        for (const auto& [moduleName, styleId] : theme->GetWindowStyles())
        {
            if (moduleName == ordersSheet)
                continue;
            ASSERT_EQ(kindOfModule.count(moduleName), 1u) << moduleName.toStdString();
            EXPECT_NE(styles.FindStyle(styleId, kindOfModule.at(moduleName)), nullptr)
                << theme->GetName().toStdString() << " " << moduleName.toStdString();
        }
    }
}
