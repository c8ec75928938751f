#include "platform/ui/Document.h"

#include "platform/ui/View.h"

#include <algorithm>

Document::Document() = default;

Document::~Document()
{
    for (const QPointer<View>& view : m_views)
    {
        if (view)
            view->m_document = nullptr;
    }
}

void Document::SetTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

bool Document::OnNewDocument()
{
    return true;
}

View* Document::GetFirstView() const
{
    const auto found = std::find_if(m_views.begin(), m_views.end(), [](const QPointer<View>& view) { return !view.isNull(); });
    return found == m_views.end() ? nullptr : found->data();
}

std::vector<View*> Document::GetViews() const
{
    std::vector<View*> views;
    for (const QPointer<View>& view : m_views)
    {
        if (view)
            views.push_back(view.data());
    }
    return views;
}

void Document::AddView(View* view)
{
    m_views.emplace_back(view);
    view->m_document = this;
}

void Document::RemoveView(View* view)
{
    std::erase_if(m_views, [view](const QPointer<View>& held) { return held.isNull() || held.data() == view; });
}
