#include "styles/engine/ApplicationStyle.h"

#include "platform/base/Log.h"
#include "platform/modules/IGenericModule.h"
#include "platform/settings/Settings.h"
#include "styles/engine/IApplicationStyleHost.h"
#include "styles/engine/StylesContainer.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

const QString ApplicationStyle::kRootName = QStringLiteral("Q4Theme");
const QString ApplicationStyle::kThemeKey = QStringLiteral("ApplicationStyle");
const QString ApplicationStyle::kWindowStylesKey = QStringLiteral("WindowStyles");

ApplicationStyle::ApplicationStyle(const QString& name, const QString& themeValue,
                                   std::map<QString, int> windowStyles)
    : m_themeValue(themeValue)
    , m_windowStyles(std::move(windowStyles))
    , m_name(name)
{
}

bool ApplicationStyle::LoadFromFile(const QString& path)
{
    Settings tree;
    if (!tree.LoadFromFile(path, kRootName) || !tree.Exists(kWindowStylesKey))
    {
        Log::WriteWarning(QStringLiteral("Pominięto plik stylu aplikacji \"%1\": nie można go odczytać albo nie ma w nim "
                                         "stylów okien.")
                              .arg(path),
                          QStringLiteral("Style"), QStringLiteral("ApplicationStyle::LoadFromFile"), __LINE__);
        return false;
    }
    const Settings& constTree = tree;
    const StylesContainer& container = StylesContainer::Instance();
    std::map<QString, int> windowStyles;
    ConstSettingsIterator walk = constTree[kWindowStylesKey].Iterator(1);
    while (walk.Iterate())
    {
        const QString reference = walk.Node().ToString();
        const int styleId = container.FindStyleByGuidOrName(reference);
        if (styleId == 0)
            Log::WriteInfo(QStringLiteral("Styl aplikacji \"%1\": nie ma stylu \"%2\" dla modułu \"%3\"; moduł otrzyma "
                                          "styl domyślny.")
                               .arg(path, reference, walk.Name()),
                           QStringLiteral("Style"), QStringLiteral("ApplicationStyle::LoadFromFile"), __LINE__);
        windowStyles[walk.Name()] = styleId;
    }
    m_themeValue = constTree[kThemeKey].ToString();
    m_windowStyles = std::move(windowStyles);

    const QFileInfo file(path);
    QString previewName = m_themeValue;
    previewName.replace(QLatin1Char(';'), QLatin1Char('_'));
    m_previewPath = file.dir().filePath(previewName + QStringLiteral(".png"));
    m_preview = BlankPreview();

    QString name = file.completeBaseName();
    while (name.startsWith(QLatin1Char('_')))
        name.remove(0, 1);
    m_name = name;
    return true;
}

void ApplicationStyle::Apply(IApplicationStyleHost& host) const
{
    for (const auto& [moduleName, styleId] : m_windowStyles)
    {
        if (IGenericModule* module = host.FindModule(moduleName))
            module->FindWindowStyle(styleId);
    }
    host.SetApplicationStyle(m_name);
    host.ApplyRibbonTheme(m_themeValue);
}

const QImage& ApplicationStyle::GetPreview() const
{
    if (!m_previewPath.isEmpty())
    {
        const QImage preview(m_previewPath);
        m_previewPath.clear();
        if (!preview.isNull() && preview.width() != 0)
            m_preview = preview;
    }
    return m_preview;
}

QImage ApplicationStyle::BlankPreview()
{
    QImage preview(kPreviewWidth, kPreviewHeight, QImage::Format_ARGB32);
    preview.fill(Qt::transparent);
    return preview;
}
