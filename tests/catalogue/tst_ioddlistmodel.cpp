#include "testenvironment.h"

#include "app/applicationsettings.h"
#include "iodd/catalogue/ioddentry.h"
#include "iodd/catalogue/ioddlistmodel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

class TestIODDListModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void scansSearchFolderItsParentAndDirectSubfoldersOnly();
    void missingSearchFolderGivesEmptyCatalogue();
    void nonIoddFilesAreListedAsInvalid();
    void rolesCarryTheEntryFields();
    void rolesOutsideTheTableAreEmpty();
    void getEntryOutOfRange_data();
    void getEntryOutOfRange();
    void latestReleaseWinsAndMatchesAreCounted();
    void equalDatesKeepTheEntryScannedFirst();
    void noMatchGivesNullAndZero();
    void newSubfolderTriggersRescanButFileInSubfolderDoesNot();
    void changingSearchPathRescansAndMovesTheWatch();
    void replacedSearchFolderIsStillWatched();
    void entriesOfAnEarlierScanLiveUntilTheEventLoop();

private:
    QString searchPath() const { return root->filePath("search"); }
    bool writeIodd(const QString &relativePath, const QString &productId, const QString &date,
                   const QString &name = "Fixture Sensor") const;

    std::unique_ptr<QTemporaryDir> root;
};

void TestIODDListModel::init()
{
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(searchPath()));
    ApplicationSettings::instance()->setIoddSearchPath(searchPath());
}

bool TestIODDListModel::writeIodd(const QString &relativePath, const QString &productId, const QString &date,
                                  const QString &name) const
{
    QFile templateFile(TestEnvironment::testDataPath("catalogue/template.xml"));
    if (!templateFile.open(QIODevice::ReadOnly))
        return false;
    QString content = QString::fromUtf8(templateFile.readAll());
    content.replace("@PRODUCT@", productId).replace("@DATE@", date).replace("@NAME@", name);
    const QString path = root->filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content.toUtf8()) > 0;
}

void TestIODDListModel::scansSearchFolderItsParentAndDirectSubfoldersOnly()
{
    QVERIFY(writeIodd("search/direct.xml", "P-DIRECT", "2024-01-01"));
    QVERIFY(writeIodd("parent.xml", "P-PARENT", "2024-01-01"));
    QVERIFY(writeIodd("search/sub/sub.xml", "P-SUB", "2024-01-01"));
    QVERIFY(writeIodd("search/sub/deeper/deep.xml", "P-DEEP", "2024-01-01"));
    QVERIFY(writeIodd("search/sub/readme.txt", "P-TEXT", "2024-01-01"));

    IODDListModel model;
    int matches = -1;

    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.property("count").toInt(), 3);
    QVERIFY(model.findEntry("P-DIRECT", matches));
    QVERIFY(model.findEntry("P-PARENT", matches));
    QVERIFY(model.findEntry("P-SUB", matches));
    QVERIFY(!model.findEntry("P-DEEP", matches));
    // Subfolders come first (reverse name order puts "." and ".." last).
    QCOMPARE(model.data(model.index(0), IODDListModel::NameRole).toString(), QDir(searchPath()).filePath("sub/sub.xml"));
    QCOMPARE(model.data(model.index(1), IODDListModel::NameRole).toString(), root->filePath("parent.xml"));
}

void TestIODDListModel::missingSearchFolderGivesEmptyCatalogue()
{
    ApplicationSettings::instance()->setIoddSearchPath(root->filePath("nowhere"));
    QVERIFY(writeIodd("beside.xml", "P-BESIDE", "2024-01-01"));
    IODDListModel model;

    QCOMPARE(model.rowCount(), 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("entry index out of range"));
    QVERIFY(model.getEntry(0) == nullptr);
}

void TestIODDListModel::nonIoddFilesAreListedAsInvalid()
{
    QVERIFY(QFile::copy(TestEnvironment::testDataPath("catalogue/entry/notiodd.xml"), root->filePath("search/other.xml")));
    QVERIFY(writeIodd("search/good.xml", "P-GOOD", "2024-01-01"));
    IODDListModel model;

    QCOMPARE(model.rowCount(), 2);
    QSet<bool> validity;
    for (int row = 0; row < model.rowCount(); ++row)
        validity.insert(model.data(model.index(row), IODDListModel::ValidRole).toBool());
    QCOMPARE(validity, QSet<bool>({ true, false }));
}

void TestIODDListModel::rolesCarryTheEntryFields()
{
    QVERIFY(writeIodd("search/only.xml", "P-ONLY", "2024-01-01", "Only Sensor"));
    IODDListModel model;
    QCOMPARE(model.rowCount(), 1);
    const QModelIndex row = model.index(0);
    const QHash<int, QByteArray> names = model.roleNames();
    const QDir search(searchPath());

    const QList<QPair<QByteArray, QVariant>> expected = {
        { "valid", true },
        { "name", search.filePath("only.xml") },
        { "productName", "Only Sensor" },
        { "vendorId", 2002 },
        { "deviceId", 77 },
        { "vendorName", "Korvell GmbH" },
        { "vendorLogoPath", "Korvell-logo.png" },
        { "deviceIconPath", search.filePath("KV-1-icon.png") },
        { "deviceSymbolPath", search.filePath("KV-1-pic.png") },
    };
    int role = Qt::UserRole;
    for (const auto &field : expected) {
        QCOMPARE(names.value(role), field.first);
        QCOMPARE(model.data(row, role), field.second);
        ++role;
    }
}

void TestIODDListModel::rolesOutsideTheTableAreEmpty()
{
    QVERIFY(writeIodd("search/only.xml", "P-ONLY", "2024-01-01"));
    IODDListModel model;

    QVERIFY(!model.data(model.index(0), Qt::UserRole - 1).isValid());
    QVERIFY(!model.data(model.index(0), Qt::UserRole + 9).isValid());
    QVERIFY(!model.data(model.index(0), Qt::DisplayRole).isValid());
    QVERIFY(!model.data(QModelIndex(), Qt::UserRole).isValid());
    QVERIFY(!model.data(model.index(1), Qt::UserRole).isValid());
}

void TestIODDListModel::getEntryOutOfRange_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("negative") << -1;
    QTest::newRow("count") << 1;
    QTest::newRow("far beyond") << 1000;
}

void TestIODDListModel::getEntryOutOfRange()
{
    QFETCH(int, index);
    QVERIFY(writeIodd("search/only.xml", "P-ONLY", "2024-01-01"));
    IODDListModel model;

    QVERIFY(model.getEntry(0) != nullptr);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("entry index out of range, index: " + QString::number(index)));
    QVERIFY(model.getEntry(index) == nullptr);
}

void TestIODDListModel::latestReleaseWinsAndMatchesAreCounted()
{
    // The newer release sits in the folder scanned last.
    QVERIFY(writeIodd("search/zz/old.xml", "KV-9", "2021-03-01", "Old"));
    QVERIFY(writeIodd("search/aa/new.xml", "KV-9", "2022-01-15", "New"));
    QVERIFY(writeIodd("search/mm/other.xml", "KV-8", "2023-01-01", "Other"));
    IODDListModel model;
    int matches = -1;

    QTest::ignoreMessage(QtWarningMsg, "IODD: found 2 matching for \"KV-9\"");
    IODDEntry *entry = model.findEntry("KV-9", matches);
    QVERIFY(entry);
    QCOMPARE(entry->getProductName(), QString("New"));
    QCOMPARE(matches, 2);
}

void TestIODDListModel::equalDatesKeepTheEntryScannedFirst()
{
    QVERIFY(writeIodd("search/first/a.xml", "KV-7", "2022-01-15", "In first"));
    QVERIFY(writeIodd("search/second/b.xml", "KV-7", "2022-01-15", "In second"));
    QVERIFY(writeIodd("search/c.xml", "KV-7", "2022-01-15", "In search folder"));
    IODDListModel model;
    int matches = -1;

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("IODD: found 3 matching for"));
    IODDEntry *entry = model.findEntry("KV-7", matches);
    QVERIFY(entry);
    QCOMPARE(entry->getProductName(), QString("In second"));
    QCOMPARE(matches, 3);
}

void TestIODDListModel::noMatchGivesNullAndZero()
{
    int matches = -1;
    {
        IODDListModel emptyModel;
        QVERIFY(!emptyModel.findEntry("KV-1", matches));
        QCOMPARE(matches, 0);
    }
    QVERIFY(writeIodd("search/one.xml", "KV-1", "2022-01-15"));
    IODDListModel model;
    matches = -1;
    QVERIFY(!model.findEntry("", matches));
    QCOMPARE(matches, 0);
    QVERIFY(!model.findEntry("KV-2", matches));
    QCOMPARE(matches, 0);
}

void TestIODDListModel::newSubfolderTriggersRescanButFileInSubfolderDoesNot()
{
    QVERIFY(writeIodd("search/sub/one.xml", "KV-1", "2022-01-15"));
    IODDListModel model;
    QCOMPARE(model.rowCount(), 1);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    QVERIFY(writeIodd("search/sub/two.xml", "KV-2", "2022-01-15"));
    QVERIFY(!resets.wait(500));
    QCOMPARE(model.rowCount(), 1);

    QVERIFY(QDir().mkpath(root->filePath("search/newsub")));
    QTRY_VERIFY(resets.count() >= 1);
    QCOMPARE(model.rowCount(), 2);
}

void TestIODDListModel::changingSearchPathRescansAndMovesTheWatch()
{
    QVERIFY(writeIodd("search/one.xml", "KV-1", "2022-01-15"));
    QVERIFY(writeIodd("elsewhere/inner/a.xml", "KV-A", "2022-01-15"));
    QVERIFY(writeIodd("elsewhere/inner/b.xml", "KV-B", "2022-01-15"));
    IODDListModel model;
    QCOMPARE(model.rowCount(), 1);
    QSignalSpy pathChanges(&model, &IODDListModel::ioddSearchPathChanged);
    QSignalSpy counts(&model, &IODDListModel::countChanged);

    const QString elsewhere = root->filePath("elsewhere");
    QVERIFY(model.setProperty("ioddSearchPath", elsewhere));

    QCOMPARE(pathChanges.count(), 1);
    QCOMPARE(counts.count(), 1);
    QCOMPARE(ApplicationSettings::instance()->getIoddSearchPath(), elsewhere);
    QCOMPARE(model.getIoddSearchPath(), elsewhere);
    // The old search folder is now a sibling, not scanned.
    QCOMPARE(model.rowCount(), 2);

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QVERIFY(QDir().mkpath(root->filePath("search/unwatched")));
    QVERIFY(!resets.wait(500));
    QVERIFY(QDir().mkpath(root->filePath("elsewhere/watched")));
    QTRY_VERIFY(resets.count() >= 1);
}

void TestIODDListModel::replacedSearchFolderIsStillWatched()
{
    IODDListModel model;
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    // Replaced before the watcher's notice is handled, as a sync tool or a restore does it.
    QVERIFY(QDir(searchPath()).removeRecursively());
    QVERIFY(writeIodd("search/restored.xml", "KV-R", "2022-01-15"));
    QTRY_VERIFY(resets.count() >= 1);
    QCOMPARE(model.rowCount(), 1);

    resets.clear();
    QVERIFY(QDir().mkpath(root->filePath("search/later")));
    QTRY_VERIFY(resets.count() >= 1);
}

void TestIODDListModel::entriesOfAnEarlierScanLiveUntilTheEventLoop()
{
    QVERIFY(writeIodd("search/one.xml", "KV-1", "2022-01-15", "Kept"));
    IODDListModel model;
    QPointer<QObject> handedOut = model.getEntry(0);
    QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);

    model.parseIODDs();

    QCOMPARE(aboutToReset.count(), 1);
    QVERIFY(handedOut);
    QCOMPARE(handedOut->property("productName").toString(), QString("Kept"));
    QVERIFY(model.getEntry(0) != handedOut.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!handedOut);
}

OVINEX_TEST_MAIN(TestIODDListModel)
#include "tst_ioddlistmodel.moc"
