#include "core/mediator/AllSeries.h"
#include "core/mediator/AppImages.h"
#include "platform/modules/Asset.h"
#include "tests/core/mediator/MediatorFixture.h"
#include "tests/support/FakeProvider.h"
#include "tests/support/ui/FakeModuleWnd.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>

#include <atomic>
#include <thread>

namespace
{
class SeriesProvider : public FakeProvider
{
public:
    SeriesProvider(QString name, std::vector<DSProp> series)
        : FakeProvider(std::move(name))
        , m_series(std::move(series))
    {
    }
    std::vector<DSProp> GetAllSeries() const override { return m_series; }

private:
    std::vector<DSProp> m_series;
};

std::set<ESeriesID> Ids(const std::set<DSProp>& series)
{
    std::set<ESeriesID> ids;
    for (const DSProp& one : series)
        ids.insert(one.GetSeriesID());
    return ids;
}
}

class AppMediatorSeriesTest : public MediatorFixture
{
};

TEST(AllSeriesTest, TheStandardSeriesAreTheFortyThreeWithTheirLabels)
{
    const std::vector<DSProp>& standard = AllSeries::StandardSeries();
    ASSERT_EQ(standard.size(), 43u);
    std::set<ESeriesID> expected = {1, 2, 3, 4, 5, 51};
    for (ESeriesID id = 9; id <= 15; ++id)
        expected.insert(id);
    for (ESeriesID id = 20; id <= 49; ++id)
        expected.insert(id);
    const std::set<DSProp> all(standard.begin(), standard.end());
    EXPECT_EQ(Ids(all), expected);
    const std::map<ESeriesID, QString> labels = {{12, QStringLiteral("Zamknięcie")}, {15, QStringLiteral("Wolumen razem")},
                                                 {20, QStringLiteral("Oferta kupna 1")}, {29, QStringLiteral("Oferta sprzedaży 5")},
                                                 {34, QStringLiteral("Wolumen oferty kupna 5")},
                                                 {49, QStringLiteral("Liczba ofert sprzedaży 5")}, {51, QStringLiteral("TWO")}};
    for (const DSProp& series : standard)
    {
        EXPECT_EQ(series.GetPrecision(), -1);
        EXPECT_EQ(series.GetAggrType(), 4);
        const auto label = labels.find(series.GetSeriesID());
        if (label != labels.end())
        {
            EXPECT_EQ(series.GetLabel(), label->second);
        }
    }
}

TEST(AllSeriesTest, AProvidersSeriesJoinsOnlyUnderALabelNoSeriesHasYet)
{
    SeriesProvider first(QStringLiteral("A"), {{77, QStringLiteral("Kurs")},
                                               {60, QStringLiteral("Nowa")},
                                               {61, QStringLiteral("Nowa")}});
    SeriesProvider second(QStringLiteral("B"), {{62, QStringLiteral("Nowa")}, {63, QStringLiteral("Inna")}});
    const std::set<DSProp> all = AllSeries::Build({&first, &second});

    EXPECT_EQ(all.size(), 43u + 2u);
    const std::set<ESeriesID> ids = Ids(all);
    EXPECT_TRUE(ids.count(60) && ids.count(63));
    EXPECT_FALSE(ids.count(77) || ids.count(61) || ids.count(62));
}

TEST_F(AppMediatorSeriesTest, TheSetOfAllSeriesCanBeReadWhileItIsReplaced)
{
    MakeInitialised();
    std::atomic<bool> stop = false;
    std::thread reader([&] {
        while (!stop)
        {
            const std::size_t size = mediator->GetAllSeries().size();
            EXPECT_TRUE(size == 43u || size == 1u) << size;
        }
    });
    const std::set<DSProp> one = {{1, QStringLiteral("Czas")}};
    for (int round = 0; round < 200; ++round)
    {
        mediator->SetAllSeries(one);
        mediator->InitSetAllSeries();
    }
    stop = true;
    reader.join();
    EXPECT_EQ(mediator->GetAllSeries().size(), 43u);
}

TEST_F(AppMediatorSeriesTest, TheActiveAssetIsKeptOnlyWhileTrackedWithItsProviderSet)
{
    MakeInitialised();
    FakeProvider provider(QStringLiteral("P"));
    const auto asset = std::make_shared<Asset>(&provider, QStringLiteral("PL0001"), QStringLiteral("AAA"),
                                               QStringLiteral("Spółka A"), QStringLiteral("GPW"));
    const auto other = std::make_shared<Asset>(&provider, QStringLiteral("PL0002"), QStringLiteral("BBB"),
                                               QStringLiteral("Spółka B"), QStringLiteral("GPW"));
    const auto withoutProvider = std::make_shared<Asset>(nullptr, QStringLiteral("PL0003"), QStringLiteral("CCC"),
                                                         QStringLiteral("Spółka C"), QStringLiteral("GPW"));
    const auto empty = std::make_shared<Asset>(&provider, QString(), QString(), QString(), QString());

    mediator->SetActiveAsset(asset);
    mediator->SetActiveAsset(withoutProvider);
    mediator->SetActiveAsset(empty);
    mediator->SetActiveAsset(nullptr);
    EXPECT_EQ(mediator->GetActiveAsset(), asset);

    mediator->SuspendActiveAssetTracking();
    mediator->SetActiveAsset(other);
    EXPECT_EQ(mediator->GetActiveAsset(), asset);
    mediator->ResumeActiveAssetTracking();
    mediator->SetActiveAsset(other);
    EXPECT_EQ(mediator->GetActiveAsset(), other);

    // The active window's instrument only while there is an active module window.
    EXPECT_TRUE(mediator->GetActiveAssetForActiveWindow().IsEmpty());
    FakeModuleWnd moduleWindow;
    frame->activeModuleWnd = &moduleWindow;
    EXPECT_EQ(mediator->GetActiveAssetForActiveWindow(), *other);

    mediator->ResetActiveAsset();
    EXPECT_EQ(mediator->GetActiveAsset(), nullptr);
    EXPECT_TRUE(mediator->GetActiveAssetForActiveWindow().IsEmpty());
}

TEST_F(AppMediatorSeriesTest, ImagesComeOnlyForTheIndexesOfEachTable)
{
    Make();
    const struct
    {
        bool (AppMediator::*load)(int, QPixmap&);
        int index;
        bool loads;
    } cases[] = {
        {&AppMediator::LoadIndexedPngImage, 100, true},   {&AppMediator::LoadIndexedPngImage, 117, true},
        {&AppMediator::LoadIndexedPngImage, 99, false},   {&AppMediator::LoadIndexedPngImage, 118, false},
        {&AppMediator::LoadTogglePngImageA, 1, true},     {&AppMediator::LoadTogglePngImageA, 2, false},
        {&AppMediator::LoadIndexedPngImageOf4, 3, true},  {&AppMediator::LoadIndexedPngImageOf4, 4, false},
        {&AppMediator::LoadIndexedPngImageOf4, -1, false}, {&AppMediator::LoadTogglePngImageB, 0, true},
    };
    for (const auto& testCase : cases)
    {
        QPixmap image;
        EXPECT_EQ((mediator->*testCase.load)(testCase.index, image), testCase.loads) << testCase.index;
        EXPECT_EQ(image.isNull(), !testCase.loads) << testCase.index;
    }
    EXPECT_EQ(AppImages::IndexedPngImageId(100), 615u);
    EXPECT_EQ(AppImages::IndexedPngImageId(117), 427u);
    EXPECT_EQ(AppImages::TogglePngImageAId(0), 704u);
    EXPECT_EQ(AppImages::IndexedPngImageOf4Id(3), 602u);
    EXPECT_EQ(AppImages::TogglePngImageBId(1), 591u);
}

TEST_F(AppMediatorSeriesTest, TheIdentityAndFoldersOfTheProduct)
{
    Make();
    EXPECT_EQ(mediator->GetProductName(), QStringLiteral("Quorvanta 4"));
    EXPECT_EQ(mediator->GetProductKind(), 1);
    EXPECT_TRUE(mediator->IsNotProductKind4());
    EXPECT_EQ(mediator->GetAppVersionNumber(), QStringLiteral("4.2.210.1"));
    EXPECT_EQ(mediator->GetInstallSettingsName(), QStringLiteral("InstallSettings"));

    const QString styles = mediator->GetAppDataFolder(QStringLiteral("Styles"));
    EXPECT_TRUE(QFileInfo(styles).isDir());
    EXPECT_TRUE(styles.startsWith(home.Path()));
    EXPECT_EQ(mediator->GetAppDataFolder(QStringLiteral("Styles")), styles);
    EXPECT_TRUE(QFileInfo(mediator->GetUserDocumentsFolder()).isDir());
}

TEST_F(AppMediatorSeriesTest, ProvidersAreFoundByNameOnlyWhileTheyRun)
{
    AddProviders({QStringLiteral("provider_good"), QStringLiteral("provider_second")});
    Make();
    ASSERT_TRUE(mediator->Init());
    std::vector<ProviderBase*> providers;
    EXPECT_EQ(mediator->GetProviders(providers), mediator->GetDefaultProvider());
    EXPECT_EQ(providers.size(), 2u);
    std::vector<QString> names;
    mediator->GetProvidersNames(names);
    EXPECT_EQ(names, (std::vector<QString>{QStringLiteral("Testowy Dostawca"), QStringLiteral("Drugi Dostawca")}));

    ProviderBase* second = mediator->GetRunningProvider(QStringLiteral("drugi dostawca"));
    ASSERT_NE(second, nullptr);
    second->StopWork();
    EXPECT_EQ(mediator->GetRunningProvider(QStringLiteral("Drugi Dostawca")), nullptr);
}
