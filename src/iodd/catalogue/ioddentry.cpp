#include "core/logcategories.h"
#include "ioddentry.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace {
const QLatin1String elementIODevice("IODevice");
const QLatin1String elementDocumentInfo("DocumentInfo");
const QLatin1String elementProfileBody("ProfileBody");
const QLatin1String elementExternalTextCollection("ExternalTextCollection");
const QLatin1String elementDeviceIdentity("DeviceIdentity");
const QLatin1String elementDeviceFunction("DeviceFunction");
const QLatin1String elementVariableCollection("VariableCollection");
const QLatin1String elementVendorLogo("VendorLogo");
const QLatin1String elementDeviceName("DeviceName");
const QLatin1String elementDeviceVariantCollection("DeviceVariantCollection");
const QLatin1String elementDeviceVariant("DeviceVariant");
const QLatin1String elementStdVariableRef("StdVariableRef");
const QLatin1String elementProductName("ProductName");
const QLatin1String elementName("Name");
const QLatin1String elementText("Text");
const QLatin1String attributeReleaseDate("releaseDate");
const QLatin1String attributeVersion("version");
const QLatin1String attributeVendorId("vendorId");
const QLatin1String attributeVendorName("vendorName");
const QLatin1String attributeDeviceId("deviceId");
const QLatin1String attributeProductId("productId");
const QLatin1String attributeName("name");
const QLatin1String attributeDeviceIcon("deviceIcon");
const QLatin1String attributeDeviceSymbol("deviceSymbol");
const QLatin1String attributeId("id");
const QLatin1String attributeDefaultValue("defaultValue");
const QLatin1String attributeTextId("textId");
const QLatin1String attributeValue("value");
const QLatin1String productNameVariable("V_ProductName");

// The identity counts that make an entry valid: three identity attributes, the logo, one variant (counted twice).
constexpr uint completeIdentityCount = 6;
constexpr uint completeVersionCount = 2;

// Real descriptions stay below a few megabytes; anything this large is refused unread.
constexpr qint64 maxFileSize = 50 * 1024 * 1024;

QStringList filesOfFolder(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Unsorted);
}
} // namespace

IODDEntry::IODDEntry(const QFileInfo &fileInfo, QObject *parent)
    : IODDEntry(fileInfo, filesOfFolder(fileInfo.absolutePath()), parent)
{
}

IODDEntry::IODDEntry(const QFileInfo &fileInfo, const QStringList &folderFiles, QObject *parent)
    : QObject(parent)
    , folder(fileInfo.absolutePath())
    , vendorName(undefinedText())
    , productName(undefinedText())
    , ioddPath(fileInfo.absoluteFilePath())
    , fileInfo(fileInfo)
    , folderFiles(folderFiles)
{
}

QString IODDEntry::undefinedText()
{
    return tr("undefined");
}

void IODDEntry::parse()
{
    QFile file(ioddPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning() << Q_FUNC_INFO << "Cannot read IODD file" << file.errorString() << ioddPath;
        return;
    }
    valid = false;
    if (file.size() > maxFileSize) {
        qWarning() << Q_FUNC_INFO << "IODD file larger than 50 MB, not scanned:" << file.size() << ioddPath;
        return;
    }
    deviceIcons.clear();
    deviceSymbols.clear();

    QXmlStreamReader reader(&file);
    ScanState state;
    if (reader.readNextStartElement() && reader.name() == elementIODevice) {
        while (!state.done() && reader.readNextStartElement()) {
            const QStringRef name = reader.name();
            if (name == elementDocumentInfo)
                readDocumentInfo(reader, state);
            else if (name == elementProfileBody)
                readProfileBody(reader, state);
            else if (name == elementExternalTextCollection && !state.nameResolved)
                readExternalTexts(reader, state);
            else
                reader.skipCurrentElement();
        }
    }
    valid = state.nameResolved && state.identityCount == completeIdentityCount
            && state.versionCount == completeVersionCount;
}

void IODDEntry::readDocumentInfo(QXmlStreamReader &reader, ScanState &state)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    if (attributes.hasAttribute(attributeReleaseDate)) {
        releaseDate = attributes.value(attributeReleaseDate).toString();
        ++state.versionCount;
    }
    if (attributes.hasAttribute(attributeVersion)) {
        version = attributes.value(attributeVersion).toString();
        ++state.versionCount;
    }
    qCDebug(lcIodd) << "IODD file version:" << version << releaseDate;
    reader.skipCurrentElement();
}

void IODDEntry::readProfileBody(QXmlStreamReader &reader, ScanState &state)
{
    while (!state.done() && reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name == elementDeviceIdentity) {
            state.identityCount = parseIds(reader);
            state.identityRead = true;
        } else if (name == elementDeviceFunction) {
            while (!state.done() && reader.readNextStartElement()) {
                if (reader.name() == elementVariableCollection)
                    readProductNameDefault(reader, state);
                else
                    reader.skipCurrentElement();
            }
        } else {
            reader.skipCurrentElement();
        }
    }
}

void IODDEntry::readProductNameDefault(QXmlStreamReader &reader, ScanState &state)
{
    while (!state.done() && reader.readNextStartElement()) {
        if (reader.name() == elementStdVariableRef) {
            const QXmlStreamAttributes attributes = reader.attributes();
            // An empty default names nothing; the device name's text does then.
            if (attributes.value(attributeId) == productNameVariable && !attributes.value(attributeDefaultValue).isEmpty()) {
                productName = attributes.value(attributeDefaultValue).toString();
                qCDebug(lcIodd) << "Product name:" << productName;
                state.nameResolved = true;
                if (state.done())
                    return;
            }
        }
        reader.skipCurrentElement();
    }
}

void IODDEntry::readExternalTexts(QXmlStreamReader &reader, ScanState &state)
{
    // Document order puts the primary language first, so its text wins.
    int depth = 1;
    while (depth > 0 && !reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (reader.name() == elementText && reader.attributes().value(attributeId) == productName) {
                productName = reader.attributes().value(attributeValue).toString();
                state.nameResolved = true;
                return;
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
}

uint IODDEntry::parseIds(QXmlStreamReader &reader)
{
    qCDebug(lcIodd) << Q_FUNC_INFO << "-> Element" << reader.name();
    const QString elementName = reader.name().toString();
    uint count = 0;
    const QXmlStreamAttributes attributes = reader.attributes();
    if (attributes.hasAttribute(attributeVendorId)) {
        vendorId = attributes.value(attributeVendorId).toInt(nullptr, 10);
        ++count;
    }
    if (attributes.hasAttribute(attributeVendorName)) {
        vendorName = attributes.value(attributeVendorName).toString();
        ++count;
    }
    if (attributes.hasAttribute(attributeDeviceId)) {
        deviceId = attributes.value(attributeDeviceId).toInt(nullptr, 10);
        ++count;
    }
    qCDebug(lcIodd) << "IDs:" << vendorName << vendorId << deviceId;

    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name == elementVendorLogo) {
            vendorLogo = reader.attributes().value(attributeName).toString();
            qCDebug(lcIodd) << "vendor logo:" << vendorLogo;
            ++count;
            reader.skipCurrentElement();
        } else if (name == elementDeviceName) {
            productName = reader.attributes().value(attributeTextId).toString();
            reader.skipCurrentElement();
        } else if (name == elementDeviceVariantCollection) {
            count += 2 * readDeviceVariants(reader);
        } else {
            reader.skipCurrentElement();
        }
    }
    qCDebug(lcIodd) << Q_FUNC_INFO << "<- Element" << elementName;
    return count;
}

uint IODDEntry::readDeviceVariants(QXmlStreamReader &reader)
{
    uint variants = 0;
    while (reader.readNextStartElement()) {
        if (reader.name() != elementDeviceVariant) {
            reader.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString productId = attributes.value(attributeProductId).toString();
        const QString icon = absolutePicturePath(attributes.value(attributeDeviceIcon).toString());
        const QString symbol = absolutePicturePath(attributes.value(attributeDeviceSymbol).toString());
        if (productName == undefinedText()) {
            while (reader.readNextStartElement()) {
                if (reader.name() == elementProductName || reader.name() == elementName)
                    productName = reader.attributes().value(attributeTextId).toString();
                reader.skipCurrentElement();
            }
        } else {
            reader.skipCurrentElement();
        }
        deviceIcons.insert(productId, icon);
        deviceSymbols.insert(productId, symbol);
        qCDebug(lcIodd) << "device:" << productId << deviceIcons << deviceSymbols;
        ++variants;
    }
    return variants;
}

QString IODDEntry::absolutePicturePath(const QString &fileName) const
{
    // A variant without a picture keeps an empty path rather than pointing at the folder itself.
    if (fileName.isEmpty())
        return QString();
    return QDir(folder).absoluteFilePath(fileName);
}

bool IODDEntry::isLanguageFileOf(const QString &fileName, const QString &descriptionFile)
{
    // "<name of the description>-<language>.xml", the language as "de" or "zh-CN".
    static const QRegularExpression language(QStringLiteral("^-[a-z]{2}(-[a-z]{2,4})?\\.xml$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QString base = QFileInfo(descriptionFile).completeBaseName();
    return fileName.startsWith(base, Qt::CaseInsensitive) && language.match(fileName.mid(base.size())).hasMatch();
}

QStringList IODDEntry::getFiles() const
{
    QStringList pictures { vendorLogo };
    for (const QString &path : deviceIcons)
        pictures << QFileInfo(path).fileName();
    for (const QString &path : deviceSymbols)
        pictures << QFileInfo(path).fileName();

    QStringList own;
    for (const QString &name : folderFiles) {
        if (name.compare(fileInfo.fileName(), Qt::CaseInsensitive) == 0 || isLanguageFileOf(name, fileInfo.fileName())
            || pictures.contains(name, Qt::CaseInsensitive))
            own << name;
    }
    std::sort(own.begin(), own.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return own;
}

bool IODDEntry::isMatchingProductId(const QString &productId) const
{
    if (productId.isEmpty() || !deviceIcons.contains(productId))
        return false;
    qCDebug(lcIodd) << productId << "matches" << productName;
    return true;
}

QString IODDEntry::pathFor(const QMap<QString, QString> &paths, const QString &productId)
{
    const auto found = paths.constFind(productId);
    if (found != paths.constEnd())
        return found.value();
    return paths.isEmpty() ? QString() : paths.first();
}

QString IODDEntry::getDeviceIconPath(const QString &productId) const
{
    return pathFor(deviceIcons, productId);
}

QString IODDEntry::getDeviceSymbolPath(const QString &productId) const
{
    return pathFor(deviceSymbols, productId);
}

QString IODDEntry::getFirstDeviceIconPath() const
{
    return deviceIcons.isEmpty() ? QString() : deviceIcons.first();
}

QString IODDEntry::getFirstDeviceSymbolPath() const
{
    return deviceSymbols.isEmpty() ? QString() : deviceSymbols.first();
}
