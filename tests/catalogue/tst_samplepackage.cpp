#include "testenvironment.h"

#include "iodd/catalogue/ioddentry.h"
#include "iodd/catalogue/samplepackage.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

class TestSamplePackage : public QObject
{
    Q_OBJECT

private slots:
    void installsIntoAMissingFolder();
    void installedSampleScansAsTheKorvellSensor();
    void existingFolderIsLeftAlone();
    void uncreatableFolderFailsWithoutLeftovers();
    void sampleValidatesAgainstTheIoddSchema();
    void sampleOffersWhatTheToolRelies();

private:
    static QDomDocument sampleDocument();
};

void TestSamplePackage::installsIntoAMissingFolder()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("data/IODDs");

    QVERIFY(SamplePackage::installInto(target));

    QStringList installed = QDir(target).entryList(QDir::Files);
    QStringList shipped = QDir(SamplePackage::resourceFolder()).entryList(QDir::Files);
    installed.sort();
    shipped.sort();
    QCOMPARE(installed, shipped);
    QVERIFY(installed.contains(SamplePackage::ioddFileName()));
    QCOMPARE(installed.filter(".png").size(), 3);
    for (const QString &name : installed) {
        QVERIFY2(QFileInfo(QDir(target).filePath(name)).isWritable(), qPrintable(name));
        QCOMPARE(QFileInfo(QDir(target).filePath(name)).size(), QFileInfo(SamplePackage::resourceFolder() + "/" + name).size());
    }
}

void TestSamplePackage::installedSampleScansAsTheKorvellSensor()
{
    QTemporaryDir dir;
    QVERIFY(SamplePackage::installInto(dir.filePath("IODDs")));
    IODDEntry entry { QFileInfo(dir.filePath("IODDs/" + SamplePackage::ioddFileName())) };
    entry.parse();

    QVERIFY(entry.isValid());
    QCOMPARE(entry.getVendorName(), QString("Korvell GmbH"));
    QCOMPARE(entry.getProductName(), QString("OVX100"));
    QCOMPARE(entry.getVendorId(), 2002);
    QCOMPARE(entry.getDeviceId(), 1001);
    QCOMPARE(entry.getIODDVersion(), QString("V1.0.0"));
    QCOMPARE(entry.getIODDReleaseDate(), QString("2026-12-01"));
    QVERIFY(entry.isMatchingProductId("OVX100"));
    QVERIFY(QFileInfo::exists(entry.getFirstDeviceIconPath()));
    QVERIFY(QFileInfo::exists(entry.getFirstDeviceSymbolPath()));
    QVERIFY(QFileInfo::exists(dir.filePath("IODDs/" + entry.getVendorLogoPath())));
}

void TestSamplePackage::existingFolderIsLeftAlone()
{
    // The user may have removed the sample on purpose; a later start must not bring it back.
    QTemporaryDir dir;
    const QString target = dir.filePath("IODDs");
    QVERIFY(QDir().mkpath(target));
    QFile own(target + "/own.xml");
    QVERIFY(own.open(QIODevice::WriteOnly));
    own.close();

    QVERIFY(SamplePackage::installInto(target));
    QCOMPARE(QDir(target).entryList(QDir::Files), QStringList("own.xml"));
}

void TestSamplePackage::uncreatableFolderFailsWithoutLeftovers()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot create IODD folder"));
    QVERIFY(!SamplePackage::installInto(dir.filePath("blocker/IODDs")));
    QVERIFY(!SamplePackage::installInto(QString()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList("blocker"));
}

void TestSamplePackage::sampleValidatesAgainstTheIoddSchema()
{
    const QString xmllint = QStandardPaths::findExecutable("xmllint");
    const QString schema = TestEnvironment::corpusPath("standard/IODD1.1.xsd");
    if (xmllint.isEmpty() || !QFileInfo::exists(schema))
        QSKIP("xmllint or the IODD 1.1 schema is not available");

    QTemporaryDir dir;
    const QString copy = dir.filePath(SamplePackage::ioddFileName());
    QVERIFY(QFile::copy(SamplePackage::resourceFolder() + "/" + SamplePackage::ioddFileName(), copy));
    QProcess lint;
    lint.start(xmllint, { "--noout", "--schema", schema, copy });
    QVERIFY(lint.waitForFinished(60000));
    QVERIFY2(lint.exitStatus() == QProcess::NormalExit && lint.exitCode() == 0, lint.readAllStandardError().constData());
}

QDomDocument TestSamplePackage::sampleDocument()
{
    QFile file(SamplePackage::resourceFolder() + "/" + SamplePackage::ioddFileName());
    QDomDocument document;
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file, true);
    return document;
}

void TestSamplePackage::sampleOffersWhatTheToolRelies()
{
    QDomDocument document = sampleDocument();
    QVERIFY(!document.isNull());
    const QString ns = document.documentElement().namespaceURI();
    auto elements = [&](const QString &name) {
        QList<QDomElement> found;
        const QDomNodeList nodes = document.elementsByTagNameNS(ns, name);
        for (int i = 0; i < nodes.size(); ++i)
            found << nodes.at(i).toElement();
        return found;
    };
    auto withAttribute = [](const QList<QDomElement> &list, const QString &attribute, const QString &value) {
        QList<QDomElement> found;
        for (const QDomElement &element : list)
            if (element.attribute(attribute) == value)
                found << element;
        return found;
    };

    // Screens open these menus by id.
    const QList<QDomElement> menus = elements("Menu");
    for (const char *id : { "M_Identification", "M_Parameter", "M_Diagnosis", "M_Quickstart", "M_General_Information",
                            "M_Typelabel" })
        QVERIFY2(withAttribute(menus, "id", id).size() == 1, id);

    // Index 202 selects the process-data layout; every layout is conditioned on it.
    const QList<QDomElement> variables = elements("Variable");
    const QList<QDomElement> layoutSelect = withAttribute(variables, "index", "202");
    QCOMPARE(layoutSelect.size(), 1);
    const QString selectId = layoutSelect.first().attribute("id");
    const QList<QDomElement> processData = elements("ProcessData");
    QVERIFY(processData.size() >= 2);
    for (const QDomElement &definition : processData)
        QCOMPARE(definition.firstChildElement("Condition").attribute("variableId"), selectId);
    QCOMPARE(withAttribute(variables, "index", "207").value(0).attribute("accessRights"), QString("ro"));

    // The locate function needs a button writing 175.
    QCOMPARE(withAttribute(elements("Button"), "buttonValue", "175").size(), 1);

    // Every text exists in all three languages.
    QSet<QString> english, german, french;
    for (const QDomElement &language : elements("PrimaryLanguage") + elements("Language")) {
        const QString lang = language.attribute("xml:lang", language.attributeNS("http://www.w3.org/XML/1998/namespace", "lang"));
        QSet<QString> &ids = lang == "en" ? english : lang == "de" ? german : french;
        for (QDomElement text = language.firstChildElement("Text"); !text.isNull(); text = text.nextSiblingElement("Text")) {
            QVERIFY2(!text.attribute("value").isEmpty(), qPrintable(text.attribute("id")));
            ids.insert(text.attribute("id"));
        }
    }
    QVERIFY(english.size() > 50);
    QCOMPARE(german, english);
    QCOMPARE(french, english);
}

OVINEX_TEST_MAIN(TestSamplePackage)
#include "tst_samplepackage.moc"
