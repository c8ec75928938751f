#include "modulelibs/details/DetailsModule.h"
#include "modulelibs/details/DetailsModuleConsumer.h"
#include "modulelibs/table/QuoteTableWindow.h"
#include "modulelibs/table/TableModuleConsumer.h"
#include "platform/modules/PluginBase.h"
#include "platform/toolkit/GalleryItem.h"
#include "ribbon/galleries/ConnectedTableGaleryHalper.h"
#include "ribbon/galleries/DynamicGallery.h"
#include "tests/support/SimFeedProvider.h"
#include "tests/support/TempHome.h"
#include "tests/support/ui/TestApplication.h"

#include <QCoreApplication>
#include <QPointer>

#include <gtest/gtest.h>

namespace
{
auto* Details() { return static_cast<DetailsModuleConsumer*>(GetDetailsConsumer()); }

class ConnectedTableGaleryHalperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApplication::Ensure();
        m_view = std::make_unique<QWidget>();
        PluginBase::Init(&m_mediator);
        ASSERT_TRUE(m_tables.ShowNewTable(m_view.get()));
        ASSERT_TRUE(m_tables.ShowNewTable(m_view.get()));
        m_first = m_tables.Tables().at(0);
        m_second = m_tables.Tables().at(1);
        m_first->setWindowTitle(QStringLiteral("Pierwsza"));
        m_second->setWindowTitle(QStringLiteral("Druga"));
        const Asset asset = m_provider.GetAllAssets().front();
        ASSERT_TRUE(Details()->ShowDetailsDlg(m_view.get(), &asset, 0));
        m_details = Details()->ActiveWindow();
    }
    void TearDown() override
    {
        m_view.reset();
        PluginBase::NullifyAppMediator();
    }

    // Fills the gallery as its popup opens and chooses the item, as the user does.
    void Choose(std::uint32_t id)
    {
        m_helper.Fill(m_gallery);
        GalleryItem item(id, QString());
        m_helper.OnItemExecute(m_gallery, item);
        QCoreApplication::processEvents();
    }
    static void SelectRow(QuoteTableWindow* table, int index)
    {
        table->Model().Select(table->Model().Rows().at(index).id, 0);
        table->Redraw(false);
    }

    TempHome m_home;
    SimFeedProvider m_provider;
    SimFeedMediator m_mediator{&m_provider};
    std::unique_ptr<QWidget> m_view;
    TableModuleConsumer m_tables;
    QuoteTableWindow* m_first = nullptr;
    QuoteTableWindow* m_second = nullptr;
    QPointer<DetailsWindow> m_details;
    ConnectedTableGaleryHalper m_helper{&m_tables, [this] { return m_details.data(); }};
    DynamicGallery m_gallery{nullptr, 33678};
};
}

TEST_F(ConnectedTableGaleryHalperTest, ListsTheTablesAndChecksTheConnectedOne)
{
    m_helper.Fill(m_gallery);
    ASSERT_EQ(m_gallery.GetItemCount(), 2);
    EXPECT_EQ(m_gallery.GetItem(0)->GetCaption(), QStringLiteral("Pierwsza"));
    EXPECT_EQ(m_gallery.GetItem(1)->GetImageId(), ConnectedTableGaleryHalper::kTableImageId);
    EXPECT_EQ(m_gallery.GetCheckedItem(), static_cast<std::uint32_t>(-1));

    Choose(1);
    m_helper.Fill(m_gallery);
    EXPECT_EQ(m_gallery.GetCheckedItem(), 1u);
}

TEST_F(ConnectedTableGaleryHalperTest, ConnectedWindowFollowsTheTablesSelection)
{
    SelectRow(m_first, 2);
    Choose(0);
    ASSERT_TRUE(m_first->Connections().IsConnected(m_details));
    EXPECT_EQ(m_details->GetAsset(), m_first->Model().Rows().at(2).asset);

    SelectRow(m_first, 3);
    EXPECT_EQ(m_details->GetAsset(), m_first->Model().Rows().at(3).asset);
    // The other table's selection does not move it.
    SelectRow(m_second, 4);
    EXPECT_EQ(m_details->GetAsset(), m_first->Model().Rows().at(3).asset);
}

TEST_F(ConnectedTableGaleryHalperTest, ChoosingMovesTheConnectionAndTheSameTableDisconnects)
{
    Choose(0);
    Choose(1);
    EXPECT_FALSE(m_first->Connections().IsConnected(m_details));
    EXPECT_TRUE(m_second->Connections().IsConnected(m_details));

    Choose(1);
    EXPECT_FALSE(m_second->Connections().IsConnected(m_details));
    EXPECT_FALSE(m_first->Connections().IsConnected(m_details));
}

TEST_F(ConnectedTableGaleryHalperTest, WithoutTheWindowOrTheItemNothingIsConnected)
{
    // An id beyond the list.
    Choose(5);
    EXPECT_TRUE(m_first->Connections().Windows().empty());
    EXPECT_TRUE(m_second->Connections().Windows().empty());

    // The window closes between the choice and the table's turn.
    m_helper.Fill(m_gallery);
    GalleryItem item(0, QString());
    m_helper.OnItemExecute(m_gallery, item);
    delete m_details.data();
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_first->Connections().Windows().empty());

    // No active window: an empty gallery.
    m_helper.Fill(m_gallery);
    EXPECT_EQ(m_gallery.GetItemCount(), 0);
}
