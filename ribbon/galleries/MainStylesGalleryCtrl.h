#pragma once
// The application-styles gallery: one preview per application style, in the order the
// program holds them. It fills itself from the program's styles each time it is about to show,
// not before, so styles loaded after the ribbon was made are there too and the previews are
// read only when the gallery first shows. Choosing an item sends the
// gallery's selection notification; the general commands make that style the current one.

#include "ribbon/galleries/ControlGalleryEx.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

class MainStylesGalleryCtrl : public ControlGalleryEx
{
    Q_OBJECT

public:
    struct StylePreview
    {
        QString name;
        QImage preview;
    };
    using StylesSource = std::function<std::vector<StylePreview>()>;

    // At most this many columns and rows show; more rows scroll.
    static constexpr int kMaxColumns = 3;
    static constexpr int kMaxRows = 3;

    // Where every such gallery takes the styles from; none leaves the galleries empty.
    static void SetStylesSource(StylesSource source);

    explicit MainStylesGalleryCtrl(std::uint32_t id);

    // Refills the items and sizes the gallery to them.
    void Fill();
    void OnCalcDynamicSize() override;
};
