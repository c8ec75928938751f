#include "ribbon/galleries/ConnectedTableGaleryHalper.h"

#include "platform/modules/ConnectWindowEvent.h"
#include "platform/modules/DataForConnectedWindow.h"
#include "platform/modules/IAppMediator.h"
#include "platform/modules/ModuleWndBase.h"
#include "platform/modules/PluginBase.h"
#include "platform/modules/TableConsumer.h"
#include "platform/toolkit/GalleryItem.h"
#include "ribbon/galleries/DynamicGallery.h"

#include <QApplication>
#include <QFontMetrics>

#include <algorithm>

namespace
{
constexpr int kImageWidth = 16;
constexpr int kPadding = 12;
constexpr int kMinItemWidth = 120;
constexpr std::uint32_t kNoItem = static_cast<std::uint32_t>(-1);

QWidget* MainFrameActiveWindow()
{
    IAppMediator* mediator = PluginBase::GetAppMediator();
    return mediator ? mediator->GetActiveModuleWnd() : nullptr;
}
}

ConnectedTableGaleryHalper::ConnectedTableGaleryHalper(TableConsumer* tables, ActiveWindow activeWindow)
    : m_tables(tables)
    , m_activeWindow(activeWindow ? std::move(activeWindow) : ActiveWindow(MainFrameActiveWindow))
{
}

void ConnectedTableGaleryHalper::Fill(DynamicGallery& gallery)
{
    m_window = m_activeWindow();
    m_entries.clear();
    gallery.RemoveAll();
    const std::vector<DataForConnectedWindow> tables =
        m_tables && m_window ? m_tables->GetInfoForConnectedWindow(m_window) : std::vector<DataForConnectedWindow>();
    const QFontMetrics metrics(QApplication::font());
    int width = kMinItemWidth;
    std::uint32_t checked = kNoItem;
    for (const DataForConnectedWindow& table : tables)
    {
        const auto id = static_cast<std::uint32_t>(m_entries.size());
        gallery.AddItem(id, table.GetTableLabel(), kTableImageId);
        width = std::max(width, kImageWidth + kPadding + metrics.horizontalAdvance(table.GetTableLabel()));
        if (table.IsConnected())
            checked = id;
        m_entries.push_back({table.GetTableHandle(), table.IsConnected()});
    }
    const int rows = std::min(static_cast<int>(m_entries.size()), kMaxRows);
    gallery.SetShowScrollBar(static_cast<int>(m_entries.size()) > kMaxRows);
    gallery.SetItemSize(QSize(width, kItemHeight));
    gallery.SetWidth(width);
    gallery.SetHeight(kItemHeight * rows);
    gallery.SetCheckedItem(checked);
}

void ConnectedTableGaleryHalper::OnItemExecute(DynamicGallery&, GalleryItem& item)
{
    const std::uint32_t index = item.GetID();
    if (!m_window || index >= m_entries.size())
        return;
    QWidget* chosen = m_entries[index].table;
    const auto old = std::find_if(m_entries.begin(), m_entries.end(), [](const Entry& entry) { return entry.connected; });
    QWidget* previous = old == m_entries.end() ? nullptr : old->table.data();
    if (previous)
        Post(previous, ConnectWindowEvent::kDisconnect, m_window);
    if (chosen && chosen != previous)
        Post(chosen, ConnectWindowEvent::kConnect, m_window);
}

void ConnectedTableGaleryHalper::Post(QWidget* table, std::uint32_t message, QWidget* window)
{
    QCoreApplication::postEvent(table, new ConnectWindowEvent(message, ConnectWindowEvent::WindowIdOf(window), window));
}
