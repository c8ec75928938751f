#pragma once
// The texts of one alert notification (the instrument, the value and the alert's name) and
// their layout in the popup: each text gets its rectangle and is wrapped into lines that fit
// it, an over-long word shortened with "...", the words that no longer fit dropped.

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
    };

    enum class Font
    {
        Title,
        Name,
    };

    // The size of one line of text in a font, as it is drawn.
    using Measure = std::function<QSize(const QString& text, Font font)>;

    CloudAlertPopupData(bool cloud, const QString& name, const QString& value, const QString& instrument, int buy);
    virtual ~CloudAlertPopupData() = default;

    // Places the three texts in a drawing area of that size and wraps them.
    void Layout(int width, int height, const Measure& measure);
    // Wraps the text into the width; the lines end when the next would pass the height.
    static void Wrap(TextData& text, Font font, const Measure& measure);

    bool isCloud;
    std::shared_ptr<TextData> name;
    TextData value;
    TextData instrument;
    // 1 buy, 0 sell.
    int isBuy;
};
