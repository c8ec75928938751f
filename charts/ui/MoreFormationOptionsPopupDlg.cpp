#include "charts/ui/MoreFormationOptionsPopupDlg.h"

#include "charts/ui/GridLineStyleCombo.h"
#include "modulelibs/chart/ChartStyles.h"
#include "platform/modules/ActiveObjectsContainer.h"
#include "platform/modules/ChartConsumer.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/Images.h"
#include "platform/ui/MessageBoxFlags.h"
#include "ribbon/galleries/ColorMarkers.h"
#include "styles/engine/StyleFormation.h"
#include "styles/engine/StylesContainer.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

namespace
{

constexpr int kFormations = 3;
constexpr int kWidths = 7;
constexpr char kParameter[] = "parameter";
// The value a command button sends for its parameter.
constexpr char kCommand[] = "command";

}

MoreFormationOptionsPopupDlg::MoreFormationOptionsPopupDlg(RibbonControlPopupEx* control, ChartConsumer* charts,
                                                           PopupBarBase::IPopupAreaObserver& areaObserver, Options options,
                                                           QWidget* parent)
    : MoreOptionsPopupBarDlgBase(control, areaObserver, std::move(options), parent)
    , m_charts(charts)
{
    auto* layout = new QGridLayout(this);
    int row = 0;
    AddSection(*layout, row, QStringLiteral("Linie formacji"));
    const struct
    {
        const char* caption;
        std::uint32_t style, width, colour;
        int colourParameter;
    } lines[] = {
        {"Linia bazowa:", 1246, 1249, 1252, ChartStyles::kBaseLineColour},
        {"Linia przedłużenia:", 1163, 1166, 1170, ChartStyles::kExtensionColour},
    };
    for (const auto& line : lines)
    {
        layout->addWidget(new QLabel(QString::fromUtf8(line.caption), this), row, 0);
        layout->addWidget(AddCombo(line.style, line.colourParameter + 2, false), row, 1);
        layout->addWidget(AddCombo(line.width, line.colourParameter + 1, true), row, 2);
        layout->addWidget(AddColorButton(line.colour, line.colourParameter, QString()), row, 3);
        ++row;
    }
    AddSection(*layout, row, QStringLiteral("Czcionka"));
    auto* fonts = new QHBoxLayout;
    const std::pair<std::uint32_t, int> fontButtons[] = {
        {1227, ActiveObjectsContainer::kStepLarger},
        {1230, ActiveObjectsContainer::kStepSmaller},
        {1233, ActiveObjectsContainer::kStyleValue},
    };
    for (const auto& [id, command] : fontButtons)
        fonts->addWidget(AddFontButton(id, command));
    fonts->addStretch();
    layout->addLayout(fonts, row++, 0, 1, 4);
    AddSection(*layout, row, QStringLiteral("Pozostałe"));
    const struct
    {
        const char* caption;
        std::uint32_t id;
        int parameter;
    } colours[] = {
        {"Kolor tekstu", 1243, StyleFormation::ParamTextColor},
        {"Kolor wypełnienia", 1181, StyleFormation::ParamFillColor},
        {"Kolor tekstu etykiety", 1185, StyleFormation::ParamLabelTextColor},
        {"Kolor tła etykiety", 1188, StyleFormation::ParamLabelBkColor},
        {"Kolor ramki etykiety", 1192, StyleFormation::ParamLabelFrameColor},
        {"Kolor łącznika etykiety", 1196, StyleFormation::ParamConnectorColor},
    };
    for (std::size_t i = 0; i < std::size(colours); ++i)
    {
        const auto& colour = colours[i];
        layout->addWidget(AddColorButton(colour.id, colour.parameter, QString::fromUtf8(colour.caption)),
                          row + int(i / 2), int(i % 2) * 2, 1, 2);
    }
    row += int(std::size(colours) + 1) / 2;
    AddFooter(*layout, row, 4);
    Start();
}

QComboBox* MoreFormationOptionsPopupDlg::AddCombo(std::uint32_t id, int parameter, bool widths)
{
    QComboBox* combo = widths ? new QComboBox(this) : new GridLineStyleCombo(this);
    if (widths)
        for (int width = 1; width <= kWidths; ++width)
            combo->addItem(QString::number(width), width);
    combo->setProperty(kControlId, id);
    combo->setProperty(kParameter, parameter);
    connect(combo, &QComboBox::activated, this, [this, combo, parameter](int index) {
        Apply(parameter, combo->itemData(index).toInt());
    });
    return combo;
}

QToolButton* MoreFormationOptionsPopupDlg::AddColorButton(std::uint32_t id, int parameter, const QString& caption)
{
    auto* button = new QToolButton(this);
    if (!caption.isEmpty())
    {
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    button->setProperty(kControlId, id);
    button->setProperty(kParameter, parameter);
    button->setIconSize(QSize(24, 12));
    connect(button, &QToolButton::clicked, this, [this, button, parameter] { OpenPicker(button, parameter); });
    return button;
}

QToolButton* MoreFormationOptionsPopupDlg::AddFontButton(std::uint32_t id, int command)
{
    auto* button = new QToolButton(this);
    button->setProperty(kControlId, id);
    button->setProperty(kParameter, ChartStyles::kFontSize);
    button->setProperty(kCommand, command);
    button->setIcon(Images::Instance().Icon(id));
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, [this, command] { ChangeFont(command); });
    return button;
}

void MoreFormationOptionsPopupDlg::AddSection(QGridLayout& layout, int& row, const QString& caption)
{
    auto* title = new QLabel(caption, this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    layout.addWidget(title, row, 0);
    layout.addWidget(line, row++, 1, 1, 3);
}

ActiveObjectsContainer* MoreFormationOptionsPopupDlg::Active() const
{
    ActiveObjectsContainer* active = m_charts ? m_charts->GetActiveObjects() : nullptr;
    return active && active->IsFormationActive() ? active : nullptr;
}

void MoreFormationOptionsPopupDlg::FillValues()
{
    const ActiveObjectsContainer* active = Active();
    for (QWidget* child : findChildren<QWidget*>())
    {
        if (!child->property(kParameter).isValid())
            continue;
        child->setEnabled(active != nullptr);
        if (!active)
            continue;
        const int value = active->GetCbsParams(kFormations, child->property(kParameter).toInt());
        if (auto* combo = qobject_cast<QComboBox*>(child))
            combo->setCurrentIndex(combo->findData(value));
        else if (auto* button = qobject_cast<QToolButton*>(child); button && !button->property(kCommand).isValid())
        {
            QPixmap swatch(button->iconSize());
            swatch.fill(ColorMarkers::ToQColor(value));
            button->setIcon(QIcon(swatch));
        }
    }
    EnableFooter(active != nullptr);
}

void MoreFormationOptionsPopupDlg::Apply(int parameter, int value)
{
    ActiveObjectsContainer* active = Active();
    if (!active)
        return;
    active->ChangeCbsParams(kFormations, parameter, value);
    active->ApplyCbsParams();
    active->RedrawDialogAfterStyleChanged(kFormations);
}

// Font steps are commands: they leave a colour still previewed as it is.
void MoreFormationOptionsPopupDlg::ChangeFont(int command)
{
    ActiveObjectsContainer* active = Active();
    if (!active)
        return;
    active->ChangeCbsParams(kFormations, ChartStyles::kFontSize, command);
    active->RedrawDialogAfterStyleChanged(kFormations);
}

void MoreFormationOptionsPopupDlg::OpenPicker(QToolButton* button, int parameter)
{
    const ActiveObjectsContainer* active = Active();
    if (m_picker || !active)
        return;
    m_pickedParameter = parameter;
    m_picker = new ColorPickerPopupWindow(*this, AreaObserver(), this);
    m_picker->setAttribute(Qt::WA_DeleteOnClose);
    m_picker->SetSelectedColor(active->GetCbsParams(kFormations, parameter));
    if (!m_picker->ShowAtAnchor(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
    {
        delete m_picker;
        m_pickedParameter = -1;
    }
}

void MoreFormationOptionsPopupDlg::OnColorHot(int color)
{
    ActiveObjectsContainer* active = Active();
    if (!active || m_pickedParameter < 0)
        return;
    active->ChangeCbsParams(kFormations, m_pickedParameter,
                            color == ColorMarkers::kDefault ? ActiveObjectsContainer::kStyleValue : color);
    active->RedrawDialogAfterStyleChanged(kFormations);
}

void MoreFormationOptionsPopupDlg::OnHotColorCleared()
{
    if (ActiveObjectsContainer* active = Active())
        active->CancelCbsParams();
}

void MoreFormationOptionsPopupDlg::OnColorPicked()
{
    if (ActiveObjectsContainer* active = Active())
    {
        active->ApplyCbsParams();
        active->RedrawDialogAfterStyleChanged(kFormations);
    }
    m_pickedParameter = -1;
    FillValues();
}

void MoreFormationOptionsPopupDlg::SetToolTips()
{
    static const std::pair<std::uint32_t, std::uint32_t> tips[] = {
        {1252, 1375}, {1249, 1374}, {1246, 1373}, {1170, 1378}, {1166, 1377}, {1163, 1376}, {1243, 1382}, {1181, 1383},
        {1185, 1384}, {1188, 1385}, {1192, 1386}, {1196, 1387}, {1227, 1379}, {1230, 1380}, {1233, 1381},
    };
    for (const auto& [controlId, stringId] : tips)
        SetToolTip(controlId, stringId);
    MoreOptionsPopupBarDlgBase::SetToolTips();
}

void MoreFormationOptionsPopupDlg::RestoreValues()
{
    ActiveObjectsContainer* active = Active();
    if (!active)
        return;
    active->CbsRestore(kFormations);
    active->RedrawDialogAfterStyleChanged(kFormations);
}

bool MoreFormationOptionsPopupDlg::CreateStyle(const QString& name)
{
    ActiveObjectsContainer* active = Active();
    const std::shared_ptr<StyleBase> shown = active ? active->GetStyle(kFormations) : nullptr;
    const std::shared_ptr<StyleBase> style = shown ? shown->Copy() : nullptr;
    if (!style)
    {
        DialogServices::ShowMessageBox(QString(), QStringLiteral("Nie utworzono stylu \"%1\": nie zaznaczono formacji.").arg(name),
                                       MB_OK | MB_ICONWARNING);
        return false;
    }
    style->SetName(name);
    const int styleId = StylesContainer::Instance().AddStyle(style);
    if (!SaveStyles())
        DialogServices::ShowMessageBox(QString(),
                                       QStringLiteral("Styl \"%1\" utworzono, ale nie zapisano go na dysku. Program spróbuje "
                                                      "zapisać go ponownie przy zamknięciu.")
                                           .arg(style->GetName()),
                                       MB_OK | MB_ICONWARNING);
    // The values set on the formation are now its style's own.
    active->CbsRestore(kFormations);
    active->OnChangeStyle(kFormations, styleId);
    active->OnApplyStyle();
    active->RedrawDialogAfterStyleChanged(kFormations);
    return true;
}
