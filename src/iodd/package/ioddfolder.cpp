#include "ioddfolder.h"

#include "iodd/catalogue/ioddentry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
const QStringList pictureSuffixes = { QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                      QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("svg") };
constexpr qint64 maxDescriptionSize = 50 * 1024 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("IoddFolder", text);
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    if (file.size() > maxDescriptionSize || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool namesPicture(const QByteArray &content, const QString &picture)
{
    const QByteArray name = picture.toUtf8();
    return content.contains('"' + name + '"') || content.contains('\'' + name + '\'');
}

bool isInside(const QString &path, const QString &folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return !canonicalFolder.isEmpty() && QFileInfo(path).canonicalFilePath().startsWith(canonicalFolder + QLatin1Char('/'));
}
} // namespace

IoddFolder::IoddFolder(const QString &path)
    : folderPath(QDir::cleanPath(path))
{
}

IoddFolder::~IoddFolder() = default;

bool IoddFolder::isPictureName(const QString &name)
{
    return pictureSuffixes.contains(QFileInfo(name).suffix().toLower());
}

std::vector<std::unique_ptr<IODDEntry>> IoddFolder::scan() const
{
    std::vector<std::unique_ptr<IODDEntry>> found;
    if (folderPath.isEmpty())
        return found;
    const QDir root(folderPath);
    // The catalogue's order: subfolders by name in reverse, the folder itself last.
    const QStringList folders = root.entryList(QDir::Dirs | QDir::NoDotDot, QDir::Name | QDir::Reversed);
    for (const QString &name : folders) {
        const QDir folder(root.absoluteFilePath(name));
        const QStringList folderFiles = folder.entryList(QDir::Files, QDir::Unsorted);
        const QFileInfoList xmlFiles = folder.entryInfoList({ QStringLiteral("*.xml") }, QDir::Files, QDir::Name);
        for (const QFileInfo &file : xmlFiles) {
            auto entry = std::make_unique<IODDEntry>(file, folderFiles);
            entry->parse();
            if (entry->isValid())
                found.push_back(std::move(entry));
        }
    }
    return found;
}

QStringList IoddFolder::companionsOf(const QString &ioddPath, const QStringList &folderFiles)
{
    const QFileInfo iodd(ioddPath);
    const QString languagePrefix = iodd.completeBaseName() + QLatin1Char('-');
    const QByteArray content = contentOf(ioddPath);
    QStringList companions;
    for (const QString &name : folderFiles) {
        if (name == iodd.fileName())
            continue;
        const bool language = name.startsWith(languagePrefix) && name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
        if (language || (isPictureName(name) && namesPicture(content, name)))
            companions << name;
    }
    return companions;
}

QStringList IoddFolder::filesOf(const QString &ioddPath)
{
    const QFileInfo iodd(ioddPath);
    const QDir folder = iodd.absoluteDir();
    const QStringList folderFiles = folder.entryList(QDir::Files, QDir::Name);
    QStringList files = { iodd.fileName() };
    const QStringList companions = companionsOf(ioddPath, folderFiles);
    // A picture that another IODD of the folder still names stays.
    QSet<QString> sharedPictures;
    const QStringList others = folder.entryList({ QStringLiteral("*.xml") }, QDir::Files);
    for (const QString &other : others) {
        if (other == iodd.fileName() || companions.contains(other))
            continue;
        const QByteArray content = contentOf(folder.filePath(other));
        for (const QString &name : companions) {
            if (isPictureName(name) && namesPicture(content, name))
                sharedPictures.insert(name);
        }
    }
    for (const QString &name : companions) {
        if (!sharedPictures.contains(name))
            files << name;
    }
    return files;
}

bool IoddFolder::isPackageFolder(const QString &folder, const QString &ioddPath) const
{
    // A subfolder is one package when every device description in it is a release of this one device;
    // a folder of unrelated IODDs loses only this IODD's files.
    IODDEntry chosen{ QFileInfo(ioddPath) };
    chosen.parse();
    const QFileInfoList xmlFiles = QDir(folder).entryInfoList({ QStringLiteral("*.xml") }, QDir::Files);
    for (const QFileInfo &file : xmlFiles) {
        IODDEntry entry(file);
        entry.parse();
        if (entry.isValid() && (entry.getVendorId() != chosen.getVendorId() || entry.getDeviceId() != chosen.getDeviceId()))
            return false;
    }
    return true;
}

QString IoddFolder::removalTarget(const QString &ioddPath, QString *error) const
{
    const QFileInfo iodd(ioddPath);
    if (!iodd.isFile() || !isInside(ioddPath, folderPath)) {
        if (error)
            *error = tr("%1 is not an IODD file of the IODD folder %2.").arg(ioddPath, folderPath);
        return QString();
    }
    const QString parent = iodd.absolutePath();
    const QString root = QFileInfo(folderPath).canonicalFilePath();
    const bool loose = QFileInfo(parent).canonicalFilePath() == root;
    const bool subfolder = QFileInfo(QFileInfo(parent).canonicalFilePath()).absolutePath() == root;
    if (loose || !subfolder || !isPackageFolder(parent, ioddPath))
        return iodd.absoluteFilePath();
    return parent;
}

bool IoddFolder::remove(const QString &ioddPath, QString *error) const
{
    const QString target = removalTarget(ioddPath, error);
    if (target.isEmpty())
        return false;
    if (QFileInfo(target).isDir()) {
        if (QDir(target).removeRecursively())
            return true;
        if (error)
            *error = tr("The folder %1 could not be removed completely.").arg(target);
        return false;
    }
    const QDir folder = QFileInfo(target).absoluteDir();
    const QStringList files = filesOf(target);
    QStringList failed;
    for (const QString &name : files) {
        if (!QFile::remove(folder.filePath(name)))
            failed << name;
    }
    if (failed.isEmpty())
        return true;
    if (error)
        *error = tr("These files could not be removed: %1").arg(failed.join(QStringLiteral(", ")));
    return false;
}
