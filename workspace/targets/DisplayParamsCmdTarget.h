#pragma once
// What the command targets of the details, offers and transaction-list windows share: the
// column lock, style editing, the style gallery, the colour galleries with their preview,
// cancel, apply and "more colours" steps, the three font commands, the restore command and the
// link update. Each target describes its ids and hands over its library's operations, which
// reach the library's consumer afresh on every call. Main thread only.

#include "platform/ui/CmdTarget.h"
#include "styles/engine/SpecialStylesInfo.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class StyleBase;

class DisplayParamsCmdTarget : public CmdTarget
{
public:
    // Gallery item ids with a meaning of their own.
    static constexpr std::int32_t kAutomaticColourItem = -2;
    static constexpr std::int32_t kMoreColoursItem = -3;
    static constexpr int kFontSizeParam = 12;
    static constexpr std::int32_t kStyleValue = 0x7FFFFFFF;
    static constexpr std::int32_t kStepLarger = 0x7FFFFFFE;
    static constexpr std::int32_t kStepSmaller = 0x7FFFFFFD;

    // What the application gives every target.
    struct Services
    {
        // Begins editing the style with the title; empty where styles are not edited.
        std::function<void(const std::shared_ptr<StyleBase>&, const QString&)> beginEditStyle;
        // Whether a quote table is open that windows can be linked to.
        std::function<bool()> canLink;
    };

    // The library's operations on its active window.
    struct Operations
    {
        std::function<void(int group, int param, int value)> change;
        std::function<int(int group, int param)> get;
        std::function<void()> cancel;
        std::function<void()> apply;
        std::function<void()> restore;
        std::function<void()> redraw;
        std::function<bool()> isLocked;
        std::function<void(bool)> lock;
        std::function<int()> activeStyleId;
        std::function<bool(int)> previewStyle;
        std::function<void()> cancelPreviewStyle;
        std::function<void()> applyPreviewStyle;
        std::function<std::shared_ptr<StyleBase>()> defaultStyle;
        // False where there is no library (its consumer is missing): nothing runs.
        std::function<bool()> available;
    };

    struct ColourGallery
    {
        std::uint32_t id;
        int group;
        int param;
        // Whether the gallery is enabled now; empty: always.
        std::function<bool()> enabled;
        // Parameters of the group that take the same colour after the first.
        std::vector<int> alsoParams = {};
    };

    // An id of 0 has no command.
    struct Ids
    {
        std::uint32_t lock;
        std::uint32_t editStyle;
        std::uint32_t styleGallery;
        std::uint32_t link;
        std::uint32_t fontLarger;
        std::uint32_t fontSmaller;
        std::uint32_t fontRestore;
        std::uint32_t moreOptions;
        std::uint32_t restore;
    };

    // The last description the style gallery was given (0x1111), for the gallery to read.

    const std::shared_ptr<SpecialStylesInfo>& GalleryDescription() const { return m_galleryDescription; }
    bool IsCustomColourPending() const { return m_customPending; }

protected:
    // styleKind: the window kind in the style editor's title ("okna transakcji"...).
    DisplayParamsCmdTarget(Services services, Operations operations, const Ids& ids, const QString& styleKind,
                           std::vector<ColourGallery> galleries);

    // The row groups a font command changes, in order.
    virtual std::vector<int> FontGroups() const { return {0, 1}; }
    // After "more colours" was confirmed: a redraw, or the apply of the offers.
    virtual void AfterCustomColour() { Run(m_operations.redraw); }
    // Whether a style preview redraws only when the library says it shows the style.
    virtual bool RedrawOnlyWhenPreviewShown() const { return true; }

    const Operations& Ops() const { return m_operations; }
    bool Available() const { return !m_operations.available || m_operations.available(); }
    void Run(const std::function<void()>& operation) const;
    void AlwaysEnabled(std::uint32_t id);

private:
    void AddColourGallery(const ColourGallery& gallery);
    void AddStyleGallery(std::uint32_t id);
    void PreviewColour(NotifyInfo& info, const ColourGallery& gallery);
    void ChangeColour(int group, const std::vector<int>& params, std::int32_t value);
    void ApplyColour();
    void StepFont(std::int32_t value);

    const Services m_services;
    const Operations m_operations;
    std::shared_ptr<SpecialStylesInfo> m_galleryDescription;
    int m_customGroup = 0;
    std::vector<int> m_customParams;
    bool m_customPending = false;
};
