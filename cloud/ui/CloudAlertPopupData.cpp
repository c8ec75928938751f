#include "cloud/ui/CloudAlertPopupData.h"

#include <QStringList>

namespace
{
constexpr int kSideMargin = 15;
// A word wider than the text less this margin is shortened.
constexpr int kWordMargin = 16;
constexpr int kLineGap = 2;

QRect Band(int width, int top, int bottom)
{
    return QRect(QPoint(kSideMargin, top), QPoint(width - kSideMargin - 1, bottom - 1));
}
}

CloudAlertPopupData::CloudAlertPopupData(bool cloud, const QString& alertName, const QString& valueText,
                                         const QString& instrumentText, int buy)
    : isCloud(cloud)
    , name(std::make_shared<TextData>())
    , isBuy(buy)
{
    name->text = alertName;
    value.text = valueText;
    instrument.text = instrumentText;
}

void CloudAlertPopupData::Layout(int width, int height, const Measure& measure)
{
    instrument.rect = Band(width, static_cast<int>(0.35 * height), static_cast<int>(0.5 * height));
    value.rect = Band(width, static_cast<int>(0.51 * height), static_cast<int>(0.63 * height));
    name->rect = Band(width, static_cast<int>(0.73 * height), height);
    WrapWhole(instrument, Font::Title, kTitlePixelSize, measure);
    WrapWhole(value, Font::Title, kTitlePixelSize, measure);
    Wrap(*name, Font::Name, measure);
}

void CloudAlertPopupData::WrapWhole(TextData& text, Font font, int pixelSize, const Measure& measure)
{
    for (text.pixelSize = pixelSize; text.pixelSize > kSmallestPixelSize; --text.pixelSize)
    {
        if (Wrap(text, font, measure))
            return;
    }
    Wrap(text, font, measure);
}

bool CloudAlertPopupData::Wrap(TextData& text, Font font, const Measure& measure)
{
    text.lines.clear();
    const int width = text.rect.width();
    const int height = text.rect.height();
    const QStringList words = text.text.split(QLatin1Char(' '));
    QString current;
    int running = 0;
    const int size = text.pixelSize;
    const auto lineSize = [&measure, font, size](const QString& line) { return measure(line, font, size); };
    const auto addLine = [&text, &lineSize](const QString& line) {
        text.lines.push_back(std::make_shared<TextLineData>(TextLineData{line, lineSize(line).height()}));
    };
    bool whole = true;
    for (int i = 0; i < words.size(); ++i)
    {
        // Each word keeps the space that followed it.
        QString word = i + 1 < words.size() ? words[i] + QLatin1Char(' ') : words[i];
        const int wordWidth = lineSize(word).width();
        if (wordWidth > width - kWordMargin && wordWidth > 0)
        {
            const int fits = static_cast<int>(static_cast<double>(width - kWordMargin) / wordWidth * word.size());
            if (fits > 2)
                word = word.left(fits - 2) + QStringLiteral("...");
            whole = false;
        }
        if (lineSize(current + word).width() > width)
        {
            const int lineHeight = lineSize(current).height();
            running += lineHeight + kLineGap;
            if (running + lineHeight > height)
            {
                addLine(current);
                return false;
            }
            if (!current.isEmpty())
            {
                addLine(current);
                current.clear();
            }
        }
        current += word;
    }
    addLine(current);
    return whole;
}
