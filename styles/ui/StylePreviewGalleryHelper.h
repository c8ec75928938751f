#pragma once
// Fills a style gallery with the styles of one kind that the styles container keeps, each
// shown by its preview. Before every fill the gallery asks the ribbon's command routing for its
// special styles (the special-styles request): a style to show first (the window's automatic or
// default style), a group of further styles under its caption (the window's own styles), and
// the id of the style to show checked. Choosing an item reaches the command target as the
// gallery's execute notification; the target reads the item's style.
//
// A gallery made with the kind's text (tabeli, formacji...) also offers, on a right click on a
// style, "Podgląd i edycja stylu %s", which begins editing that style. Main thread only.

#include "ribbon/galleries/IDynamicGalleryHelper.h"
#include "styles/engine/SpecialStylesInfo.h"
#include "styles/engine/StyleType.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class StyleBase;

class StylePreviewGalleryHelper : public IDynamicGalleryHelper
{
public:
    // Begins editing the style under the title.
    using EditRequest = std::function<void(const std::shared_ptr<StyleBase>& style, const QString& title)>;

    explicit StylePreviewGalleryHelper(StyleType kind, QString kindText = {}, EditRequest editRequest = {});

    void Fill(DynamicGallery& gallery) override;
    // The command target acts on the choice through the gallery's execute notification.
    void OnItemExecute(DynamicGallery& gallery, GalleryItem& item) override;
    bool OnRButtonUp(DynamicGallery& gallery, const QPoint& point) override;

    StyleType GetKind() const { return m_kind; }
    // "Podgląd i edycja stylu %s" with the kind's text; empty without one.
    QString GetEditTitle() const;

    // Room for an item's margins around its caption.
    static constexpr int kCaptionPadding = 14;
    // Widens the items (and a gallery of fixed width) so that the longest style name shows whole.
    static void FitCaptions(DynamicGallery& gallery);

private:
    StyleType m_kind;
    QString m_kindText;
    EditRequest m_editRequest;
};
