#include "testenvironment.h"
#include "testzips.h"

#include "iodd/catalogue/ioddlistmodel.h"
#include "iodd/package/ioddfolder.h"
#include "iodd/package/ioddimporter.h"
#include "iodd/package/ioddlisting.h"
#include "iodd/package/packagearchive.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using TestZips::RawEntry;

namespace {
const QString sampleXmlName = QStringLiteral("Korvell-OVX100-20261201-IODD1.1.xml");
const QString samplePackageFolder = QStringLiteral("Korvell GmbH-OVX100-2026-12-01");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestIoddPackages : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        work = std::make_unique<QTemporaryDir>();
        QVERIFY(work->isValid());
        QVERIFY(QDir().mkpath(ioddFolder()));
        QVERIFY(QDir().mkpath(work->filePath("in")));
    }

    void flatZipBringsItsPicturesAndLanguageFiles()
    {
        auto files = samplePackageFiles();
        files.append(qMakePair(QString("Korvell-OVX100-20261201-IODD1.1-de.xml"), QByteArray("<ExternalTextDocument/>")));
        files.append(qMakePair(QString("readme.xml"), QByteArray("<notes/>")));
        files.append(qMakePair(QString("unrelated.png"), QByteArray("png")));
        QVERIFY(TestZips::writeZip(input("package.zip"), files));

        const QList<IoddImportResult> results = IoddImporter(ioddFolder()).importFile(input("package.zip"));

        QCOMPARE(statuses(results), QVector<int> { IoddImportResult::Imported });
        QCOMPARE(results.first().iodd, sampleXmlName);
        QCOMPARE(results.first().folder, QDir(ioddFolder()).filePath(samplePackageFolder));
        QVERIFY2(results.first().skipped.join(' ').contains("readme.xml"), qPrintable(results.first().skipped.join(' ')));
        const QString folder = samplePackageFolder + '/';
        QCOMPARE(written(), QStringList({ samplePackageFolder, folder + "Korvell-OVX100-20261201-IODD1.1-de.xml",
                                          folder + "Korvell-OVX100-20261201-IODD1.1.xml", folder + "Korvell-OVX100-icon.png",
                                          folder + "Korvell-OVX100-pic.png", folder + "Korvell-logo.png" }));
        QCOMPARE(readAll(QDir(ioddFolder()).filePath(folder + sampleXmlName)), sampleXml());
        QVERIFY(leftovers().isEmpty());
    }

    void zipInsideZipIsOpened()
    {
        QVERIFY(TestZips::writeZip(input("inner.zip"), samplePackageFiles()));
        QVERIFY(TestZips::writeZip(input("outer.zip"), { { "IODD/inner.zip", readAll(input("inner.zip")) },
                                                         { "licence.txt", "text" } }));

        const QList<IoddImportResult> results = IoddImporter(ioddFolder()).importFile(input("outer.zip"));

        QCOMPARE(statuses(results), QVector<int> { IoddImportResult::Imported });
        QVERIFY(QFile::exists(QDir(ioddFolder()).filePath(samplePackageFolder + "/Korvell-OVX100-pic.png")));
        QVERIFY(leftovers().isEmpty());
    }

    void sameReleaseIsAlreadyPresent()
    {
        QVERIFY(TestZips::writeZip(input("package.zip"), samplePackageFiles()));
        IoddImporter importer(ioddFolder());
        QCOMPARE(importer.importFile(input("package.zip")).first().status, IoddImportResult::Imported);
        const QStringList before = written();

        // Also across importers: what is present is read from the folder.
        const QList<IoddImportResult> again = IoddImporter(ioddFolder()).importFiles({ input("package.zip"), sample(sampleXmlName) });

        QCOMPARE(statuses(again), QVector<int>(2, IoddImportResult::AlreadyPresent));
        QVERIFY(IoddImporter::allSucceeded(again));
        QCOMPARE(written(), before);
    }

    void olderReleaseIsImportedButNotUsed()
    {
        QVERIFY(TestEnvironment::writeFile(input("old/Korvell-OVX100-20200101-IODD1.1.xml"), sampleXml("2020-01-01")));
        QVERIFY(TestEnvironment::writeFile(input("new/Korvell-OVX100-20270101-IODD1.1.xml"), sampleXml("2027-01-01")));
        IoddImporter importer(ioddFolder());

        const QList<IoddImportResult> results = importer.importFiles(
            { sample(sampleXmlName), input("old/Korvell-OVX100-20200101-IODD1.1.xml"), input("new/Korvell-OVX100-20270101-IODD1.1.xml") });

        QCOMPARE(statuses(results),
                 (QVector<int> { IoddImportResult::Imported, IoddImportResult::NotUsed, IoddImportResult::Imported }));
        QVERIFY(QFileInfo(results.at(1).folder).isDir());
        QVERIFY(IoddImporter::allSucceeded(results));
    }

    void fileWithoutDeviceDescriptionIsRefused()
    {
        QVERIFY(TestZips::writeZip(input("docs.zip"), { { "manual.xml", "<manual/>" }, { "logo.png", "png" } }));
        QVERIFY(TestEnvironment::writeFile(input("notes.txt"), "text"));

        const QList<IoddImportResult> results = IoddImporter(ioddFolder()).importFiles(
            { input("docs.zip"), input("notes.txt"), input("missing.zip") });

        QCOMPARE(statuses(results), QVector<int>(3, IoddImportResult::Refused));
        QVERIFY(results.at(0).skipped.join(' ').contains("manual.xml"));
        QVERIFY(!IoddImporter::allSucceeded(results));
        QVERIFY(written().isEmpty());
    }

    void hostilePackagesAreRefusedWithNothingWritten_data()
    {
        QTest::addColumn<QByteArray>("zip");
        QTest::addColumn<QString>("reason");

        const QByteArray xml = sampleXml();
        const auto entry = [&xml](const QByteArray &name) { return RawEntry { name, xml }; };
        QTest::newRow("parent folder") << TestZips::rawZip({ entry("ok.xml"), entry("../evil.xml") }) << "outside";
        QTest::newRow("parent folder, backslashes") << TestZips::rawZip({ entry("a\\..\\..\\evil.xml") }) << "outside";
        QTest::newRow("absolute path") << TestZips::rawZip({ entry("/tmp/evil.xml") }) << "outside";
        QTest::newRow("drive letter") << TestZips::rawZip({ entry("C:/evil.xml") }) << "outside";
        QTest::newRow("drive-relative") << TestZips::rawZip({ entry("c:evil.xml") }) << "outside";

        RawEntry link = entry("link.xml");
        link.data = "/etc/passwd";
        link.madeBy = 0x031e;
        link.externalAttributes = 0120777u << 16;
        QTest::newRow("symbolic link") << TestZips::rawZip({ entry("ok.xml"), link }) << "symbolic link";

        RawEntry encrypted = entry("secret.xml");
        encrypted.flags = 0x0001;
        QTest::newRow("encrypted") << TestZips::rawZip({ encrypted }) << "encrypted";

        QList<RawEntry> many;
        for (int i = 0; i <= PackageArchive::maxEntries; ++i)
            many.append(RawEntry { "f" + QByteArray::number(i), QByteArray() });
        QTest::newRow("10 001 entries") << TestZips::rawZip(many) << "10000 entries";

        RawEntry huge = entry("huge.xml");
        huge.declaredSize = 51 * 1024 * 1024;
        huge.declaredCompressedSize = 51 * 1024 * 1024;
        QTest::newRow("entry over 50 MB") << TestZips::rawZip({ huge }) << "50 MB";

        QList<RawEntry> large;
        for (int i = 0; i < 5; ++i) {
            RawEntry part = entry("part" + QByteArray::number(i) + ".xml");
            part.declaredSize = 45 * 1024 * 1024;
            part.declaredCompressedSize = 45 * 1024 * 1024;
            large.append(part);
        }
        QTest::newRow("over 200 MB in total") << TestZips::rawZip(large) << "200 MB";

        QTemporaryDir scratch;
        const QString bomb = scratch.filePath("bomb.zip");
        TestZips::writeZip(bomb, { { sampleXmlName, xml }, { "zeros.xml", QByteArray(4 * 1024 * 1024, '\0') } });
        QTest::newRow("compressed over a hundredfold") << readAll(bomb) << "hundredfold";

        const QString inner = scratch.filePath("inner.zip");
        const QString middle = scratch.filePath("middle.zip");
        const QString outer = scratch.filePath("outer.zip");
        TestZips::writeZip(inner, samplePackageFiles());
        TestZips::writeZip(middle, { { "inner.zip", readAll(inner) } });
        TestZips::writeZip(outer, { { "middle.zip", readAll(middle) } });
        // Seeking a writable buffer past its end would fill it with zeros up to the offset.
        RawEntry far = entry("far.xml");
        far.declaredOffset = 700 * 1024 * 1024;
        QTest::newRow("inner file offset far past the end")
            << TestZips::rawZip({ RawEntry { "inner.zip", TestZips::rawZip({ far }) } }) << "outside the archive";
        QTest::newRow("zip in a zip in a zip") << readAll(outer) << "more than one level";

        TestZips::writeZip(inner, samplePackageFiles());
        const QByteArray whole = readAll(inner);
        QTest::newRow("cut short") << whole.left(whole.size() / 2) << "damaged";
        QByteArray corrupted = whole;
        // Deflated data overwritten in the middle of the IODD's entry.
        for (int i = 200; i < 600; ++i)
            corrupted[i] = char(i * 7);
        QTest::newRow("deflated data overwritten") << corrupted << "damaged";
        QTest::newRow("not a zip") << QByteArray("<IODevice/>") << "damaged";
        QTest::newRow("empty file") << QByteArray() << "damaged";
    }

    void hostilePackagesAreRefusedWithNothingWritten()
    {
        QFETCH(QByteArray, zip);
        QFETCH(QString, reason);
        QVERIFY(TestEnvironment::writeFile(input("hostile.zip"), zip));

        const QList<IoddImportResult> results = IoddImporter(ioddFolder()).importFile(input("hostile.zip"));

        QCOMPARE(statuses(results), QVector<int> { IoddImportResult::Refused });
        QVERIFY2(results.first().reason.contains(reason), qPrintable(results.first().reason));
        QCOMPARE(written(), QStringList());
        QCOMPARE(leftovers(), QStringList());
        QVERIFY(!QFile::exists(work->filePath("evil.xml")));
        QVERIFY(!QFile::exists(QDir::tempPath() + "/evil.xml"));
    }

    void namesAreCleaned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("control characters") << QString("a\x01\x1b" "b\n.xml") << "ab.xml";
        QTest::newRow("reserved characters") << "a<b>:c|d?*.png" << "a_b__c_d__.png";
        QTest::newRow("dots only") << ".." << "_";
        QTest::newRow("nothing left") << QString("\x07") << "_";
        QTest::newRow("too long, suffix kept") << QString(250, 'x') + ".xml" << QString(196, 'x') + ".xml";
    }

    void namesAreCleaned()
    {
        QFETCH(QString, name);
        QTEST(PackageArchive::cleanName(name), "cleaned");
        QVERIFY(PackageArchive::cleanName(name).size() <= PackageArchive::maxNameLength);
    }

    // The catalogue follows the import and the removal.
    void xmlFileImportsWithItsPicturesAndIsRemovedWhole()
    {
        IODDListModel catalogue(ioddFolder());
        QCOMPARE(catalogue.rowCount(), 0);
        const QList<IoddImportResult> results = IoddImporter(ioddFolder()).importFile(sample(sampleXmlName));
        QCOMPARE(statuses(results), QVector<int> { IoddImportResult::Imported });
        QCOMPARE(QDir(results.first().folder).entryList(QDir::Files).size(), 4);
        QTRY_COMPARE(catalogue.rowCount(), 1);
        QCOMPARE(catalogue.data(catalogue.index(0), IODDListModel::ProductNameRole).toString(), QString("OVX100"));
        const QString iodd = QDir(results.first().folder).filePath(sampleXmlName);
        const IoddFolder folder(ioddFolder());
        QCOMPARE(folder.removalTarget(iodd), results.first().folder);

        QString error;
        QVERIFY2(folder.remove(iodd, &error), qPrintable(error));

        QCOMPARE(written(), QStringList());
        QTRY_COMPARE(catalogue.rowCount(), 0);
    }

    void looseIoddKeepsPicturesOthersUse()
    {
        const QStringList names = QDir(sample()).entryList(QDir::Files);
        for (const QString &name : names)
            QVERIFY(QFile::copy(sample(name), QDir(ioddFolder()).filePath(name)));
        QVERIFY(TestEnvironment::writeFile(QDir(ioddFolder()).filePath("Korvell-OVX100-20261201-IODD1.1-fr.xml"), "<ExternalTextDocument/>"));
        QVERIFY(TestEnvironment::writeFile(QDir(ioddFolder()).filePath("Korvell-OVX200.xml"), sampleXml(QString(), "1002").replace("Korvell-OVX100-icon.png", "other.png")));
        const QString iodd = QDir(ioddFolder()).filePath(sampleXmlName);

        QVERIFY(IoddFolder(ioddFolder()).remove(iodd));

        // The second IODD still names the logo and the picture; only the icon and the language file were the first's.
        QCOMPARE(written(), QStringList({ "Korvell-OVX100-pic.png", "Korvell-OVX200.xml", "Korvell-logo.png" }));
    }

    void folderOfUnrelatedIoddsLosesOnlyOneIodd()
    {
        const QString mixed = QDir(ioddFolder()).filePath("all");
        QVERIFY(TestEnvironment::writeFile(QDir(mixed).filePath(sampleXmlName), sampleXml()));
        QVERIFY(TestEnvironment::writeFile(QDir(mixed).filePath("other.xml"), sampleXml(QString(), "77")));

        const IoddFolder folder(ioddFolder());
        QCOMPARE(folder.removalTarget(QDir(mixed).filePath(sampleXmlName)), QDir(mixed).filePath(sampleXmlName));
        QVERIFY(folder.remove(QDir(mixed).filePath(sampleXmlName)));

        QCOMPARE(written(), QStringList({ "all", "all/other.xml" }));
    }

    void pathOutsideTheFolderIsNotRemoved()
    {
        QVERIFY(TestEnvironment::writeFile(input(sampleXmlName), sampleXml()));
        QVERIFY(QDir().mkpath(QDir(ioddFolder()).filePath("pkg")));
        QString error;

        QVERIFY(!IoddFolder(ioddFolder()).remove(input(sampleXmlName), &error));
        QVERIFY(!IoddFolder(ioddFolder()).remove(QDir(ioddFolder()).filePath("pkg/../../in/" + sampleXmlName), &error));

        QVERIFY(!error.isEmpty());
        QVERIFY(QFile::exists(input(sampleXmlName)));
    }

    void catalogueTellsWhichIoddIsUsedAndWhy()
    {
        QVERIFY(TestEnvironment::writeFile(input("Korvell-OVX100-20200101-IODD1.1.xml"), sampleXml("2020-01-01")));
        IoddImporter(ioddFolder()).importFiles({ input("Korvell-OVX100-20200101-IODD1.1.xml"), sample(sampleXmlName) });
        IODDListModel catalogue(ioddFolder());

        const QVariantList matches = catalogue.matchingIodds("OVX100");

        QCOMPARE(matches.size(), 2);
        QCOMPARE(matches.at(0).toMap().value("fileName").toString(), sampleXmlName);
        QCOMPARE(matches.at(0).toMap().value("used").toBool(), true);
        QCOMPARE(matches.at(1).toMap().value("releaseDate").toString(), QString("2020-01-01"));
        QCOMPARE(matches.at(1).toMap().value("used").toBool(), false);
        QVERIFY(catalogue.matchingIodds("OVX999").isEmpty());

        // The command line's listing marks the same one used.
        const QList<QJsonObject> listed = IoddListing::describe(ioddFolder());
        QCOMPARE(listed.size(), 2);
        for (const QJsonObject &iodd : listed)
            QCOMPARE(iodd.value("used").toBool(), iodd.value("releaseDate").toString() == "2026-12-01");
    }

private:
    QString ioddFolder() const { return work->filePath("IODDs"); }
    QString input(const QString &name) const { return work->filePath("in/" + name); }
    static QString sample(const QString &name = QString())
    {
        return QStringLiteral(OVINEX_SOURCE_DIR "/src/resources/iolink/sample/") + name;
    }

    static QByteArray sampleXml(const QString &releaseDate = QString(), const QString &deviceId = QString())
    {
        QByteArray xml = readAll(sample(sampleXmlName));
        if (!releaseDate.isEmpty())
            xml.replace("releaseDate=\"2026-12-01\"", "releaseDate=\"" + releaseDate.toUtf8() + "\"");
        if (!deviceId.isEmpty())
            xml.replace("deviceId=\"1001\"", "deviceId=\"" + deviceId.toUtf8() + "\"");
        return xml;
    }

    static QList<QPair<QString, QByteArray>> samplePackageFiles()
    {
        QList<QPair<QString, QByteArray>> files;
        const QStringList names = QDir(sample()).entryList(QDir::Files, QDir::Name);
        for (const QString &name : names)
            files.append({ name, readAll(sample(name)) });
        return files;
    }

    static QVector<int> statuses(const QList<IoddImportResult> &results)
    {
        QVector<int> result;
        for (const IoddImportResult &imported : results)
            result << imported.status;
        return result;
    }

    QStringList written() const
    {
        QStringList files;
        QDirIterator it(ioddFolder(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(ioddFolder()).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    QStringList leftovers() const
    {
        // Temporary folders go beside the IODD folder, inside the work folder.
        return QDir(work->path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot).filter(".ovinex-import-");
    }

    std::unique_ptr<QTemporaryDir> work;
};

OVINEX_TEST_MAIN(TestIoddPackages)
#include "tst_ioddpackages.moc"
