#include "testenvironment.h"

#include "iodd/catalogue/ioddentry.h"

#include <QApplication>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>

namespace {
// What an independent full reading of an IODD says about its identity.
struct DomIdentity
{
    QString vendorId;
    QString deviceId;
    QString vendorName;
    QString version;
    QString releaseDate;
    QStringList productIds;
    QString productName;
};

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
        if (ref.localName() == "StdVariableRef" && ref.attribute("id") == "V_ProductName" && ref.hasAttribute("defaultValue"))
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

bool readWithDom(const QString &path, DomIdentity &identity)
{
    QFile file(path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file, true))
        return false;
    const QDomElement root = document.documentElement();
    const QDomElement info = child(root, "DocumentInfo");
    const QDomElement device = child(child(root, "ProfileBody"), "DeviceIdentity");
    identity.vendorId = device.attribute("vendorId");
    identity.deviceId = device.attribute("deviceId");
    identity.vendorName = device.attribute("vendorName");
    identity.version = info.attribute("version");
    identity.releaseDate = info.attribute("releaseDate");
    const QDomElement variants = child(device, "DeviceVariantCollection");
    for (QDomElement v = variants.firstChildElement(); !v.isNull(); v = v.nextSiblingElement())
        if (v.localName() == "DeviceVariant")
            identity.productIds << v.attribute("productId");
    identity.productName = productNameOf(root, device);
    return true;
}
} // namespace

class TestIODDCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!TestEnvironment::hasCorpus())
            QSKIP("The IODD corpus is not available");
        // The scan's debug lines would drown the report.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
            if (type != QtDebugMsg && type != QtInfoMsg)
                fprintf(stderr, "%s\n", qPrintable(message));
        });
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

            DomIdentity dom;
            QVERIFY2(readWithDom(path, dom), qPrintable(path));
            const QByteArray where = path.toUtf8();
            QVERIFY2(entry.getVendorId() == dom.vendorId.toInt(), where);
            QVERIFY2(entry.getDeviceId() == dom.deviceId.toInt(), where);
            QVERIFY2(entry.getVendorName() == dom.vendorName, where);
            QVERIFY2(entry.getIODDVersion() == dom.version, where);
            QVERIFY2(entry.getIODDReleaseDate() == dom.releaseDate, where);
            QVERIFY2(dom.productIds.size() == 1, where);
            QVERIFY2(dom.productIds.first().isEmpty() || entry.isMatchingProductId(dom.productIds.first()), where);
            QVERIFY2(entry.getProductName() == dom.productName,
                     qPrintable(path + ": " + entry.getProductName() + " vs " + dom.productName));
        }
        fprintf(stderr, "%d files scanned, %d valid\n", scanned, valid);
        // Guards against a vacuous pass: the corpus holds dozens of single-variant IODDs.
        QVERIFY(valid >= 20);
    }
};

OVINEX_TEST_MAIN(TestIODDCorpus)
#include "tst_ioddcorpus.moc"
