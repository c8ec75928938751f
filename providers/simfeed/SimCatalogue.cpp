#include "providers/simfeed/SimCatalogue.h"

#include <algorithm>
#include <cmath>

namespace
{
struct Entry
{
    const char* ticker;
    const char* name;
    const char* market;
    double price;
};

// Made-up companies; any likeness to a listed one is not intended.
const Entry kEntries[] = {
    {"KLV", "Kelvora Holding", "GPW", 48.20},
    {"MZE", "Mazowiecka Energia", "GPW", 12.36},
    {"WHT", "Wiślane Huty", "GPW", 86.40},
    {"PMY", "Polskie Młyny", "GPW", 23.10},
    {"BZG", "Bałtycka Żegluga", "GPW", 31.76},
    {"KRP", "Karpackie Paliwa", "GPW", 64.90},
    {"SBR", "Śląski Bank Rolniczy", "GPW", 152.00},
    {"PZN", "Poznańskie Zakłady Napędów", "GPW", 7.45},
    {"WRC", "Wrocławska Chemia", "GPW", 41.18},
    {"GDS", "Gdańskie Stocznie", "GPW", 19.84},
    {"LDW", "Łódzkie Włókna", "GPW", 5.62},
    {"KRK", "Krakowskie Koleje", "GPW", 27.30},
    {"TRN", "Toruńskie Pierniki", "GPW", 112.40},
    {"OLP", "Olsztyńskie Papiernie", "GPW", 9.87},
    {"RZS", "Rzeszowskie Zakłady Lotnicze", "GPW", 73.15},
    {"BYD", "Bydgoska Elektronika", "GPW", 15.48},
    {"SZC", "Szczecińskie Porty", "GPW", 58.60},
    {"LBN", "Lubelskie Nawozy", "GPW", 33.94},
    {"KTW", "Katowicki Węgiel", "GPW", 21.06},
    {"OPL", "Opolskie Cementownie", "GPW", 96.75},
    {"KLC", "Kielecka Miedź", "GPW", 187.40},
    {"BST", "Białostockie Meble", "GPW", 44.82},
    {"ZGR", "Zielonogórskie Wina", "GPW", 8.14},
    {"PLT", "Płockie Tworzywa", "GPW", 129.60},
    {"GRD", "Grudziądzkie Opony", "GPW", 17.52},
    {"SLK", "Słupskie Konserwy", "GPW", 6.38},
    {"ELB", "Elbląskie Turbiny", "GPW", 52.24},
    {"TSZ", "Tarnowskie Szkło", "GPW", 24.68},
    {"CZW", "Częstochowska Stal", "GPW", 38.90},
    {"RDM", "Radomskie Obuwie", "GPW", 11.26},
    {"PCK", "Polskie Centrum Kart", "GPW", 612.00},
    {"WLK", "Wielkopolskie Mleczarnie", "GPW", 29.44},
    {"PDK", "Podkarpackie Kopalnie", "GPW", 14.96},
    {"EKW", "Ekowiatr", "NewConnect", 2.34},
    {"DRN", "Dronex", "NewConnect", 4.87},
    {"BIO", "Biomedica Lublin", "NewConnect", 1.52},
    {"GRA", "Gry Warszawskie", "NewConnect", 3.96},
    {"SDA", "Słoneczne Dachy", "NewConnect", 6.75},
    {"AGR", "Agroplon", "NewConnect", 2.08},
    {"ITK", "Infotek Gliwice", "NewConnect", 8.42},
    {"WOD", "Wodociągi Podhala", "NewConnect", 5.10},
    {"KLV0527", "Kelvora Holding obligacje 05/27", "Catalyst", 101.25},
    {"MZE1126", "Mazowiecka Energia obligacje 11/26", "Catalyst", 99.80},
    {"SBR0328", "Śląski Bank Rolniczy obligacje 03/28", "Catalyst", 100.45},
    {"GDS0926", "Gdańskie Stocznie obligacje 09/26", "Catalyst", 98.70},
};

// The price step of a share by its price; bonds move by a grosz.
int TickHundredths(const QString& market, double price)
{
    if (market == QLatin1String("Catalyst") || price < 10.0)
        return 1;
    if (price < 50.0)
        return 2;
    if (price < 100.0)
        return 5;
    if (price < 500.0)
        return 10;
    return 50;
}

// A session's usual turnover in zloty: a spread of sizes on each market, the main market largest.
double DailyTurnover(const QString& market, int index)
{
    const int size = (index * 7) % 10;
    if (market == QLatin1String("Catalyst"))
        return 60000.0 * (1 + size % 4);
    if (market == QLatin1String("NewConnect"))
        return 150000.0 * (1 + size % 5);
    return 2000000.0 * (1 + size * 2);
}

double DailySwing(const QString& market)
{
    if (market == QLatin1String("Catalyst"))
        return 0.002;
    if (market == QLatin1String("NewConnect"))
        return 0.03;
    return 0.015;
}

std::vector<SimInstrument> Build()
{
    std::vector<SimInstrument> instruments;
    int index = 0;
    for (const Entry& entry : kEntries)
    {
        SimInstrument instrument;
        instrument.ticker = QString::fromUtf8(entry.ticker);
        instrument.name = QString::fromUtf8(entry.name);
        instrument.market = QString::fromUtf8(entry.market);
        instrument.tickHundredths = TickHundredths(instrument.market, entry.price);
        instrument.referenceTicks = std::llround(entry.price * 100.0 / instrument.tickHundredths);
        instrument.dailyVolume = std::max(100.0, std::round(DailyTurnover(instrument.market, index) / entry.price / 10.0) * 10.0);
        instrument.dailySwing = DailySwing(instrument.market);
        const QString body = QStringLiteral("PL") + instrument.ticker.left(4).leftJustified(4, QLatin1Char('0'))
                           + QStringLiteral("%1").arg(++index, 5, 10, QLatin1Char('0'));
        instrument.isin = body + SimCatalogue::IsinCheckDigit(body);
        instruments.push_back(instrument);
    }
    return instruments;
}
}

namespace SimCatalogue
{
const std::vector<SimInstrument>& Instruments()
{
    static const std::vector<SimInstrument> instruments = Build();
    return instruments;
}

QChar IsinCheckDigit(const QString& body)
{
    if (body.size() != 11)
        return QLatin1Char('?');
    QString digits;
    for (const QChar c : body)
    {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
        else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            digits += QString::number(c.unicode() - 'A' + 10);
        else
            return QLatin1Char('?');
    }
    // Luhn over the digits, doubling from the rightmost one.
    int sum = 0;
    bool twice = true;
    for (int i = digits.size() - 1; i >= 0; --i, twice = !twice)
    {
        int digit = digits[i].unicode() - '0';
        if (twice)
            digit = digit * 2 > 9 ? digit * 2 - 9 : digit * 2;
        sum += digit;
    }
    return QChar('0' + (10 - sum % 10) % 10);
}
}
