#include "testenvironment.h"

#include "iodd/model/iodevicet.h"

#include <QDomDocument>
#include <QSet>
#include <QXmlStreamReader>

// Every real IODD and standard document loads without crash or hang, and the reader's tree holds
// exactly the elements that an independent count finds in the file.
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
        IODDReader(-1).readElement(root, roots.at(0), QString());
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

private slots:
    void initTestCase()
    {
        if (!TestEnvironment::hasCorpus())
            QSKIP("The IODD corpus is not present");
    }

    void deviceDescriptions_data()
    {
        TestEnvironment::addCorpusFileRows();
    }

    void deviceDescriptions()
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
    }
};

OVINEX_TEST_MAIN(TestCorpus)
#include "tst_modelcorpus.moc"
