#include "standarddocuments.h"

#include "iodd/model/iodevicet.h"

#include <QDebug>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <memory>

namespace {

const QString standardFolder = QStringLiteral(":/iolink/standard/StandardDefinitions/");
const QString english = QStringLiteral("en");

QString definitionsPath(const QString &language = QString())
{
    return standardFolder + QStringLiteral("IODD-StandardDefinitions1.1")
        + (language.isEmpty() ? QString() : QLatin1Char('-') + language) + QStringLiteral(".xml");
}

QString unitsPath(const QString &language = QString())
{
    return standardFolder + QStringLiteral("IODD-StandardUnitDefinitions1.1")
        + (language.isEmpty() ? QString() : QLatin1Char('-') + language) + QStringLiteral(".xml");
}

void load(IODeviceT &tree, const QString &path, XmlDocumentKind kind)
{
    qInfo() << "Loading standard XML:" << path;
    if (!tree.loadXml(path, kind))
        qCritical() << Q_FUNC_INFO << "Could not read XML:" << path;
}

// Text lookups build their index on first use; a shared document gets it before any other thread reads it.
void index(const ChildList<PrimaryLanguageT> &languages)
{
    for (const PrimaryLanguageT *language : languages)
        language->findText(QString());
}

template <class Document>
void indexCollections(const Document *document)
{
    if (!document)
        return;
    for (const ExternalTextCollectionT *collection : document->ExternalTextCollection) {
        index(collection->PrimaryLanguage);
        index(collection->Language);
    }
}

// Scratch trees that hold the documents read so far. They keep them for the whole process, so a shared
// document is never held by one tree alone and so never written again.
struct Cache
{
    QMutex mutex;
    std::unique_ptr<IODeviceT> definitions;
    QHash<QString, std::shared_ptr<IODeviceT>> texts;
};

// Never destroyed: a build abandoned at the end of the program may still be reading from it.
Cache &cache()
{
    static Cache *instance = new Cache;
    return *instance;
}

const IODeviceT &definitions(Cache &cache)
{
    if (!cache.definitions) {
        auto tree = std::make_unique<IODeviceT>();
        load(*tree, definitionsPath(), XmlDocumentKind::StandardDefinitions);
        load(*tree, unitsPath(), XmlDocumentKind::StandardUnitDefinitions);
        load(*tree, standardFolder + QStringLiteral("IODD-StandardDefinitions1.0.1.xml"),
             XmlDocumentKind::SecondaryStandardDefinitions);
        indexCollections(tree->standardDefinitions.get());
        indexCollections(tree->standardUnitDefinitions.get());
        indexCollections(tree->secondaryStandardDefinitions.get());
        cache.definitions = std::move(tree);
    }
    return *cache.definitions;
}

// The language in force is read last, so that its entries are the last ones and the ones looked up.
const IODeviceT &texts(Cache &cache, const QString &language)
{
    std::shared_ptr<IODeviceT> &tree = cache.texts[language];
    if (!tree) {
        QStringList order;
        for (const QString &offered : StandardDocuments::languages()) {
            if (offered != english && offered != language)
                order.append(offered);
        }
        if (language != english && StandardDocuments::languages().contains(language))
            order.append(language);
        auto fresh = std::make_shared<IODeviceT>();
        for (const QString &code : qAsConst(order)) {
            load(*fresh, definitionsPath(code), XmlDocumentKind::StandardDefinitionsLanguage);
            load(*fresh, unitsPath(code), XmlDocumentKind::StandardUnitDefinitionsLanguage);
        }
        for (const ExternalTextDocumentT *document : { fresh->standardTexts.get(), fresh->standardUnitTexts.get() }) {
            if (document)
                index(document->Language);
        }
        tree = fresh;
    }
    return *tree;
}

void putTexts(IODeviceT &device, const IODeviceT &languageTexts)
{
    device.standardTexts = languageTexts.standardTexts;
    device.standardUnitTexts = languageTexts.standardUnitTexts;
}

} // namespace

QStringList StandardDocuments::languages()
{
    return { english, QStringLiteral("de"), QStringLiteral("fr") };
}

void StandardDocuments::lend(IODeviceT &device, const QString &language, bool secondary)
{
    Cache &shared = cache();
    QMutexLocker lock(&shared.mutex);
    const IODeviceT &standard = definitions(shared);
    device.standardDefinitions = standard.standardDefinitions;
    device.standardUnitDefinitions = standard.standardUnitDefinitions;
    device.secondaryStandardDefinitions = secondary ? standard.secondaryStandardDefinitions : nullptr;
    putTexts(device, texts(shared, language));
    // Read here, beside the window, so that switching the language later reads nothing in the window's thread.
    for (const QString &code : languages())
        texts(shared, code);
}

void StandardDocuments::lendTexts(IODeviceT &device, const QString &language)
{
    // No texts ship for other languages; those in force stay.
    if (!languages().contains(language))
        return;
    Cache &shared = cache();
    QMutexLocker lock(&shared.mutex);
    putTexts(device, texts(shared, language));
}
