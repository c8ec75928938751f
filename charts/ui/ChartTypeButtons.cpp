#include "charts/ui/ChartTypeButtons.h"

#include "platform/ui/Images.h"

#include <QToolButton>

void ChartTypeButtons::Create(QWidget* parent, QToolButton* (&buttons)[4])
{
    struct Type
    {
        const char* text;
        int controlId;
        int imageId;
    };
    static const Type kTypes[4] = {{"Liniowy", 1325, 333}, {"Kolumnowy", 1326, 335}, {"Słupkowy", 1327, 337},
                                   {"Świecowy", 1328, 339}};
    for (int type = 0; type < 4; ++type)
    {
        auto* button = new QToolButton(parent);
        button->setObjectName(QString::number(kTypes[type].controlId));
        button->setText(QString::fromUtf8(kTypes[type].text));
        button->setIcon(Images::Instance().Icon(static_cast<std::uint32_t>(kTypes[type].imageId)));
        button->setIconSize(QSize(64, 48));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setCheckable(true);
        button->setAutoExclusive(false);
        buttons[type] = button;
    }
}
