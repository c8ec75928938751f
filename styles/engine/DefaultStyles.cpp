#include "styles/engine/DefaultStyles.h"

#include "styles/engine/StyleChartElement.h"
#include "styles/engine/StyleChartWindow.h"
#include "styles/engine/StyleDefaults.h"
#include "styles/engine/StyleDetails.h"
#include "styles/engine/StyleFormation.h"
#include "styles/engine/StyleKinds.h"
#include "styles/engine/StyleOffers.h"
#include "styles/engine/StyleTable.h"
#include "styles/engine/StyleTextField.h"
#include "styles/engine/StyleTransactionList.h"
#include "styles/engine/StyleTransactionsMonitor.h"

#include <functional>

namespace
{
using StyleDefaults::Rgb;

// The namespace of the default styles' name-based GUIDs; never change it, stored files use them.
const QUuid kGuidNamespace = QUuid::fromString(QStringLiteral("{6f1c2f4e-8f0b-4c55-9d3e-0a7c1b2d3e4f}"));

constexpr qint32 kDarkBackground = Rgb(0, 0, 0);
constexpr qint32 kDarkAlternate = Rgb(28, 28, 28);
constexpr qint32 kDarkText = Rgb(230, 230, 230);
constexpr qint32 kDarkRise = Rgb(0, 220, 0);
constexpr qint32 kDarkFall = Rgb(255, 80, 80);
constexpr qint32 kDarkLines = Rgb(70, 70, 70);

struct DefaultKind
{
    StyleType type;
    QString word;    // the kind in the style's name
    QString module;  // the module whose windows use the kind, or empty
    std::function<void(StyleBase&)> darken;
};

void DarkenText(StyleBase& text, qint32 background)
{
    text.SetValue(StyleTextField::ParamFontColor, kDarkText);
    text.SetValue(StyleTextField::ParamBkColor, background);
    text.SetValue(StyleTextField::ParamFontColorRise, kDarkRise);
    text.SetValue(StyleTextField::ParamBkColorRise, background);
    text.SetValue(StyleTextField::ParamFontColorFall, kDarkFall);
    text.SetValue(StyleTextField::ParamBkColorFall, background);
    text.SetValue(StyleTextField::ParamFontColorNewOrder, Rgb(120, 170, 255));
    text.SetValue(StyleTextField::ParamBkColorNewOrder, Rgb(20, 30, 60));
}

// Grid styles: the pen 0 and the relations alternate between the two dark backgrounds.
void DarkenGrid(StyleBase& style)
{
    style.SetGdiObject(0, StyleDefaults::Pen(LogPen::kStyleSolid, 1, kDarkLines));
    bool alternate = false;
    for (int relationId : style.GetRelationIds())
    {
        DarkenText(*style.GetOwnStyle(relationId), alternate ? kDarkAlternate : kDarkBackground);
        alternate = !alternate;
    }
}

void DarkenChartElement(StyleBase& style)
{
    style.SetValue(StyleChartElement::ParamLineColor, Rgb(0, 200, 255));
    style.SetValue(StyleChartElement::ParamRiseFrameColor, kDarkRise);
    style.SetValue(StyleChartElement::ParamFallFrameColor, kDarkFall);
    style.SetValue(StyleChartElement::ParamRiseCandleColor, Rgb(0, 120, 0));
    style.SetValue(StyleChartElement::ParamFallCandleColor, Rgb(170, 0, 0));
}

void DarkenFormation(StyleBase& style)
{
    style.SetGdiObject(StyleFormation::ParamBaseLinePen, StyleDefaults::Pen(LogPen::kStyleSolid, 1, Rgb(255, 200, 0)));
    style.SetGdiObject(StyleFormation::ParamExtensionPen, StyleDefaults::Pen(LogPen::kStyleDash, 1, Rgb(255, 200, 0)));
    style.SetValue(StyleFormation::ParamTextColor, kDarkText);
    style.SetValue(StyleFormation::ParamLabelBkColor, Rgb(40, 40, 40));
    style.SetValue(StyleFormation::ParamLabelTextColor, kDarkText);
    style.SetValue(StyleFormation::ParamLabelFrameColor, Rgb(150, 150, 150));
    style.SetValue(StyleFormation::ParamConnectorColor, Rgb(150, 150, 150));
    style.SetValue(StyleFormation::ParamFillColor, Rgb(40, 50, 80));
}

void DarkenChartWindow(StyleBase& style)
{
    style.SetGdiObject(StyleChartWindow::ParamGridPen, StyleDefaults::Pen(LogPen::kStyleDot, 1, kDarkLines));
    style.SetValue(StyleChartWindow::ParamSignificantGridColor, Rgb(120, 120, 120));
    style.SetValue(StyleChartWindow::ParamBkColor, kDarkBackground);
    style.SetValue(StyleChartWindow::ParamHeaderFontColor, kDarkText);
    style.SetValue(StyleChartWindow::ParamHeaderFontColorRise, kDarkRise);
    style.SetValue(StyleChartWindow::ParamHeaderFontColorFall, kDarkFall);
    style.SetValue(StyleChartWindow::ParamLabelFontColor, kDarkText);
    style.SetValue(StyleChartWindow::ParamLabelFontColorRise, Rgb(0, 0, 0));
    style.SetValue(StyleChartWindow::ParamLabelFontColorFall, Rgb(0, 0, 0));
    style.SetValue(StyleChartWindow::ParamLabelBkColorRise, kDarkRise);
    style.SetValue(StyleChartWindow::ParamLabelBkColorFall, kDarkFall);
    DarkenChartElement(*style.GetOwnStyle(StyleChartWindow::RelationPriceSeries));
    style.GetOwnStyle(StyleChartWindow::RelationVolume)->SetValue(StyleChartElement::ParamLineColor, Rgb(100, 100, 100));
    DarkenFormation(*style.GetOwnStyle(StyleChartWindow::RelationFormation));
}

std::vector<DefaultKind>& Kinds()
{
    static std::vector<DefaultKind> kinds = {
        {StyleTextField::Type, QStringLiteral("pole tekstowe"), QString(), [](StyleBase& style) { DarkenText(style, kDarkBackground); }},
        {StyleTable::Type, QStringLiteral("tabela"), QStringLiteral("Table"),
         [](StyleBase& style) {
             DarkenGrid(style);
             style.SetValue(StyleTable::ParamRowHighlightColor, Rgb(60, 60, 0));
             style.SetValue(StyleTable::ParamCursorColor, Rgb(255, 255, 0));
         }},
        {StyleTransactionList::Type, QStringLiteral("lista transakcji"), QStringLiteral("TransList"),
         [](StyleBase& style) {
             DarkenGrid(style);
             for (int relation : {StyleTransactionList::RelationRises1, StyleTransactionList::RelationRises2})
                 style.GetOwnStyle(relation)->SetValue(StyleTextField::ParamFontColor, kDarkRise);
             for (int relation : {StyleTransactionList::RelationFalls1, StyleTransactionList::RelationFalls2})
                 style.GetOwnStyle(relation)->SetValue(StyleTextField::ParamFontColor, kDarkFall);
         }},
        {StyleTransactionsMonitor::Type, QStringLiteral("monitor transakcji"), QStringLiteral("TransactionsMonitor"), DarkenGrid},
        {StyleDetails::Type, QStringLiteral("szczegóły"), QStringLiteral("Details"), DarkenGrid},
        {StyleOffers::Type, QStringLiteral("oferty"), QStringLiteral("Offers"),
         [](StyleBase& style) {
             DarkenGrid(style);
             style.GetOwnStyle(StyleOffers::RelationPriceRow)->SetValue(StyleTextField::ParamBkColor, Rgb(60, 45, 0));
         }},
        {StyleChartWindow::Type, QStringLiteral("wykres"), QStringLiteral("Chart"), DarkenChartWindow},
        {StyleChartElement::Type, QStringLiteral("element wykresu"), QString(), DarkenChartElement},
        {StyleFormation::Type, QStringLiteral("formacja"), QString(), DarkenFormation},
    };
    return kinds;
}

const char* LookWord(DefaultStyles::Look look)
{
    return look == DefaultStyles::Look::Dark ? "Czarny" : "Jasny";
}
}

void DefaultStyles::AddKind(StyleType type, const QString& word, const QString& module,
                            std::function<void(StyleBase&)> darken)
{
    for (const DefaultKind& kind : Kinds())
    {
        if (kind.type == type)
            return;
    }
    Kinds().push_back(DefaultKind{type, word, module, std::move(darken)});
}

std::vector<std::shared_ptr<StyleBase>> DefaultStyles::Create()
{
    std::vector<std::shared_ptr<StyleBase>> styles;
    for (const DefaultKind& kind : Kinds())
    {
        for (Look look : {Look::Light, Look::Dark})
        {
            std::shared_ptr<StyleBase> style = StyleKinds::Create(kind.type);
            if (!style)
                continue;
            if (look == Look::Dark)
                kind.darken(*style);
            style->SetName(Name(kind.type, look));
            style->SetGuid(Guid(kind.type, look));
            styles.push_back(style);
        }
    }
    return styles;
}

QUuid DefaultStyles::Guid(StyleType type, Look look)
{
    return QUuid::createUuidV5(kGuidNamespace, QStringLiteral("%1/%2").arg(StyleKinds::TypeName(type),
                                                                           QString::fromLatin1(LookWord(look))));
}

QString DefaultStyles::Name(StyleType type, Look look)
{
    for (const DefaultKind& kind : Kinds())
    {
        if (kind.type == type)
            return QStringLiteral("%1 - %2").arg(QString::fromLatin1(LookWord(look)), kind.word);
    }
    return QString();
}

std::vector<std::pair<QString, QUuid>> DefaultStyles::WindowStyles(Look look)
{
    std::vector<std::pair<QString, QUuid>> windowStyles;
    for (const DefaultKind& kind : Kinds())
    {
        if (!kind.module.isEmpty())
            windowStyles.emplace_back(kind.module, Guid(kind.type, look));
    }
    return windowStyles;
}
