#include "iodevicet.h"

#include "completionsupport.h"
#include "core/backgroundpool.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDomDocument>
#include <QFile>
#include <QThreadPool>
#include <QXmlStreamReader>

#include <cstring>

using CompletionSupport::lastOf;

namespace {
// The tree of a large document takes as long to free as to read, and no reader need wait for it.
constexpr int freeBesideFromBytes = 256 * 1024;

bool freesBeside(const QByteArray &content)
{
    return QCoreApplication::instance() && content.size() >= freeBesideFromBytes;
}

template <class T>
T *ensure(std::unique_ptr<T> &root)
{
    if (!root)
        root.reset(new T);
    return root.get();
}

// A root shared with other trees is never written; one this tree holds alone takes more documents.
template <class T>
T *ensure(std::shared_ptr<const T> &root)
{
    if (!root) {
        auto fresh = std::make_shared<T>();
        root = fresh;
        return fresh.get();
    }
    return root.use_count() == 1 ? const_cast<T *>(root.get()) : nullptr;
}
// Real descriptions nest about a dozen levels; the DOM parser needs time quadratic in the depth
// and crashes on very deep documents, so anything deeper than this is refused before it parses.
constexpr int maxElementDepth = 100;
// Real descriptions stay below a few megabytes; anything this large is refused unread.
constexpr qint64 maxFileSize = 50 * 1024 * 1024;

bool nestingIsAcceptableByParser(const QByteArray &content)
{
    QXmlStreamReader xml(content);
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth > maxElementDepth)
                return false;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return !xml.hasError();
}

const char *skipPast(const char *from, const char *end, const QByteArray &terminator)
{
    const int at = QByteArray::fromRawData(from, int(end - from)).indexOf(terminator);
    return at < 0 ? end : from + at + terminator.size();
}

bool opens(const char *from, const char *end, const char *marker)
{
    const size_t length = strlen(marker);
    return size_t(end - from) >= length && memcmp(from, marker, length) == 0;
}

// The '>' that closes a tag starting at `from`; quoted attribute values may hold one.
const char *tagEnd(const char *from, const char *end)
{
    char quote = 0;
    for (const char *p = from; p < end; ++p) {
        if (quote) {
            if (*p == quote)
                quote = 0;
        } else if (*p == '"' || *p == '\'') {
            quote = *p;
        } else if (*p == '>') {
            return p;
        }
    }
    return end;
}

// Single-byte text without a document type declaration (all real descriptions) is scanned for tags
// directly, many times faster than a parse; anything else, where entities or wide characters could
// hide tags from a byte scan, goes through the stream parser. Malformed text passes here and is
// refused by the parse that follows, which stops at the first fault.
bool nestingIsAcceptable(const QByteArray &content)
{
    const bool wide = content.size() >= 2 && (content.at(0) == 0 || content.at(1) == 0
                                              || uchar(content.at(0)) >= 0xFE);
    if (wide || content.contains("<!DOCTYPE"))
        return nestingIsAcceptableByParser(content);
    const char *p = content.constData();
    const char *const end = p + content.size();
    int depth = 0;
    while ((p = static_cast<const char *>(memchr(p, '<', size_t(end - p))))) {
        if (++p == end)
            break;
        if (*p == '/') {
            --depth;
            p = tagEnd(p, end);
        } else if (*p == '?') {
            p = skipPast(p, end, QByteArrayLiteral("?>"));
        } else if (opens(p, end, "!--")) {
            p = skipPast(p + 3, end, QByteArrayLiteral("-->"));
        } else if (opens(p, end, "![CDATA[")) {
            p = skipPast(p, end, QByteArrayLiteral("]]>"));
        } else {
            const char *close = tagEnd(p, end);
            if (depth + 1 > maxElementDepth)
                return false;
            if (close < end && close[-1] != '/')
                ++depth;
            p = close;
        }
        if (p >= end)
            break;
    }
    return true;
}

// The program's own resources are trusted; files from the IODD folder are not.
bool isResource(const QString &path)
{
    return path.startsWith(QLatin1String(":/"));
}

// Only the prototype goes: a collection completed by an earlier load keeps its entries.
template <class T>
void removePrototype(ChildList<T> &list)
{
    if (!list.isEmpty() && list.first() == list.prototype())
        list.removeFirst();
}
} // namespace

IODeviceT::IODeviceT()
{
    elementName = QStringLiteral("IODevice");
    declare(DocumentInfo, QStringLiteral("DocumentInfo"));
    declare(ProfileHeader, QStringLiteral("ProfileHeader"));
    declare(ProfileBody, QStringLiteral("ProfileBody"));
    declare(CommNetworkProfile, QStringLiteral("CommNetworkProfile"));
    declare(ExternalTextCollection, QStringLiteral("ExternalTextCollection"));
    declare(Stamp, QStringLiteral("Stamp"));
}

IODeviceT::~IODeviceT() = default;

DeviceFunctionT *IODeviceT::deviceFunction() const
{
    const ProfileBodyT *body = lastOf(ProfileBody);
    return body ? lastOf(body->DeviceFunction) : nullptr;
}

IOLinkKlasse *IODeviceT::targetRoot(XmlDocumentKind kind)
{
    switch (kind) {
    case XmlDocumentKind::ProductDescription:
        return this;
    case XmlDocumentKind::StandardDefinitions:
        return ensure(standardDefinitions);
    case XmlDocumentKind::StandardUnitDefinitions:
        return ensure(standardUnitDefinitions);
    case XmlDocumentKind::StandardUnitDefinitionsLanguage:
        return ensure(standardUnitTexts);
    case XmlDocumentKind::StandardDefinitionsLanguage:
        return ensure(standardTexts);
    case XmlDocumentKind::ExtraTexts:
        return ensure(extraTexts);
    case XmlDocumentKind::SecondaryStandardDefinitions:
        return ensure(secondaryStandardDefinitions);
    }
    return nullptr;
}

bool IODeviceT::loadXml(const QString &path, XmlDocumentKind kind)
{
    filePath = path;
    QFile file(path);
    if (!file.exists())
        return false;
    IOLinkKlasse *target = targetRoot(kind);
    if (!target || !file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > maxFileSize) {
        qWarning() << Q_FUNC_INFO << "IODD file larger than 50 MB, not loaded:" << file.size() << path;
        return false;
    }

    const QByteArray content = file.readAll();
    file.close();
    if (!isResource(path) && !nestingIsAcceptable(content)) {
        qWarning() << Q_FUNC_INFO << "XML nested deeper than" << maxElementDepth << "levels or not well-formed, not loaded:" << path;
        return false;
    }
    auto document = std::make_unique<QDomDocument>();
    if (!document->setContent(content))
        return false;
    const bool product = kind == XmlDocumentKind::ProductDescription;
    const bool read = readDocument(*document, target, product);
    if (freesBeside(content))
        BackgroundPool::instance()->start([tree = document.release()]() { delete tree; });
    if (!read)
        return false;

    if (kind == XmlDocumentKind::StandardDefinitions || kind == XmlDocumentKind::SecondaryStandardDefinitions)
        completeStandardDefinitions(static_cast<IODDStandardDefinitionsT *>(target));
    else if (product)
        completeProduct();
    return true;
}

bool IODeviceT::readDocument(const QDomDocument &document, IOLinkKlasse *target, bool product)
{
    const QDomNodeList roots = document.elementsByTagName(target->elementName);
    if (roots.size() != 1)
        return false;
    if (product)
        schemaVersion = schemaVersionOfNamespace(roots.at(0).toElement().attribute(QStringLiteral("xmlns")));
    IODDReader reader;
    reader.readElement(target, roots.at(0), product ? QString() : target->elementName);
    return true;
}

QString IODeviceT::schemaVersionOfNamespace(const QString &namespaceUri)
{
    if (namespaceUri == QLatin1String("http://www.io-link.com/IODD/2009/11"))
        return QStringLiteral("1.0.1");
    if (namespaceUri == QLatin1String("http://www.io-link.com/IODD/2010/10"))
        return QStringLiteral("1.1");
    return QString();
}

QString IODeviceT::schemaVersionOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader reader(&file);
    if (!reader.readNextStartElement())
        return QString();
    return schemaVersionOfNamespace(reader.namespaceUri().toString());
}

const IODDStandardDefinitionsT *IODeviceT::completionStandardDefinitions() const
{
    // The schema tells which definitions a document was written against; the document version is
    // the vendor's own numbering and only counts where secondary definitions were loaded on purpose.
    // When none were loaded the primary ones stand in, so standard references still resolve.
    const bool older = schemaVersion == QLatin1String("1.0.1") || version.contains(QLatin1String("V1.0.1"));
    if (older && secondaryStandardDefinitions)
        return secondaryStandardDefinitions.get();
    return standardDefinitions.get();
}

void IODeviceT::completeProduct()
{
    DeviceFunctionT *function = deviceFunction();
    VariableCollectionT *collection = function ? lastOf(function->VariableCollection) : nullptr;
    if (collection) {
        // From here on the four lists hold only the document's entries.
        removePrototype(collection->StdDirectParameterRef);
        removePrototype(collection->StdVariableRef);
        removePrototype(collection->DirectParameterOverlay);
        removePrototype(collection->Variable);
    }
    const DocumentInfoT *info = lastOf(DocumentInfo);
    version = info ? info->version.value : QString();

    const IODDStandardDefinitionsT *standard = completionStandardDefinitions();
    resolveProcessDataInputs();
    completeVariables(standard);
    buildEventTable();
}
