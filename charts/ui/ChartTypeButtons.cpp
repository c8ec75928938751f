#include "charts/ui/ChartTypeButtons.h"

#include "platform/ui/Images.h"

#include <QToolButton>

namespace
{
struct IconButton
{
    const char* text;
    int controlId;
    int imageId;
};

void CreateButtons(QWidget* parent, const IconButton (&kinds)[4], QToolButton* (&buttons)[4])
{
    for (int type = 0; type < 4; ++type)
    {
        auto* button = new QToolButton(parent);
        button->setObjectName(QString::number(kinds[type].controlId));
        button->setText(QString::fromUtf8(kinds[type].text));
        button->setIcon(Images::Instance().Icon(static_cast<std::uint32_t>(kinds[type].imageId)));
        button->setIconSize(QSize(64, 48));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setCheckable(true);
        button->setAutoExclusive(false);
        buttons[type] = button;
    }
}
}

void ChartTypeButtons::Create(QWidget* parent, QToolButton* (&buttons)[4])
{
    static const IconButton kTypes[4] = {{"Liniowy", 1325, 333}, {"Kolumnowy", 1326, 335}, {"Słupkowy", 1327, 337},
                                         {"Świecowy", 1328, 339}};
    CreateButtons(parent, kTypes, buttons);
}

void ChartTypeButtons::CreateScales(QWidget* parent, QToolButton* (&buttons)[4])
{
    static const IconButton kScales[4] = {{"Transakcyjna", 1324, 342}, {"Liniowa", 1321, 340},
                                          {"Liniowa stała", 1322, 341}, {"Wolumenowa", 1323, 343}};
    CreateButtons(parent, kScales, buttons);
}
