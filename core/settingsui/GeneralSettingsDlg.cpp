#include "core/settingsui/GeneralSettingsDlg.h"

#include "core/settingsui/GeneralSettingsDlgStrings.h"
#include "core/settingsui/TaskPanelGroupWrapper.h"
#include "platform/toolkit/PropertyGridItem.h"
#include "platform/toolkit/PropertyGridView.h"
#include "platform/toolkit/TaskPanelGroup.h"
#include "platform/toolkit/TaskPanelItem.h"
#include "platform/toolkit/TaskPanelView.h"
#include "platform/ui/DialogServices.h"
#include "platform/ui/MessageBoxFlags.h"
#include "platform/ui/StringTable.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QPushButton>

#include <any>

namespace
{
// The dialog's measures in dialog units: a quarter of the font's average character width
// across, an eighth of its height down.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font)
    {
        const QFontMetrics metrics(font);
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        m_x = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
        m_y = metrics.height();
    }
    int X(int units) const { return units * m_x / 4; }
    int Y(int units) const { return units * m_y / 8; }

private:
    int m_x;
    int m_y;
};

constexpr int kWidth = 315;
constexpr int kHeight = 263;
constexpr int kMargin = 7;
constexpr int kTaskPanelWidth = 101;
constexpr int kRestoreWidth = 121;
constexpr int kButtonWidth = 50;
constexpr int kButtonGap = 4;

GeneralSettingsParametersContainer* ContainerOf(const TaskPanelItem& item)
{
    const auto* container = std::any_cast<GeneralSettingsParametersContainer*>(&item.GetItemData());
    return container ? *container : nullptr;
}

QString Quoted(const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted.append(QStringLiteral("„%1”").arg(name));
    return quoted.join(QStringLiteral(", "));
}
}

GeneralSettingsDlg::GeneralSettingsDlg(GeneralSettingsManager& manager, QWidget* parent,
                                       const IGeneralSettingsStyles* styles)
    : QDialog(parent), Wnd(this), m_manager(manager), m_grid(styles), m_changes(styles)
{
    OnCommand(kOkId, [this] { OnOK(); });
    OnCommand(kCancelId, [this] { reject(); });
    OnCommand(kRestoreDefaultsId, [this] { OnRestoreDefaults(); });
    OnInitDialog();
}

GeneralSettingsDlg::~GeneralSettingsDlg() = default;

int GeneralSettingsDlg::DoModal()
{
    return exec();
}

void GeneralSettingsDlg::OnInitDialog()
{
    setWindowTitle(StringTable::Instance().Get(GeneralSettingsDlgStrings::kCaption));
    setSizeGripEnabled(true);
    m_taskPanel.CreateAndInit(m_manager);
    m_taskPanelView = std::make_unique<TaskPanelView>(m_taskPanel, this);
    m_gridView = std::make_unique<PropertyGridView>(m_grid, this);
    m_taskPanelView->setObjectName(QStringLiteral("taskPanel%1").arg(kTaskPanelId));
    m_gridView->setObjectName(QStringLiteral("grid%1").arg(kGridId));
    connect(&m_taskPanel, &TaskPanel::Notify, this, &GeneralSettingsDlg::OnTaskPanelNotify);
    connect(&m_grid, &PropertyGrid::ItemValueChanged, this,
            [this](PropertyGridItem* item) { OnGridNotify(PropertyGrid::kNotifyValueChanged, item); });
    LayOut();

    if (TaskPanelGroup* first = m_taskPanel.GetAt(0))
    {
        m_taskPanel.SetFocusedItem(first);
        m_taskPanelView->setFocus();
        ShowItem(first);
    }
    // The window takes the application's icon (QApplication::windowIcon) as every window does.
}

void GeneralSettingsDlg::LayOut()
{
    const DialogUnits units(font());
    m_restore = AddButton(kRestoreDefaultsId, GeneralSettingsDlgStrings::kRestoreDefaults);
    m_ok = AddButton(kOkId, GeneralSettingsDlgStrings::kOk);
    m_cancel = AddButton(kCancelId, GeneralSettingsDlgStrings::kCancel);
    m_ok->setDefault(true);
    m_restore->setMinimumWidth(units.X(kRestoreWidth));
    m_ok->setMinimumWidth(units.X(kButtonWidth));
    m_cancel->setMinimumWidth(units.X(kButtonWidth));

    // The task panel keeps its width and follows the height; the grid takes the rest. Restore
    // stays at the bottom left, OK and Cancel at the bottom right.
    m_taskPanelView->setFixedWidth(units.X(kTaskPanelWidth));
    auto* panes = new QHBoxLayout;
    panes->setSpacing(units.X(kMargin));
    panes->addWidget(m_taskPanelView.get());
    panes->addWidget(m_gridView.get(), 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(units.X(kButtonGap));
    buttons->addWidget(m_restore);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(units.X(kMargin), units.Y(kMargin), units.X(kMargin), units.Y(kMargin));
    layout->setSpacing(units.Y(kMargin));
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);
    resize(units.X(kWidth), units.Y(kHeight));
}

QPushButton* GeneralSettingsDlg::AddButton(std::uint32_t id, std::uint32_t textId)
{
    auto* button = new QPushButton(StringTable::Instance().Get(textId), this);
    button->setObjectName(QStringLiteral("button%1").arg(id));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, id] { ExecuteCommand(id); });
    return button;
}

QPushButton* GeneralSettingsDlg::GetButton(std::uint32_t id) const
{
    switch (id)
    {
    case kOkId:
        return m_ok;
    case kCancelId:
        return m_cancel;
    case kRestoreDefaultsId:
        return m_restore;
    default:
        return nullptr;
    }
}

void GeneralSettingsDlg::ShowItem(TaskPanelItem* item)
{
    if (!item)
        return;
    if (item->IsGroup())
        m_taskPanel.Remember(-1, static_cast<TaskPanelGroup*>(item));
    else
        m_taskPanel.Remember(item->GetID(), item->GetItemGroup());

    m_grid.ResetContent();
    PropertyGridItem* category = m_grid.AddCategory(QString());
    if (GeneralSettingsParametersContainer* container = ContainerOf(*item))
        m_grid.FillCategory(*category, *container);
    // What the user entered before showing something else is still what OK will write.
    m_grid.ForEachItem([this](PropertyGridItem& row) { m_changes.ShowPendingValue(row); });
    m_grid.ExpandAll();
}

int GeneralSettingsDlg::OnTaskPanelNotify(int code, TaskPanelItem* item)
{
    switch (code)
    {
    case TaskPanel::kNotifyClick:
        ShowItem(item);
        break;
    case TaskPanel::kNotifyFocusedItemChanged:
        ShowItem(m_taskPanel.GetFocusedItem());
        break;
    default:
        break;
    }
    return 0;
}

int GeneralSettingsDlg::OnGridNotify(int code, PropertyGridItem* item)
{
    if (code == PropertyGrid::kNotifyValueChanged && item)
        OnItemValueChanged(item);
    return 0;
}

void GeneralSettingsDlg::OnItemValueChanged(PropertyGridItem* item)
{
    TaskPanelGroupWrapper* wrapper = m_taskPanel.GetWrapper(m_taskPanel.IndexOf(m_taskPanel.GetRememberedGroup()));
    if (!wrapper)
        return;
    if (!wrapper->GetGroupManager() && m_taskPanel.GetRememberedItemId() >= 0)
        wrapper->SetSubgroupChanged(m_taskPanel.GetRememberedItemId());
    m_changedContainers.insert(wrapper);
    m_changes.OnItemChanged(*item);
}

void GeneralSettingsDlg::OnOK()
{
    // An editor still open hands its value over first, as leaving it would.
    if (m_gridView->OpenEditor())
        m_gridView->CommitEditor();

    const StringTable& strings = StringTable::Instance();
    const QStringList keptPasswords = m_changes.ApplyAll();
    if (!keptPasswords.isEmpty())
        DialogServices::ShowMessageBox(
            QString(), strings.Get(GeneralSettingsDlgStrings::kPasswordKept).arg(Quoted(keptPasswords)),
            MB_OK | MB_ICONWARNING);

    QStringList failed;
    for (int index = 0; index < m_taskPanel.GetWrapperCount(); ++index)
    {
        TaskPanelGroupWrapper* wrapper = m_taskPanel.GetWrapper(index);
        if (!m_changedContainers.count(wrapper))
            continue;
        if (wrapper->SaveContent())
            m_changedContainers.erase(wrapper);
        else
            failed.append(wrapper->Caption());
    }
    if (!failed.isEmpty())
    {
        DialogServices::ShowMessageBox(
            QString(), strings.Get(GeneralSettingsDlgStrings::kSaveFailed).arg(Quoted(failed)), MB_OK | MB_ICONERROR);
        return;
    }
    QDialog::accept();
}

void GeneralSettingsDlg::accept()
{
    ExecuteCommand(kOkId);
}

void GeneralSettingsDlg::OnRestoreDefaults()
{
    m_changes.Clear();
    m_changedContainers.clear();
    m_grid.ResetContent();
    const QStringList failed = m_taskPanel.RestoreDefaults();
    m_taskPanel.RestoreSelection();
    if (!failed.isEmpty())
        DialogServices::ShowMessageBox(
            QString(), StringTable::Instance().Get(GeneralSettingsDlgStrings::kRestoreFailed).arg(Quoted(failed)),
            MB_OK | MB_ICONERROR);
}
