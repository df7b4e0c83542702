#include "datatable.h"
#include "testenvironment.h"

#include "iodd/catalogue/ioddentry.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "iodd/catalogue/samplepackage.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        root = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(searchPath()));
    }

    void entryIdentity_data()
    {
        DataTable::addRows(QStringLiteral("catalogue/entry-identity.tsv"));
    }

    void entryIdentity()
    {
        QFETCH(QString, file);
        if (file == QLatin1String("does-not-exist.xml"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot read IODD file"));
        IODDEntry entry { QFileInfo(fixture(file)) };
        entry.parse();

        QTEST(entry.isValid(), "valid");
        QTEST(entry.getProductName(), "productName");
        QTEST(entry.getVendorId(), "vendorId");
        QTEST(entry.getIODDVersion(), "version");
        QTEST(entry.getVendorLogoPath(), "vendorLogo");
    }

    void productMatching_data()
    {
        DataTable::addRows(QStringLiteral("catalogue/product-matching.tsv"));
    }

    void productMatching()
    {
        QFETCH(QString, file);
        QFETCH(QString, productId);
        IODDEntry entry { QFileInfo(fixture(file)) };
        entry.parse();
        QTEST(entry.isMatchingProductId(productId), "matches");
    }

    void picturesFallBackToSmallestProductId()
    {
        IODDEntry entry { QFileInfo(fixture("twovariants.xml")) };
        entry.parse();
        const QDir folder(QFileInfo(fixture("twovariants.xml")).absolutePath());

        // KV-2B comes first in the document, KV-2A first in product ID order.
        QCOMPARE(entry.getDeviceIconPath("KV-2B"), folder.absoluteFilePath("KV-2B-icon.png"));
        QCOMPARE(entry.getDeviceIconPath("unknown"), folder.absoluteFilePath("KV-2A-icon.png"));
        QCOMPARE(entry.getFirstDeviceSymbolPath(), folder.absoluteFilePath("KV-2A-pic.png"));

        IODDEntry withoutPictures { QFileInfo(fixture("nopictures.xml")) };
        withoutPictures.parse();
        QVERIFY(withoutPictures.getFirstDeviceIconPath().isEmpty());
        QVERIFY(withoutPictures.getDeviceSymbolPath("KV-1").isEmpty());
    }

    void scansSearchFolderItsParentAndDirectSubfoldersOnly()
    {
        QVERIFY(writeIodd("search/direct.xml", "P-DIRECT", "2024-01-01"));
        QVERIFY(writeIodd("parent.xml", "P-PARENT", "2024-01-01"));
        QVERIFY(writeIodd("search/sub/sub.xml", "P-SUB", "2024-01-01"));
        QVERIFY(writeIodd("search/sub/deeper/deep.xml", "P-DEEP", "2024-01-01"));
        QVERIFY(writeIodd("search/sub/readme.txt", "P-TEXT", "2024-01-01"));
        QVERIFY(QFile::copy(fixture("notiodd.xml"), root->filePath("search/other.xml")));

        IODDListModel model(searchPath());
        int matches = -1;
        QCOMPARE(model.rowCount(), 4);
        QVERIFY(model.findEntry("P-DIRECT", matches));
        QVERIFY(model.findEntry("P-PARENT", matches));
        QVERIFY(model.findEntry("P-SUB", matches));
        QVERIFY(!model.findEntry("P-DEEP", matches));
        // Subfolders come first (reverse name order puts "." and ".." last).
        QCOMPARE(model.data(model.index(0), IODDListModel::NameRole).toString(), QDir(searchPath()).filePath("sub/sub.xml"));
        QCOMPARE(model.data(model.index(1), IODDListModel::NameRole).toString(), root->filePath("parent.xml"));
        int invalid = 0;
        for (int row = 0; row < model.rowCount(); ++row)
            invalid += model.data(model.index(row), IODDListModel::ValidRole).toBool() ? 0 : 1;
        QCOMPARE(invalid, 1);
    }

    void missingSearchFolderAndIndexesOutOfRange()
    {
        QVERIFY(writeIodd("beside.xml", "P-BESIDE", "2024-01-01"));
        IODDListModel empty(root->filePath("nowhere"));
        QCOMPARE(empty.rowCount(), 0);
        QVERIFY(QFile::remove(root->filePath("beside.xml")));

        QVERIFY(writeIodd("search/only.xml", "P-ONLY", "2024-01-01"));
        IODDListModel model(searchPath());
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(model.getEntry(0) != nullptr);
        for (int index : { -1, 1, 1000 }) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("entry index out of range, index: " + QString::number(index)));
            QVERIFY(model.getEntry(index) == nullptr);
        }
        QVERIFY(!model.data(model.index(0), Qt::UserRole + 9).isValid());
        QVERIFY(!model.data(QModelIndex(), Qt::UserRole).isValid());
        QVERIFY(!model.data(model.index(1), Qt::UserRole).isValid());
    }

    void latestReleaseWinsAndMatchesAreCounted()
    {
        // The newer release sits in the folder scanned last.
        QVERIFY(writeIodd("search/zz/old.xml", "KV-9", "2021-03-01", "Old"));
        QVERIFY(writeIodd("search/aa/new.xml", "KV-9", "2022-01-15", "New"));
        // Equal dates keep the entry scanned first.
        QVERIFY(writeIodd("search/first/a.xml", "KV-7", "2022-01-15", "In first"));
        QVERIFY(writeIodd("search/second/b.xml", "KV-7", "2022-01-15", "In second"));
        QVERIFY(writeIodd("search/c.xml", "KV-7", "2022-01-15", "In search folder"));
        IODDListModel model(searchPath());
        int matches = -1;

        QTest::ignoreMessage(QtWarningMsg, "IODD: found 2 matching for \"KV-9\"");
        QCOMPARE(model.findEntry("KV-9", matches)->getProductName(), QString("New"));
        QCOMPARE(matches, 2);
        QTest::ignoreMessage(QtWarningMsg, "IODD: found 3 matching for \"KV-7\"");
        QCOMPARE(model.findEntry("KV-7", matches)->getProductName(), QString("In second"));
        QCOMPARE(matches, 3);
        QVERIFY(!model.findEntry("", matches));
        QCOMPARE(matches, 0);
        QVERIFY(!model.findEntry("KV-2", matches));
        QCOMPARE(matches, 0);
    }

    void rowsAreSortedByVendorThenProduct()
    {
        QVERIFY(writeIodd("search/a/zeta.xml", "P-1", "2024-01-01", "Zeta"));
        QVERIFY(writeIodd("search/b/alpha.xml", "P-2", "2024-01-01", "alpha"));
        QVERIFY(TestEnvironment::writeFile(root->filePath("search/c/beta.xml"), TestEnvironment::templateIodd("P-3", "2024-01-01", "Beta")
                                                                                   .replace("vendorName=\"Korvell GmbH\"", "vendorName=\"acme\"")));
        QVERIFY(writeIodd("search/0/zeta-old.xml", "P-1", "2020-01-01", "Zeta"));
        IODDListModel model(searchPath());
        QStringList rows;
        for (int row = 0; row < model.rowCount(); ++row)
            rows << QFileInfo(model.data(model.index(row), IODDListModel::NameRole).toString()).fileName();
        // Vendors and products without regard to case; of one product the latest release first.
        QCOMPARE(rows, QStringList({ "beta.xml", "alpha.xml", "zeta.xml", "zeta-old.xml" }));
        QCOMPARE(qobject_cast<IODDEntry *>(model.getEntry(0))->getVendorName(), QStringLiteral("acme"));
        // Sorting the rows leaves the choice between equal releases to the scan order.
        int matches = 0;
        QTest::ignoreMessage(QtWarningMsg, "IODD: found 2 matching for \"P-1\"");
        QCOMPARE(model.findEntry("P-1", matches)->getIODDReleaseDate(), QStringLiteral("2024-01-01"));
    }

    // Two descriptions in tests/data/catalogue/content/search with their pictures and language files, a logo they
    // share, a file whose name only looks like a language file's and a text file.
    void contentListsOnlyTheDescriptionsOwnFiles()
    {
        const QDir content(TestEnvironment::testDataPath("catalogue/content/search"));
        IODDEntry first { QFileInfo(content.filePath("Korvell-KV1-IODD1.1.xml")) };
        first.parse();
        QCOMPARE(first.getFiles(), QStringList({ "Korvell-KV1-IODD1.1-de.xml", "Korvell-KV1-IODD1.1-zh-CN.xml",
                                                 "Korvell-KV1-IODD1.1.xml", "Korvell-logo.png", "KV-1-icon.png", "KV-1-pic.png" }));
        IODDEntry second { QFileInfo(content.filePath("Korvell-KV2-IODD1.1.xml")) };
        second.parse();
        QCOMPARE(second.getFiles(), QStringList({ "Korvell-KV2-IODD1.1-fr.xml", "Korvell-KV2-IODD1.1.xml", "Korvell-logo.png",
                                                  "KV-2-icon.png", "KV-2-pic.png" }));
        // The language files are no entries of their own; the file whose name only looks alike is.
        IODDListModel model(content.path());
        QCOMPARE(model.rowCount(), 3);
    }

    // A new subfolder of the search folder is scanned at once, a file in one only on the next scan; a changed
    // search folder is scanned at once and the watch moves with it.
    void folderWatchFollowsSubfoldersAndTheSearchPath()
    {
        QVERIFY(writeIodd("search/sub/one.xml", "KV-1", "2022-01-15"));
        QVERIFY(writeIodd("elsewhere/inner/a.xml", "KV-A", "2022-01-15"));
        QVERIFY(writeIodd("elsewhere/inner/b.xml", "KV-B", "2022-01-15"));
        IODDListModel model(searchPath());
        QCOMPARE(model.rowCount(), 1);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QVERIFY(writeIodd("search/sub/two.xml", "KV-2", "2022-01-15"));
        QVERIFY(!resets.wait(300));
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(rescansForNewFolder(model, "search/newsub"));
        QCOMPARE(model.rowCount(), 2);

        QSignalSpy counts(&model, &IODDListModel::countChanged);
        QSignalSpy pathChanged(&model, &IODDListModel::ioddSearchPathChanged);
        QVERIFY(model.setProperty("ioddSearchPath", root->filePath("elsewhere")));
        QCOMPARE(counts.count(), 1);
        QCOMPARE(pathChanged.count(), 1);
        // The old search folder is now a sibling, not scanned.
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(!rescansForNewFolder(model, "search/unwatched", 300));
        QVERIFY(rescansForNewFolder(model, "elsewhere/watched"));
    }

    void replacedSearchFolderIsStillWatched()
    {
        IODDListModel model(searchPath());
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

        // Replaced before the watcher's notice is handled, as a sync tool or a restore does it.
        QVERIFY(QDir(searchPath()).removeRecursively());
        QVERIFY(writeIodd("search/restored.xml", "KV-R", "2022-01-15"));
        QTRY_VERIFY(resets.count() >= 1);
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(rescansForNewFolder(model, "search/later"));
    }

    void entriesOfAnEarlierScanLiveUntilTheEventLoop()
    {
        QVERIFY(writeIodd("search/one.xml", "KV-1", "2022-01-15", "Kept"));
        IODDListModel model(searchPath());
        QPointer<QObject> handedOut = model.getEntry(0);

        model.parseIODDs();

        QVERIFY(handedOut);
        QCOMPARE(handedOut->property("productName").toString(), QString("Kept"));
        QVERIFY(model.getEntry(0) != handedOut.data());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!handedOut);
    }

    // The window's rescans scan in the background; the old entries stay until the new ones are there. A folder chosen
    // meanwhile is the next case's.
    void backgroundRescanReplacesTheEntriesWhenDone()
    {
        QVERIFY(writeIodd("search/one.xml", "KV-1", "2022-01-15"));
        IODDListModel model(searchPath());
        QCOMPARE(model.getCount(), 1);
        QVERIFY(writeIodd("search/two.xml", "KV-2", "2022-01-15"));
        QSignalSpy scanning(&model, &IODDListModel::scanningChanged);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.rescan();
        QVERIFY(model.isScanning());
        QCOMPARE(model.getCount(), 1);
        QTRY_VERIFY(!model.isScanning());
        // The folder watch may have asked for one more scan meanwhile; either way the entries change once per scan.
        QVERIFY(scanning.count() >= 2);
        QVERIFY(resets.count() >= 1);
        QCOMPARE(model.getCount(), 2);
        int matches = 0;
        QVERIFY(model.findEntry(QStringLiteral("KV-2"), matches));
        // Entries made in the scan's thread are handed to the model's, where QML and the devices use them.
        QCOMPARE(qobject_cast<IODDEntry *>(model.getEntry(1))->thread(), model.thread());
        QCOMPARE(model.getEntry(1)->parent(), &model);
    }

    void rescanAskedForDuringAScanEndsWithTheLatestFolder()
    {
        for (int i = 0; i < 200; ++i)
            QVERIFY(writeIodd(QStringLiteral("search/many-%1.xml").arg(i), QStringLiteral("KV-%1").arg(i), "2022-01-15"));
        QVERIFY(writeIodd("other/inner/only.xml", "KV-ONLY", "2022-01-15"));
        IODDListModel model(searchPath());
        model.rescan();
        model.chooseIoddSearchPath(root->filePath("other"));
        QTRY_VERIFY(!model.isScanning());
        QCOMPARE(model.getCount(), 1);

        // A scan in the foreground overtakes one in the background, whose result is dropped.
        model.setIoddSearchPath(searchPath());
        model.rescan();
        model.setIoddSearchPath(root->filePath("other"));
        QCOMPARE(model.getCount(), 1);
        QTRY_VERIFY(!model.isScanning());
        QCOMPARE(model.getCount(), 1);
    }

    void sampleInstallsOnlyIntoAMissingFolder()
    {
        const QString target = root->filePath("data/IODDs");
        QVERIFY(SamplePackage::installInto(target));

        QStringList installed = QDir(target).entryList(QDir::Files);
        QStringList shipped = QDir(SamplePackage::resourceFolder()).entryList(QDir::Files);
        installed.sort();
        shipped.sort();
        QCOMPARE(installed, shipped);
        for (const QString &name : installed)
            QVERIFY2(QFileInfo(QDir(target).filePath(name)).isWritable(), qPrintable(name));
        IODDEntry entry { QFileInfo(QDir(target).filePath(SamplePackage::ioddFileName())) };
        entry.parse();
        QVERIFY(entry.isValid());
        QCOMPARE(entry.getProductName(), QString("OVX100"));
        QVERIFY(QFileInfo::exists(entry.getFirstDeviceIconPath()));
        QVERIFY(QFileInfo::exists(QDir(target).filePath(entry.getVendorLogoPath())));

        // The user may have removed the sample on purpose; a later start must not bring it back.
        QVERIFY(QFile::remove(QDir(target).filePath(SamplePackage::ioddFileName())));
        QVERIFY(SamplePackage::installInto(target));
        QVERIFY(!QFileInfo::exists(QDir(target).filePath(SamplePackage::ioddFileName())));
    }

    void uncreatableFolderFailsWithoutLeftovers()
    {
        QVERIFY(TestEnvironment::writeFile(root->filePath("blocker"), QByteArray()));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot create IODD folder"));
        QVERIFY(!SamplePackage::installInto(root->filePath("blocker/IODDs")));
        QVERIFY(!SamplePackage::installInto(QString()));
        QCOMPARE(QDir(root->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({ "blocker", "search" }));
    }

private:
    static QString fixture(const QString &name) { return TestEnvironment::testDataPath("catalogue/entry/" + name); }
    QString searchPath() const { return root->filePath("search"); }
    bool writeIodd(const QString &relativePath, const QString &productId, const QString &date,
                   const QString &name = "Fixture Sensor") const
    {
        return TestEnvironment::writeFile(root->filePath(relativePath), TestEnvironment::templateIodd(productId, date, name));
    }

    // Makes the folder (relative to the temporary root); true when the model scans again within the wait.
    bool rescansForNewFolder(IODDListModel &model, const QString &folder, int waitMs = 5000) const
    {
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        return QDir().mkpath(root->filePath(folder)) && resets.wait(waitMs);
    }

    std::unique_ptr<QTemporaryDir> root;
};

OVINEX_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
