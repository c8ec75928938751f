#include "platform/ui/Images.h"

#include "platform/ui/UiLog.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QStandardPaths>

namespace
{
// The program draws its commands from Oxygen whatever the desktop's theme, so every command
// looks the same everywhere; without it installed the desktop's theme and the bundled copies
// serve.
const char* const kProgramTheme = "oxygen";

// The offscreen and plain X platforms search no system icon folder; the program then adds
// the XDG icon folders.
void EnsureIconTheme()
{
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& folder : dataFolders)
    {
        const QString icons = QDir(folder).filePath(QStringLiteral("icons"));
        if (!paths.contains(icons))
            paths << icons;
    }
    QIcon::setThemeSearchPaths(paths);
    for (const QString& path : std::as_const(paths))
    {
        if (QFile::exists(QDir(path).filePath(QStringLiteral("%1/index.theme").arg(QLatin1String(kProgramTheme)))))
        {
            QIcon::setThemeName(QLatin1String(kProgramTheme));
            return;
        }
    }
    qCWarning(lcUi) << "Images: the icon theme" << kProgramTheme << "is not installed; the bundled icons serve";
}

// The compiled-in maps, in name order; areas of the program add their own "icons.<area>.tsv".
Images MakeProgramImages()
{
    EnsureIconTheme();
    Images images;
    const QDir folder(QStringLiteral(":/resources"));
    const QStringList names = folder.entryList({QStringLiteral("icons*.tsv")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
    {
        QFile file(folder.filePath(name));
        QString errorText;
        if (!file.open(QIODevice::ReadOnly))
            qCWarning(lcUi) << "Images: cannot read" << file.fileName();
        else if (!images.LoadMap(file.readAll(), file.fileName(), &errorText))
            qCWarning(lcUi).noquote() << errorText;
    }
    if (names.isEmpty())
        qCWarning(lcUi) << "Images: the icon map is not compiled in";
    return images;
}
}

Images& Images::Instance()
{
    static Images images = MakeProgramImages();
    return images;
}

bool Images::LoadMap(const QByteArray& utf8, const QString& sourceName, QString* errorText)
{
    const auto fail = [&](int lineNumber, const QString& reason) {
        if (errorText)
            *errorText = QStringLiteral("%1:%2: %3").arg(sourceName).arg(lineNumber).arg(reason);
        return false;
    };

    QHash<std::uint32_t, QString> added;
    const QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    for (int index = 0; index < lines.size(); ++index)
    {
        const QString line = lines[index].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        bool isNumber = false;
        const uint id = fields.value(0).toUInt(&isNumber);
        if (fields.size() != 2 || !isNumber || fields[1].trimmed().isEmpty())
            return fail(index + 1, QStringLiteral("expected an id and an icon name"));
        if (m_names.contains(id) || added.contains(id))
            return fail(index + 1, QStringLiteral("id %1 is already mapped").arg(id));
        added.insert(id, fields[1].trimmed());
    }
    m_names.insert(added);
    return true;
}

QIcon Images::Icon(std::uint32_t id) const
{
    if (const auto cached = m_cache.constFind(id); cached != m_cache.constEnd())
        return *cached;
    QIcon icon;
    const QString name = IconName(id);
    if (!name.isEmpty())
        icon = QIcon::fromTheme(name, BundledIcon(name));
    if (icon.isNull())
        icon = DrawnIcon(id);
    m_cache.insert(id, icon);
    return icon;
}

QIcon Images::BundledIcon(const QString& name)
{
    QIcon icon;
    for (const int size : {16, 32})
    {
        const QString path = QStringLiteral(":/resources/icons/%1/%2.png").arg(size).arg(name);
        if (QFile::exists(path))
            icon.addFile(path, QSize(size, size));
    }
    return icon;
}

QIcon Images::DrawnIcon(std::uint32_t id)
{
    const QColor fill = QColor::fromHsv(static_cast<int>((id * 47u) % 360u), 120, 210);
    QIcon icon;
    for (const int size : {16, 24, 32, 48})
    {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(fill.darker(160), size / 16.0));
        painter.setBrush(fill);
        const qreal margin = size / 8.0;
        const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
        painter.drawRoundedRect(tile, size / 6.0, size / 6.0);
        painter.setBrush(fill.lighter(150));
        painter.drawEllipse(tile.center(), tile.width() / 4.0, tile.height() / 4.0);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
