#include "datatable.h"
#include "testenvironment.h"

#include "iodd/catalogue/samplepackage.h"

#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString resourceFolder = QStringLiteral(":/iolink/standard/StandardDefinitions/");
const QString definitionsFile = QStringLiteral("IODD-StandardDefinitions1.1.xml");
const QString unitsFile = QStringLiteral("IODD-StandardUnitDefinitions1.1.xml");
constexpr int parameterServerCommandCount = 6;

QString languageFile(const QString &mainFile, const QString &language)
{
    QString name = mainFile;
    return name.replace(QStringLiteral(".xml"), QLatin1Char('-') + language + QStringLiteral(".xml"));
}

QDomDocument loadDocument(const QString &path)
{
    QDomDocument document;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return document;
    QString error;
    int line = 0;
    if (!document.setContent(&file, &error, &line))
        qWarning() << path << "is not well-formed:" << error << "at line" << line;
    return document;
}

QList<QDomElement> childElements(const QDomElement &parent, const QString &name)
{
    QList<QDomElement> result;
    for (QDomElement child = parent.firstChildElement(name); !child.isNull(); child = child.nextSiblingElement(name))
        result.append(child);
    return result;
}

QList<QDomElement> collectionEntries(const QDomDocument &document, const QString &collection, const QString &entry)
{
    return childElements(document.documentElement().firstChildElement(collection), entry);
}

QDomElement primaryLanguage(const QDomDocument &document)
{
    return document.documentElement().firstChildElement(QStringLiteral("ExternalTextCollection")).firstChildElement(QStringLiteral("PrimaryLanguage"));
}

// Canonical form of an element: name, sorted attributes and child elements; comments and layout do not count.
QString signature(const QDomElement &element)
{
    QStringList attributes;
    const QDomNamedNodeMap map = element.attributes();
    for (int i = 0; i < map.count(); ++i) {
        const QDomAttr attribute = map.item(i).toAttr();
        attributes.append(attribute.name() + QLatin1Char('=') + attribute.value());
    }
    attributes.sort();
    QString result = element.tagName() + QLatin1Char('[') + attributes.join(QLatin1Char(' ')) + QLatin1Char(']');
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        result += QLatin1Char('(') + signature(child) + QLatin1Char(')');
    return result;
}

// Key of every definition of one kind (id and index, code and additional code) mapped to its canonical form.
QMap<QString, QString> definitions(const QDomDocument &document, const QString &kind)
{
    QMap<QString, QString> result;
    if (kind == QLatin1String("Text")) {
        // the wording is ours; only the ids must match
        for (const QDomElement &e : childElements(primaryLanguage(document), kind))
            result.insert(e.attribute(QStringLiteral("id")), QString());
        return result;
    }
    static const QMap<QString, QStringList> keyAttributes {
        { QStringLiteral("Datatype"), { QStringLiteral("id") } },
        { QStringLiteral("Variable"), { QStringLiteral("id"), QStringLiteral("index") } },
        { QStringLiteral("ErrorType"), { QStringLiteral("code"), QStringLiteral("additionalCode") } },
        { QStringLiteral("Event"), { QStringLiteral("code") } },
        { QStringLiteral("Unit"), { QStringLiteral("code") } },
    };
    for (const QDomElement &e : collectionEntries(document, kind + QStringLiteral("Collection"), kind)) {
        QStringList key;
        for (const QString &attribute : keyAttributes.value(kind))
            key << e.attribute(attribute);
        result.insert(key.join(QLatin1Char('/')), signature(e));
    }
    return result;
}

// Text id -> value of one language; a repeated id is reported in duplicates.
QMap<QString, QString> texts(const QDomElement &language, QStringList *duplicates)
{
    QMap<QString, QString> result;
    for (const QDomElement &text : childElements(language, QStringLiteral("Text"))) {
        const QString id = text.attribute(QStringLiteral("id"));
        if (result.contains(id))
            duplicates->append(id);
        result.insert(id, text.attribute(QStringLiteral("value")));
    }
    return result;
}

void collectTextIds(const QDomElement &element, QSet<QString> *ids)
{
    if (element.hasAttribute(QStringLiteral("textId")))
        ids->insert(element.attribute(QStringLiteral("textId")));
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        collectTextIds(child, ids);
}

// Our system command type names the parameter server commands 1-6 inside the reference's reserved range 0-63;
// folded back, the rest must be the reference's.
QDomDocument withoutParameterServerCommands(QDomDocument document)
{
    for (QDomElement type : collectionEntries(document, QStringLiteral("DatatypeCollection"), QStringLiteral("Datatype"))) {
        if (type.attribute(QStringLiteral("id")) != QLatin1String("STD_D_SystemCommand"))
            continue;
        for (const QDomElement &value : childElements(type, QStringLiteral("SingleValue"))) {
            if (value.attribute(QStringLiteral("value")).toInt() <= parameterServerCommandCount)
                type.removeChild(value);
        }
        for (QDomElement range : childElements(type, QStringLiteral("ValueRange"))) {
            if (range.attribute(QStringLiteral("lowerValue")) == QLatin1String("0"))
                range.setAttribute(QStringLiteral("upperValue"), QStringLiteral("63"));
            else if (range.attribute(QStringLiteral("lowerValue")).toInt() == parameterServerCommandCount + 1)
                type.removeChild(range);
        }
    }
    return document;
}

} // namespace

class TestStandardDefinitions : public QObject
{
    Q_OBJECT

private slots:
    void coversReferenceDefinitions_data()
    {
        DataTable::addRows(QStringLiteral("stddefs/reference-kinds.tsv"));
    }

    // Every definition of the published document exists in ours under the same key, with the same facts.
    void coversReferenceDefinitions()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        if (!TestEnvironment::hasCorpus())
            QSKIP("The IODD corpus is not available");

        const auto reference = definitions(loadDocument(TestEnvironment::corpusPath(QStringLiteral("standard/") + file)), kind);
        const auto ours = definitions(withoutParameterServerCommands(loadDocument(resourceFolder + file)), kind);
        QVERIFY(!reference.isEmpty());

        QStringList missing;
        QStringList different;
        for (auto it = reference.cbegin(); it != reference.cend(); ++it) {
            if (!ours.contains(it.key()))
                missing.append(it.key());
            else if (ours.value(it.key()) != it.value())
                different.append(it.key());
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing: ") + missing.join(QStringLiteral(", "))));
        QVERIFY2(different.isEmpty(), qPrintable(QStringLiteral("different: ") + different.join(QStringLiteral(", "))));
    }

    void everyTextIdHasTextInEveryLanguage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("definitions") << definitionsFile;
        QTest::newRow("unit definitions") << unitsFile;
    }

    void everyTextIdHasTextInEveryLanguage()
    {
        QFETCH(QString, file);

        const QDomDocument main = loadDocument(resourceFolder + file);
        QSet<QString> referenced;
        collectTextIds(main.documentElement(), &referenced);
        QVERIFY(!referenced.isEmpty());

        QStringList duplicates;
        const auto english = texts(primaryLanguage(main), &duplicates);
        const QSet<QString> englishIds(english.keyBegin(), english.keyEnd());
        for (const QString &language : {QStringLiteral("de"), QStringLiteral("fr")}) {
            const QDomDocument document = loadDocument(resourceFolder + languageFile(file, language));
            const auto translated = texts(document.documentElement().firstChildElement(QStringLiteral("Language")), &duplicates);
            // the same ids as the English texts: none missing, none misspelt
            const QSet<QString> translatedIds(translated.keyBegin(), translated.keyEnd());
            const QSet<QString> untranslated = englishIds - translatedIds;
            const QSet<QString> unknown = translatedIds - englishIds;
            QVERIFY2(untranslated.isEmpty(), qPrintable(language + QStringLiteral(": untranslated ") + untranslated.values().join(QStringLiteral(", "))));
            QVERIFY2(unknown.isEmpty(), qPrintable(language + QStringLiteral(": unknown ") + unknown.values().join(QStringLiteral(", "))));
            for (const QString &id : referenced)
                QVERIFY2(!translated.value(id).trimmed().isEmpty(), qPrintable(language + QStringLiteral(": no text for ") + id));
        }
        for (const QString &id : referenced)
            QVERIFY2(!english.value(id).trimmed().isEmpty(), qPrintable(QStringLiteral("en: no text for ") + id));
        QVERIFY2(duplicates.isEmpty(), qPrintable(QStringLiteral("defined twice: ") + duplicates.join(QStringLiteral(", "))));
    }

    void validatesAgainstSchema_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("schema");
        const QString definitionsSchema = QStringLiteral("IODD-StandardDefinitions1.1.xsd");
        const QString textSchema = QStringLiteral("IODD-Primitives1.1.xsd");
        QTest::newRow("definitions") << resourceFolder + definitionsFile << definitionsSchema;
        QTest::newRow("unit definitions") << resourceFolder + unitsFile << definitionsSchema;
        for (const QString &language : {QStringLiteral("de"), QStringLiteral("fr")}) {
            QTest::newRow(qPrintable(QStringLiteral("definitions, ") + language))
                << resourceFolder + languageFile(definitionsFile, language) << textSchema;
            QTest::newRow(qPrintable(QStringLiteral("unit definitions, ") + language))
                << resourceFolder + languageFile(unitsFile, language) << textSchema;
        }
        QTest::newRow("the sample device") << SamplePackage::resourceFolder() + QLatin1Char('/') + SamplePackage::ioddFileName()
                                           << QStringLiteral("IODD1.1.xsd");
    }

    void validatesAgainstSchema()
    {
        QFETCH(QString, file);
        QFETCH(QString, schema);
        const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
        const QString schemaPath = TestEnvironment::corpusPath(QStringLiteral("standard/") + schema);
        if (xmllint.isEmpty() || !QFileInfo::exists(schemaPath))
            QSKIP("xmllint or the schema is not available");

        // validate exactly what is compiled in, the standard documents and the sample we install
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString copy = folder.filePath(QFileInfo(file).fileName());
        QVERIFY(QFile::copy(file, copy));

        QProcess process;
        process.start(xmllint, {QStringLiteral("--noout"), QStringLiteral("--nonet"), QStringLiteral("--schema"), schemaPath, copy});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAllStandardError().constData());
    }
};

OVINEX_TEST_MAIN(TestStandardDefinitions)
#include "tst_standarddefinitions.moc"
