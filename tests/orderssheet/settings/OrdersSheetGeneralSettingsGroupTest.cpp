#include "SheetSettingsFixture.h"

#include "core/engine/InvalidArgException.h"
#include "core/settings/GeneralSettingsGroupBase.h"
#include "orderssheet/settings/OrdersSheetGeneralSettingsGroup.h"
#include "orderssheet/settings/OrdersSheetSettings.h"
#include "platform/settings/Settings.h"
#include "platform/modules/IGenericModule.h"
#include "tests/support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{
const QString kRoot = QStringLiteral("OrdersSheetObject");

// The group asks its owner only for the file extension.
class SheetModule : public IGenericModule
{
public:
    QString GetFileExtension() const override { return QStringLiteral(".q4sOS"); }
    QString GetFileFilter() const override { return {}; }
    QString GetModuleName() const override { return QStringLiteral("Arkusz zlecen"); }
    QString GetDefaultFileName() const override { return {}; }
    bool CanSaveWindowToFile() const override { return false; }
    bool SaveWindowToFile(QWidget*, const QString&, int, bool) override { return false; }
    bool SaveWindowToQ5Format(QWidget*, const QString&, int, int) override { return false; }
    bool OpenWindowFromFile(QWidget*, const QString&, bool) override { return false; }
    void SerialisePanelStateToQ5Format(Q5Settings&) override {}
    void SerialisePanelState(Settings&) override {}
    void UnserialisePanelState(const Settings&) override {}
    void PostUnserialisePanelState(const Settings&, QWidget*) override {}
    bool SerialiseInLastSession(QWidget*) const override { return false; }
    void OnSessionLoaded(QWidget*) override {}
    int GetFirstNamedWindowStyleId() const override { return 0; }
    void FindWindowStyle(int) override {}
};

class OrdersSheetGeneralSettingsGroupTest : public SheetSettingsFixture
{
protected:
    QString CurrentPath() const { return group.GetSettingsFilePath(true); }

    void WriteCurrent(const Settings& node) const { ASSERT_TRUE(node.SaveToFile(CurrentPath(), kRoot)); }

    static Settings WithGeneral(double border)
    {
        Settings node;
        node[QStringLiteral("General")][QStringLiteral("BorderVal")] = border;
        return node;
    }

    SheetModule module;
    OrdersSheetGeneralSettingsGroup group{&module};
};

TEST_F(OrdersSheetGeneralSettingsGroupTest, NullOwnerIsRefused)
{
    EXPECT_THROW(OrdersSheetGeneralSettingsGroup(nullptr), InvalidArgException);
}

TEST_F(OrdersSheetGeneralSettingsGroupTest, FilesAndNames)
{
    EXPECT_TRUE(CurrentPath().endsWith(QStringLiteral("Arkusz zlecen/current_Default.q4sOS")));
    EXPECT_TRUE(group.GetSettingsFilePath(false).endsWith(QStringLiteral("InstallSettings/Arkusz zlecen/base_Default.q4sOS")));
    EXPECT_EQ(group.GetGroupId(), 3u);
    EXPECT_EQ(group.GetGroupName(), kRoot);
}

TEST_F(OrdersSheetGeneralSettingsGroupTest, ShippedFactoryTemplateGivesTheDefaults)
{
    Settings factory;
    ASSERT_TRUE(factory.LoadFromFile(TestPaths::InstallSettings() + QStringLiteral("/Arkusz zlecen/base_Default.q4sOS"), kRoot));
    ASSERT_TRUE(factory[QStringLiteral("DefaultObject")].Exists(QStringLiteral("General")));
    OrdersSheetSettings settings;
    settings.borderValue = 0.9;
    settings.LoadFromTemplate(factory[QStringLiteral("DefaultObject")]);
    EXPECT_DOUBLE_EQ(settings.borderValue, 0.25);
}

TEST_F(OrdersSheetGeneralSettingsGroupTest, TemplateLookupTable)
{
    struct Case
    {
        const char* name;
        bool defaultObjectGeneral;
        bool ownGeneral;
        double expectedBorder;  // 0: no template
    };
    const Case cases[] = {
        {"DefaultObject wins", true, true, 10},
        {"the node itself", false, true, 20},
        {"neither", false, false, 0},
    };
    for (const Case& c : cases)
    {
        Settings current;
        current[QStringLiteral("TemplateObjectNodePath")] = QString();
        Settings& defaultObject = current[QStringLiteral("DefaultObject")];
        if (c.defaultObjectGeneral)
            defaultObject = WithGeneral(10);
        else
            defaultObject[QStringLiteral("Other")] = 1;
        if (c.ownGeneral)
            current[QStringLiteral("General")][QStringLiteral("BorderVal")] = 20.0;
        WriteCurrent(current);
        const std::shared_ptr<const Settings> found = group.GetTemplate();
        if (c.expectedBorder == 0)
        {
            EXPECT_EQ(found, nullptr) << c.name;
            continue;
        }
        ASSERT_NE(found, nullptr) << c.name;
        EXPECT_DOUBLE_EQ((*found)[QStringLiteral("General")][QStringLiteral("BorderVal")].ToDouble(), c.expectedBorder) << c.name;
    }
}

TEST_F(OrdersSheetGeneralSettingsGroupTest, MissingDefaultObjectIsCompletedFromTheFactoryAndWrittenBack)
{
    Settings current;
    current[QStringLiteral("TemplateObjectNodePath")] = QString();
    WriteCurrent(current);
    const std::shared_ptr<const Settings> found = group.GetTemplate();
    ASSERT_NE(found, nullptr);
    EXPECT_DOUBLE_EQ((*found)[QStringLiteral("General")][QStringLiteral("BorderVal")].ToDouble(), 25);
    Settings written;
    ASSERT_TRUE(written.LoadFromFile(CurrentPath(), kRoot));
    EXPECT_TRUE(written[QStringLiteral("DefaultObject")].Exists(QStringLiteral("General")));
}

TEST_F(OrdersSheetGeneralSettingsGroupTest, CurrentFileOfAnotherRootIsLeftAlone)
{
    QDir().mkpath(QFileInfo(CurrentPath()).path());
    const QByteArray foreign = "<?xml version=\"1.0\"?>\n<SomethingElse><n k=\"General\"/></SomethingElse>\n";
    {
        QFile file(CurrentPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(foreign);
    }
    const std::shared_ptr<const Settings> found = group.GetTemplate();
    ASSERT_NE(found, nullptr) << "the factory template stands in";
    EXPECT_DOUBLE_EQ((*found)[QStringLiteral("General")][QStringLiteral("BorderVal")].ToDouble(), 25);
    QFile file(CurrentPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), foreign);
}

TEST_F(OrdersSheetGeneralSettingsGroupTest, SavingTakesTheChosenTemplateFile)
{
    const QString windowFile = home.Path() + QStringLiteral("/saved.q4sOS");
    ASSERT_TRUE(WithGeneral(0.5).SaveToFile(windowFile, kRoot));

    GeneralSettingsGroupBase dialogGroup;
    group.BuildParameters(dialogGroup, true);
    const std::shared_ptr<Settings> node = dialogGroup.GetSettingsSourceNode();
    ASSERT_NE(node, nullptr);
    EXPECT_EQ((*node)[QStringLiteral("TemplateObjectNodePath")].GetDisplayName(), QStringLiteral("Szablon arkusza"));
    EXPECT_EQ((*node)[QStringLiteral("TemplateObjectNodePath")].GetType(), VariableFilePath);

    (*node)[QStringLiteral("TemplateObjectNodePath")] = windowFile;
    ASSERT_TRUE(group.SaveGroup(node));
    const std::shared_ptr<const Settings> found = group.GetTemplate();
    ASSERT_NE(found, nullptr);
    OrdersSheetSettings settings;
    settings.LoadFromTemplate(*found);
    EXPECT_DOUBLE_EQ(settings.borderValue, 0.5) << "a window file's fraction stays a fraction";

    (*node)[QStringLiteral("TemplateObjectNodePath")] = home.Path() + QStringLiteral("/missing.q4sOS");
    EXPECT_FALSE(group.SaveGroup(node));
    EXPECT_NE(group.GetTemplate(), nullptr) << "the kept template stays";
}
}
