#include "datatable.h"
#include "testenvironment.h"
#include "testzips.h"

#include "iodd/catalogue/ioddlistmodel.h"
#include "iodd/package/ioddfolder.h"
#include "iodd/package/ioddimporter.h"
#include "iodd/package/ioddlisting.h"
#include "iodd/package/packagearchive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

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
        DataTable::addRows(QStringLiteral("catalogue/hostile-packages.tsv"));
    }

    void hostilePackagesAreRefusedWithNothingWritten()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        QVERIFY(QFile::copy(TestEnvironment::testDataPath(QStringLiteral("catalogue/hostile/") + file), input("hostile.zip")));
        refusedWithNothingWritten(reason);
    }

    // One file's header, named 10 001 times by the table of contents: the count alone is refused.
    void packageOfMoreThanTenThousandEntriesIsRefused()
    {
        const quint16 count = PackageArchive::maxEntries + 1;
        QFile zip(input("hostile.zip"));
        QVERIFY(zip.open(QIODevice::WriteOnly));
        QDataStream out(&zip);
        out.setByteOrder(QDataStream::LittleEndian);
        out << quint32(0x04034b50);
        out.writeRawData(QByteArray(26, '\0').constData(), 26);
        for (int entry = 0; entry < count; ++entry) {
            out << quint32(0x02014b50);
            out.writeRawData(QByteArray(42, '\0').constData(), 42);
        }
        out << quint32(0x06054b50) << quint32(0) << count << count << quint32(46 * count) << quint32(30) << quint16(0);
        zip.close();
        refusedWithNothingWritten(QStringLiteral("10000 entries"));
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
    void refusedWithNothingWritten(const QString &reason)
    {
        const QList<IoddImportResult> results = IoddImporter(ioddFolder()).importFile(input("hostile.zip"));

        QCOMPARE(statuses(results), QVector<int> { IoddImportResult::Refused });
        QVERIFY2(results.first().reason.contains(reason), qPrintable(results.first().reason));
        QCOMPARE(written(), QStringList());
        QCOMPARE(leftovers(), QStringList());
        QVERIFY(!QFile::exists(work->filePath("evil.xml")));
        QVERIFY(!QFile::exists(QDir::tempPath() + "/evil.xml"));
    }

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
