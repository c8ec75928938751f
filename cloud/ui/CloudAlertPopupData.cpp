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
    Wrap(instrument, Font::Title, measure);
    Wrap(value, Font::Title, measure);
    Wrap(*name, Font::Name, measure);
}

void CloudAlertPopupData::Wrap(TextData& text, Font font, const Measure& measure)
{
    text.lines.clear();
    const int width = text.rect.width();
    const int height = text.rect.height();
    const QStringList words = text.text.split(QLatin1Char(' '));
    QString current;
    int running = 0;
    const auto addLine = [&text, &measure, font](const QString& line) {
        text.lines.push_back(std::make_shared<TextLineData>(TextLineData{line, measure(line, font).height()}));
    };
    for (int i = 0; i < words.size(); ++i)
    {
        // Each word keeps the space that followed it.
        QString word = i + 1 < words.size() ? words[i] + QLatin1Char(' ') : words[i];
        const int wordWidth = measure(word, font).width();
        if (wordWidth > width - kWordMargin && wordWidth > 0)
        {
            const int fits = static_cast<int>(static_cast<double>(width - kWordMargin) / wordWidth * word.size());
            if (fits > 2)
                word = word.left(fits - 2) + QStringLiteral("...");
        }
        if (measure(current + word, font).width() > width)
        {
            const int lineHeight = measure(current, font).height();
            running += lineHeight + kLineGap;
            if (running + lineHeight > height)
            {
                addLine(current);
                return;
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
}
