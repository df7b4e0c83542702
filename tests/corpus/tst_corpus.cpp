#include "testenvironment.h"
#include "testzips.h"

#include "device/variablewrapper.h"
#include "iodd/catalogue/ioddentry.h"
#include "iodd/model/documentelements.h"
#include "iodd/model/iodevicet.h"
#include "iodd/model/variableelements.h"
#include "iodd/package/ioddfolder.h"
#include "iodd/package/ioddimporter.h"

#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QLoggingCategory>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstring>

Q_LOGGING_CATEGORY(corpusSummary, "ovinex.corpus")

namespace {

QDomElement child(const QDomElement &parent, const QString &localName)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        if (e.localName() == localName)
            return e;
    return QDomElement();
}

QString textById(const QDomElement &texts, const QString &id)
{
    // Document order: the primary language comes first.
    const QDomNodeList all = texts.elementsByTagNameNS(texts.namespaceURI(), "Text");
    for (int i = 0; i < all.size(); ++i)
        if (all.at(i).toElement().attribute("id") == id)
            return all.at(i).toElement().attribute("value");
    return QString();
}

QString productNameOf(const QDomElement &root, const QDomElement &identity)
{
    const QDomElement variables = child(child(child(root, "ProfileBody"), "DeviceFunction"), "VariableCollection");
    for (QDomElement ref = variables.firstChildElement(); !ref.isNull(); ref = ref.nextSiblingElement())
        if (ref.localName() == "StdVariableRef" && ref.attribute("id") == "V_ProductName" && !ref.attribute("defaultValue").isEmpty())
            return ref.attribute("defaultValue");
    QString textId = child(identity, "DeviceName").attribute("textId");
    // Older IODDs name the product in their variants only.
    const QDomElement variants = child(identity, "DeviceVariantCollection");
    for (QDomElement v = variants.firstChildElement(); textId.isEmpty() && !v.isNull(); v = v.nextSiblingElement())
        for (QDomElement n = v.firstChildElement(); !n.isNull(); n = n.nextSiblingElement())
            if (n.localName() == "ProductName" || n.localName() == "Name")
                textId = n.attribute("textId");
    return textById(child(root, "ExternalTextCollection"), textId);
}

// An independent full reading of the identity: vendor id, device id, vendor name, version, release date, product id
// and product name; nothing when the file cannot be read or has other than one device variant.
QStringList identityByDom(const QString &path)
{
    QFile file(path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file, true))
        return {};
    const QDomElement root = document.documentElement();
    const QDomElement info = child(root, "DocumentInfo");
    const QDomElement device = child(child(root, "ProfileBody"), "DeviceIdentity");
    QStringList productIds;
    const QDomElement variants = child(device, "DeviceVariantCollection");
    for (QDomElement v = variants.firstChildElement(); !v.isNull(); v = v.nextSiblingElement())
        if (v.localName() == "DeviceVariant")
            productIds << v.attribute("productId");
    if (productIds.size() != 1)
        return {};
    return { QString::number(device.attribute("vendorId").toInt()), QString::number(device.attribute("deviceId").toInt()),
             device.attribute("vendorName"), info.attribute("version"), info.attribute("releaseDate"), productIds.first(),
             productNameOf(root, device) };
}

} // namespace

// Every real device description through the layers that read it: the catalogue's scan against an
// independent reading of its identity, the import of its package, the reader's tree against an independent
// count of its elements, and each variable's values through an encode and decode round trip.
class TestCorpus : public QObject
{
    Q_OBJECT

private:
    using Counts = QMap<QString, int>;

    static QStringList countedNames()
    {
        return {"Variable", "StdVariableRef", "Datatype", "Menu", "ProcessData"};
    }

    // Counts elements by their name as written, the way the reader matches them.
    static Counts streamCount(const QString &path, bool *wellFormed)
    {
        Counts counts;
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&file);
        const QStringList names = countedNames();
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && names.contains(xml.qualifiedName().toString()))
                ++counts[xml.qualifiedName().toString()];
        }
        *wellFormed = !xml.hasError();
        return counts;
    }

    // Read instances only: prototypes and entries shared from other lists are not counted twice.
    static void treeCount(const IOLinkKlasse *element, Counts &counts, QSet<const IOLinkKlasse *> &seen)
    {
        for (const ChildListBase *list : element->childSlots) {
            for (int i = 0; i < list->entryCount(); ++i) {
                const IOLinkKlasse *entry = list->entry(i);
                if (entry == list->prototype() || seen.contains(entry))
                    continue;
                seen.insert(entry);
                ++counts[entry->elementName];
                treeCount(entry, counts, seen);
            }
        }
    }

    // The tree as the reader leaves it, before the completion adds resolved copies.
    static Counts readerCount(const QString &path, IOLinkKlasse *root)
    {
        Counts counts;
        QFile file(path);
        QDomDocument document;
        if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
            return counts;
        const QDomNodeList roots = document.elementsByTagName(root->elementName);
        if (roots.size() != 1)
            return counts;
        IODDReader().readElement(root, roots.at(0), QString());
        QSet<const IOLinkKlasse *> seen;
        treeCount(root, counts, seen);
        return relevantOnly(counts);
    }

    static Counts relevantOnly(const Counts &counts)
    {
        Counts relevant;
        for (const QString &name : countedNames())
            relevant[name] = counts.value(name);
        return relevant;
    }

    static QList<const Variable *> variablesOf(const IODeviceT &device)
    {
        QList<const Variable *> result;
        const DeviceFunctionT *function = device.deviceFunction();
        if (!function || function->VariableCollection.isEmpty())
            return result;
        const VariableCollectionT *collection = function->VariableCollection.last();
        for (const AbstractVariableT *element : collection->DirectParameterOverlay)
            result.append(&element->variable);
        for (const AbstractVariableT *element : collection->StdVariableRef)
            result.append(&element->variable);
        for (const AbstractVariableT *element : collection->StdDirectParameterRef)
            result.append(&element->variable);
        for (const AbstractVariableT *element : collection->Variable)
            result.append(&element->variable);
        return result;
    }

    static QByteArray pattern(int size)
    {
        QByteArray payload(size, '\0');
        for (int i = 0; i < size; ++i)
            payload[i] = char(0x3B + 29 * i);
        return payload;
    }

    // Floats by their bits: the pattern holds NaNs, which never compare equal.
    static bool sameValue(const QVariant &a, const QVariant &b)
    {
        if (a.userType() == QMetaType::Float && b.userType() == QMetaType::Float) {
            const float x = a.toFloat();
            const float y = b.toFloat();
            return std::memcmp(&x, &y, sizeof x) == 0;
        }
        return a.userType() == b.userType() && a == b;
    }

    static bool sameValues(const VariableWrapper &a, const VariableWrapper &b)
    {
        if (!sameValue(a.getOwnRecord().value, b.getOwnRecord().value))
            return false;
        for (int i = 0; i < a.getRecords().size(); ++i) {
            if (!sameValue(a.getRecords().at(i).value, b.getRecords().at(i).value))
                return false;
        }
        return true;
    }

    // Whole variables and records written as a whole go in one payload, other items one by one.
    static void transfer(const VariableWrapper &from, VariableWrapper &to)
    {
        if (!from.isComplex() || !from.isSubindexAccessSupported()) {
            to.setDataFromDevice(0, from.toByteArray(0));
            return;
        }
        for (const VariableWrapper::Record &record : from.getRecords())
            to.setDataFromDevice(record.subindex, from.toByteArray(record.subindex));
    }

private slots:
    void initTestCase()
    {
        if (!TestEnvironment::hasCorpus())
            QSKIP("The IODD corpus is not present");
        // The scan's and the variables' log lines would drown the report.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.info=false\ndefault.warning=false\n"
                                                        "ovinex.corpus.info=true"));
    }

    void everyFileScansAndValidEntriesAgreeWithTheDom()
    {
        QDirIterator files(TestEnvironment::corpusPath(), { "*.xml" }, QDir::Files, QDirIterator::Subdirectories);
        int scanned = 0;
        int valid = 0;
        while (files.hasNext()) {
            const QString path = files.next();
            IODDEntry entry { QFileInfo(path) };
            entry.parse();
            ++scanned;
            if (!entry.isValid())
                continue;
            ++valid;

            const QStringList dom = identityByDom(path);
            QVERIFY2(dom.size() == 7, qPrintable(path));
            QVERIFY2(dom.at(5).isEmpty() || entry.isMatchingProductId(dom.at(5)), qPrintable(path));
            const QStringList byScan { QString::number(entry.getVendorId()), QString::number(entry.getDeviceId()),
                                       entry.getVendorName(), entry.getIODDVersion(), entry.getIODDReleaseDate(), dom.at(5),
                                       entry.getProductName() };
            QVERIFY2(byScan == dom, qPrintable(path + ": " + byScan.join(" | ") + " vs " + dom.join(" | ")));
        }
        fprintf(stderr, "%d files scanned, %d valid\n", scanned, valid);
        // Guards against a vacuous pass: the corpus holds dozens of single-variant IODDs.
        QVERIFY(valid >= 20);
    }

    void everyCorpusFileImports_data()
    {
        TestEnvironment::addCorpusFileRows();
    }

    void everyCorpusFileImports()
    {
        QFETCH(QString, path);
        QTemporaryDir work;
        const QFileInfo iodd(path);
        QList<QPair<QString, QByteArray>> files;
        QStringList names = IoddFolder::companionsOf(path, iodd.absoluteDir().entryList(QDir::Files));
        names.prepend(iodd.fileName());
        for (const QString &name : qAsConst(names)) {
            QFile file(iodd.absoluteDir().filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            files.append({ "package/" + name, file.readAll() });
        }
        const QString zip = work.filePath("package.zip");
        QVERIFY(TestZips::writeZip(zip, files));
        IODDEntry entry(iodd);
        entry.parse();

        const QList<IoddImportResult> results = IoddImporter(work.filePath("IODDs")).importFile(zip);

        QCOMPARE(results.size(), 1);
        QVERIFY2(results.first().isSuccess() == entry.isValid(), qPrintable(results.first().reason));
        if (entry.isValid()) {
            const QDir imported(results.first().folder);
            for (const QString &name : qAsConst(names))
                QVERIFY2(imported.exists(name), qPrintable(name));
        }
    }

    void readerAndVariables_data()
    {
        TestEnvironment::addCorpusFileRows();
    }

    void readerAndVariables()
    {
        QFETCH(QString, path);
        IODeviceT device;
        device.language = QStringLiteral("en");
        QVERIFY(device.loadXml(QStringLiteral(":/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml"),
                               XmlDocumentKind::StandardDefinitions));
        const bool loaded = device.loadXml(path, XmlDocumentKind::ProductDescription);

        bool wellFormed = false;
        const Counts expected = relevantOnly(streamCount(path, &wellFormed));
        if (!loaded) {
            // Only documents that are not device descriptions, or not well-formed, may be refused.
            QVERIFY(!wellFormed || expected.value("Variable") + expected.value("Menu") == 0);
            return;
        }
        IODeviceT fresh;
        QCOMPARE(readerCount(path, &fresh), expected);

        // The completed tree keeps the same variables and menus.
        Counts completed;
        QSet<const IOLinkKlasse *> seen;
        treeCount(&device, completed, seen);
        QCOMPARE(completed.value("Variable"), expected.value("Variable"));
        QCOMPARE(completed.value("StdVariableRef"), expected.value("StdVariableRef"));
        QCOMPARE(completed.value("Menu"), expected.value("Menu"));
        QCOMPARE(completed.value("ProcessData"), expected.value("ProcessData"));
        (void)device.translate(QStringLiteral("STD_TN_V_DirectParameters_1"));

        // Each variable decodes a payload of its own length, and what it encodes decodes to the same values.
        int typed = 0;
        QStringList mismatches;
        const QList<const Variable *> variables = variablesOf(device);
        for (const Variable *variable : variables) {
            VariableWrapper decoded(variable);
            VariableWrapper copy(variable);
            if (isScalar(decoded.getOwnRecord().type) || !decoded.getRecords().isEmpty())
                ++typed;
            decoded.setDataFromDevice(0, pattern(int(decoded.getOwnRecord().byteLength)));
            transfer(decoded, copy);
            if (!sameValues(decoded, copy))
                mismatches << variable->id;
        }
        qCInfo(corpusSummary).noquote() << QDir(TestEnvironment::corpusPath()).relativeFilePath(path) << "variables"
                          << variables.size() << "typed" << typed << "mismatches" << mismatches.join(' ');
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(' ')));
    }
};

OVINEX_TEST_MAIN(TestCorpus)
#include "tst_corpus.moc"
