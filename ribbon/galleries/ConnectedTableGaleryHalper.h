#pragma once
// The "Powiąż" gallery of the details, offers and chart tabs: the quote tables the active
// module window can follow, the one it follows now checked. Choosing a table disconnects the
// window from the table it followed and connects it to the chosen one; choosing the table it
// already follows only disconnects it. The requests go to the tables as ConnectWindowEvents.

#include "ribbon/galleries/IDynamicGalleryHelper.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class TableConsumer;

class ConnectedTableGaleryHalper : public IDynamicGalleryHelper
{
public:
    static constexpr std::uint32_t kTableImageId = 843;
    static constexpr int kItemHeight = 24;
    static constexpr int kMaxRows = 10;

    // The window whose tables the gallery lists; by default the main frame's active module window.
    using ActiveWindow = std::function<QWidget*()>;

    explicit ConnectedTableGaleryHalper(TableConsumer* tables, ActiveWindow activeWindow = {});

    void Fill(DynamicGallery& gallery) override;
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;

private:
    struct Entry
    {
        QPointer<QWidget> table;
        bool connected = false;
    };

    static void Post(QWidget* table, std::uint32_t message, QWidget* window);

    TableConsumer* m_tables;
    ActiveWindow m_activeWindow;
    // What the last fill listed, an item's id its place here, for the window it was filled for.
    QPointer<QWidget> m_window;
    std::vector<Entry> m_entries;
};
