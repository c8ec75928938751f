#pragma once
// The texts of one alert notification (the instrument, the value and the alert's name) and
// their layout in the popup: each text gets its rectangle and is wrapped into lines that fit
// it, an over-long word shortened with "...", the words that no longer fit dropped. The
// instrument and the value are shown whole: their font shrinks until every word fits.

#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CloudAlertPopupData
{
public:
    struct TextLineData
    {
        QString text;
        int height = 0;
    };

    struct TextData
    {
        std::vector<std::shared_ptr<TextLineData>> lines;
        QRect rect;
        QString text;
        // The font's pixel size the text is laid out and drawn in; 0 is the font's own.
        int pixelSize = 0;
    };

    enum class Font
    {
        Title,
        Name,
    };

    // The size of one line of text in a font at a pixel size (0 the font's own), as it is drawn.
    using Measure = std::function<QSize(const QString& text, Font font, int pixelSize)>;
    // The pixel sizes the title font steps down through to show a text whole.
    static constexpr int kTitlePixelSize = 21;
    static constexpr int kSmallestPixelSize = 9;

    CloudAlertPopupData(bool cloud, const QString& name, const QString& value, const QString& instrument, int buy);
    virtual ~CloudAlertPopupData() = default;

    // Places the three texts in a drawing area of that size and wraps them.
    void Layout(int width, int height, const Measure& measure);
    // Wraps the text into the width at its pixel size; the lines end when the next would pass
    // the height. False when a word was shortened or dropped.
    static bool Wrap(TextData& text, Font font, const Measure& measure);
    // Wraps the text at the largest pixel size, from the given one down, that keeps it whole;
    // the smallest size (shortened) when none does.
    static void WrapWhole(TextData& text, Font font, int pixelSize, const Measure& measure);

    bool isCloud;
    std::shared_ptr<TextData> name;
    TextData value;
    TextData instrument;
    // 1 buy, 0 sell.
    int isBuy;
};
