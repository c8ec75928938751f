#pragma once
// The ribbon's drop-down gallery of the user's own formula-language indicators: one item per
// alias, in alias order, aliases differing only in letter case counting as one (the first
// spelling is shown, the last flag wins). An indicator that cannot be drawn is listed but
// disabled. Items are as wide as the widest alias with a space after it, plus 3 pixels, and
// twice the text height; the gallery shows at most 16 of them and, when there are more, gets
// its scroll column and 20 pixels more width.

#include <QFont>
#include <QString>

#include <vector>

class GalleryControl;
class KFLFasade;

class UserIndicatorsGallery
{
public:
    static constexpr int kVisibleItems = 16;
    static constexpr int kItemWidthPadding = 3;
    static constexpr int kScrollColumnWidth = 20;

    struct Entry
    {
        QString alias;
        bool drawable = true;
    };

    // The indicators the facade offers, in alias order without regard to case.
    static std::vector<Entry> CollectIndicators(const KFLFasade& formulaLanguage);
    // Empties the gallery and fills it; without a facade the gallery stays empty (3 x 0).
    static void Fill(const KFLFasade* formulaLanguage, GalleryControl& gallery, const QFont& font);
    static void Fill(const std::vector<Entry>& entries, GalleryControl& gallery, const QFont& font);
};
