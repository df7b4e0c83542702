#include "testenvironment.h"

#include "iodd/catalogue/ioddentry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestIODDEntry : public QObject
{
    Q_OBJECT

private slots:
    void identity_data();
    void identity();
    void unreadableFileStaysInvalidWithInitialValues();
    void twoVariantsAreListedInvalidButBothMatch();
    void pictureFallsBackToSmallestProductId();
    void emptyProductIdNeverMatches();
    void productIdMatchIsExact();
    void variantWithoutPicturesHasEmptyPaths();
    void picturesResolveAgainstTheIoddFolder();
    void scanStopsOnceIdentityAndNameAreKnown();
    void nameFromTextsNeedsTheTextCollection();
    void qmlSeesTheEntryUnderItsPropertyNames();
    void hostileInputIsInvalidWithoutCrashOrHang_data();
    void hostileInputIsInvalidWithoutCrashOrHang();

private:
    static QString fixture(const QString &name) { return TestEnvironment::testDataPath("catalogue/entry/" + name); }
    static QString writeTruncated(const QTemporaryDir &dir, const QString &source, const QString &cutBefore);
};

void TestIODDEntry::identity_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("productName");
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<int>("deviceId");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("releaseDate");
    QTest::addColumn<QString>("vendorLogo");

    QTest::newRow("complete identity, default product name wins over the texts")
        << "complete.xml" << true << "Default Name" << 2002 << 77 << "V1.2.0" << "2024-05-06" << "Korvell-logo.png";
    QTest::newRow("document without version")
        << "noversion.xml" << false << "Default Name" << 2002 << 77 << "" << "2024-05-06" << "Korvell-logo.png";
    QTest::newRow("no default name: primary-language text of the device name")
        << "textname.xml" << true << "English Name" << 2002 << 77 << "V1.2.0" << "2024-05-06" << "Korvell-logo.png";
    QTest::newRow("no device name: the variant's name text")
        << "variantname.xml" << true << "Variant Name" << 2002 << 77 << "V1.2.0" << "2024-05-06" << "Korvell-logo.png";
    QTest::newRow("identity without vendor logo")
        << "nologo.xml" << false << "Default Name" << 2002 << 77 << "V1.2.0" << "2024-05-06" << "";
    QTest::newRow("ids that are not decimal read as 0")
        << "badnumbers.xml" << true << "Default Name" << 0 << 0 << "V1.2.0" << "2024-05-06" << "Korvell-logo.png";
    QTest::newRow("other root element")
        << "notiodd.xml" << false << IODDEntry::undefinedText() << 0 << 0 << "" << "" << "";
}

void TestIODDEntry::identity()
{
    QFETCH(QString, file);
    IODDEntry entry { QFileInfo(fixture(file)) };
    entry.parse();

    QTEST(entry.isValid(), "valid");
    QTEST(entry.getProductName(), "productName");
    QTEST(entry.getVendorId(), "vendorId");
    QTEST(entry.getDeviceId(), "deviceId");
    QTEST(entry.getIODDVersion(), "version");
    QTEST(entry.getIODDReleaseDate(), "releaseDate");
    QTEST(entry.getVendorLogoPath(), "vendorLogo");
    QCOMPARE(entry.getIODDPath(), QFileInfo(fixture(file)).absoluteFilePath());
}

void TestIODDEntry::unreadableFileStaysInvalidWithInitialValues()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot read IODD file"));
    IODDEntry entry { QFileInfo(fixture("does-not-exist.xml")) };
    entry.parse();

    QVERIFY(!entry.isValid());
    QCOMPARE(entry.getVendorName(), IODDEntry::undefinedText());
    QCOMPARE(entry.getProductName(), IODDEntry::undefinedText());
    QCOMPARE(entry.getVendorId(), 0);
    QVERIFY(entry.getFirstDeviceIconPath().isEmpty());
}

void TestIODDEntry::twoVariantsAreListedInvalidButBothMatch()
{
    IODDEntry entry { QFileInfo(fixture("twovariants.xml")) };
    entry.parse();

    QVERIFY(!entry.isValid());
    QVERIFY(entry.isMatchingProductId("KV-2A"));
    QVERIFY(entry.isMatchingProductId("KV-2B"));
    QCOMPARE(entry.getProductName(), QString("Default Name"));
}

void TestIODDEntry::pictureFallsBackToSmallestProductId()
{
    IODDEntry entry { QFileInfo(fixture("twovariants.xml")) };
    entry.parse();
    const QDir folder(QFileInfo(fixture("twovariants.xml")).absolutePath());

    // KV-2B comes first in the document, KV-2A first in product ID order.
    QCOMPARE(entry.getDeviceIconPath("KV-2B"), folder.absoluteFilePath("KV-2B-icon.png"));
    QCOMPARE(entry.getDeviceIconPath("unknown"), folder.absoluteFilePath("KV-2A-icon.png"));
    QCOMPARE(entry.getDeviceSymbolPath("unknown"), folder.absoluteFilePath("KV-2A-pic.png"));
    QCOMPARE(entry.getFirstDeviceIconPath(), folder.absoluteFilePath("KV-2A-icon.png"));
    QCOMPARE(entry.getFirstDeviceSymbolPath(), folder.absoluteFilePath("KV-2A-pic.png"));

    IODDEntry withoutVariants { QFileInfo(fixture("notiodd.xml")) };
    withoutVariants.parse();
    QVERIFY(withoutVariants.getDeviceIconPath("KV-1").isEmpty());
    QVERIFY(withoutVariants.getDeviceSymbolPath("").isEmpty());
}

void TestIODDEntry::emptyProductIdNeverMatches()
{
    IODDEntry entry { QFileInfo(fixture("emptyproductid.xml")) };
    entry.parse();

    QVERIFY(entry.isValid());
    QVERIFY(!entry.isMatchingProductId(""));
    QVERIFY(!entry.isMatchingProductId(QString()));
}

void TestIODDEntry::productIdMatchIsExact()
{
    IODDEntry entry { QFileInfo(fixture("complete.xml")) };
    entry.parse();

    QVERIFY(entry.isMatchingProductId("KV-1"));
    QVERIFY(!entry.isMatchingProductId("kv-1"));
    QVERIFY(!entry.isMatchingProductId("KV-1 "));
    QVERIFY(!entry.isMatchingProductId("KV"));
}

void TestIODDEntry::variantWithoutPicturesHasEmptyPaths()
{
    IODDEntry entry { QFileInfo(fixture("nopictures.xml")) };
    entry.parse();

    QVERIFY(entry.isMatchingProductId("KV-1"));
    QVERIFY(entry.getFirstDeviceIconPath().isEmpty());
    QVERIFY(entry.getDeviceSymbolPath("KV-1").isEmpty());
}

void TestIODDEntry::picturesResolveAgainstTheIoddFolder()
{
    const QString file = TestEnvironment::testDataPath("catalogue/package/Korvell-KV1-20240506-IODD1.1.xml");
    IODDEntry entry { QFileInfo(file) };
    entry.parse();

    QVERIFY(entry.isValid());
    QVERIFY(QFileInfo::exists(entry.getFirstDeviceIconPath()));
    QVERIFY(QFileInfo::exists(entry.getFirstDeviceSymbolPath()));
    QVERIFY(QFileInfo(entry.getFirstDeviceIconPath()).isAbsolute());
    QStringList files = entry.getFiles();
    files.sort();
    QCOMPARE(files, QStringList({ "KV-1-icon.png", "KV-1-pic.png", "Korvell-KV1-20240506-IODD1.1.xml", "Korvell-logo.png" }));
}

QString TestIODDEntry::writeTruncated(const QTemporaryDir &dir, const QString &source, const QString &cutBefore)
{
    QFile in(fixture(source));
    if (!in.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray content = in.readAll();
    const int cut = content.indexOf(cutBefore.toUtf8());
    const QString path = dir.filePath(source);
    QFile out(path);
    if (cut < 0 || !out.open(QIODevice::WriteOnly))
        return QString();
    out.write(content.left(cut) + "<Broken <<<");
    return path;
}

void TestIODDEntry::scanStopsOnceIdentityAndNameAreKnown()
{
    // Everything after the product name default is garbage: a scan that reads on would fail.
    QTemporaryDir dir;
    const QString path = writeTruncated(dir, "complete.xml", "      </VariableCollection>");
    QVERIFY(!path.isEmpty());
    IODDEntry entry { QFileInfo(path) };
    entry.parse();

    QVERIFY(entry.isValid());
    QCOMPARE(entry.getProductName(), QString("Default Name"));
}

void TestIODDEntry::nameFromTextsNeedsTheTextCollection()
{
    QTemporaryDir dir;
    const QString path = writeTruncated(dir, "textname.xml", "  <ExternalTextCollection>");
    QVERIFY(!path.isEmpty());
    IODDEntry entry { QFileInfo(path) };
    entry.parse();

    QVERIFY(!entry.isValid());
    QCOMPARE(entry.getVendorId(), 2002);
}

void TestIODDEntry::qmlSeesTheEntryUnderItsPropertyNames()
{
    IODDEntry entry { QFileInfo(fixture("complete.xml")) };
    entry.parse();

    QCOMPARE(entry.property("valid").toBool(), true);
    QCOMPARE(entry.property("productName").toString(), QString("Default Name"));
    QCOMPARE(entry.property("vendorName").toString(), QString("Korvell GmbH"));
    QCOMPARE(entry.property("ioddVersion").toString(), QString("V1.2.0"));
    QCOMPARE(entry.property("ioddReleaseDate").toString(), QString("2024-05-06"));
    QCOMPARE(entry.property("vendorId").toInt(), 2002);
    QCOMPARE(entry.property("deviceId").toInt(), 77);
    QCOMPARE(entry.property("deviceSymbolPath").toString(), entry.getDeviceSymbolPath("KV-1"));
    QCOMPARE(entry.property("deviceIconPath").toString(), entry.getDeviceIconPath("KV-1"));
    QVERIFY(entry.property("files").toStringList().contains("complete.xml"));

    bool matches = false;
    QVERIFY(QMetaObject::invokeMethod(&entry, "isMatchingProductId", Q_RETURN_ARG(bool, matches), Q_ARG(QString, "KV-1")));
    QVERIFY(matches);
}

void TestIODDEntry::hostileInputIsInvalidWithoutCrashOrHang_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE IODevice [<!ENTITY a \"aaaaaaaaaa\">"
                              "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                              "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
                              "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">]>"
                              "<IODevice><DocumentInfo version=\"&g;\" releaseDate=\"&g;\"/></IODevice>";
    QTest::newRow("entity expansion bomb") << laughs;
    QTest::newRow("external entity") << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE IODevice [<!ENTITY x SYSTEM "
                                                   "\"file:///etc/passwd\">]><IODevice><DocumentInfo version=\"&x;\"/></IODevice>");
    QTest::newRow("deep nesting") << QByteArray("<IODevice><ProfileBody>") + QByteArray("<x>").repeated(200000);
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18);
    QTest::newRow("identity attributes only, no end") << QByteArray("<IODevice><ProfileBody><DeviceIdentity vendorId=\"1\"");
}

void TestIODDEntry::hostileInputIsInvalidWithoutCrashOrHang()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QFile file(dir.filePath("hostile.xml"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    IODDEntry entry { QFileInfo(file.fileName()) };
    entry.parse();
    QVERIFY(!entry.isValid());
    QVERIFY(entry.getIODDVersion().size() < 1000);
}

OVINEX_TEST_MAIN(TestIODDEntry)
#include "tst_ioddentry.moc"
