#include "datatable.h"
#include "testenvironment.h"

#include "iodd/catalogue/ioddentry.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "iodd/model/iodevicet.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

// Files no real description resembles: huge, deeply nested, or a folder of thousands. Each is
// refused or scanned with a message in the log, never a crash or a hang.
class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }

    void cleanup()
    {
        QLoggingCategory::setFilterRules(QString());
    }

    void filesOverTheSizeLimitAreNeitherScannedNorLoaded_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("scanned");
        QTest::newRow("exactly at the limit") << sizeLimit << true;
        QTest::newRow("one octet over the limit") << sizeLimit + 1 << false;
        QTest::newRow("a gigabyte") << qint64(1024) * 1024 * 1024 << false;
    }

    void filesOverTheSizeLimitAreNeitherScannedNorLoaded()
    {
        QFETCH(qint64, size);
        QFETCH(bool, scanned);
        const QString path = writeFile("large.xml", sampleIodd(), size);
        QVERIFY(!path.isEmpty());
        if (!scanned)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("larger than 50 MB, not scanned.*large\\.xml"));

        IODDEntry entry{QFileInfo(path), QStringList()};
        entry.parse();
        // The scan stops once it has the identity, so a file at the limit costs no more than a small one.
        QCOMPARE(entry.isValid(), scanned);
        QCOMPARE(entry.getProductName(), scanned ? QString("Hostile") : IODDEntry::undefinedText());
        if (scanned)
            return;
        // Nor is it loaded.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("larger than 50 MB, not loaded.*large\\.xml"));
        IODeviceT device;
        QVERIFY(!device.loadXml(path, XmlDocumentKind::ProductDescription));
        QVERIFY(device.DocumentInfo.isEmpty() || device.DocumentInfo.first() == device.DocumentInfo.prototype());
    }

    void catalogueScanDoesNotFollowDeepNesting_data()
    {
        DataTable::addRows(QStringLiteral("reliability/nesting.tsv"));
    }

    void catalogueScanDoesNotFollowDeepNesting()
    {
        QFETCH(QByteArray, marker);
        constexpr int depth = 50000;
        const QByteArray nested = QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
        const QByteArray iodd = sampleIodd();
        const int at = iodd.indexOf(marker);
        QVERIFY(at > 0);
        const QString path = writeFile("nested.xml", iodd.left(at) + nested + iodd.mid(at));
        QVERIFY(!path.isEmpty());
        QLoggingCategory::setFilterRules("*.debug=false");

        IODDEntry entry{QFileInfo(path), QStringList()};
        entry.parse();
        // The nesting is skipped as a whole, without recursion; what lies around it is read as usual.
        QVERIFY(entry.isValid());
        QCOMPARE(entry.getProductName(), QString("Hostile"));
        QCOMPARE(entry.getVendorName(), QString("Korvell GmbH"));
    }

    void folderOfTenThousandFilesAndUnreadableOnesScans()
    {
        constexpr int fileCount = 10000;
        constexpr int validEvery = 1000;
        const QString searchPath = folder->filePath("search");
        QVERIFY(QDir().mkpath(searchPath));
        const QByteArray iodd = sampleIodd();
        for (int i = 0; i < fileCount; ++i) {
            QFile file(QDir(searchPath).filePath(QString("device-%1.xml").arg(i)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (i % validEvery == 0)
                file.write(iodd);
        }
        // Unreadable in three ways: no permission (root reads it anyway), a link to nothing, a folder.
        const QString locked = QDir(searchPath).filePath("locked.xml");
        {
            QFile lockedFile(locked);
            QVERIFY(lockedFile.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
        QVERIFY(QFile::link(folder->filePath("missing.xml"), QDir(searchPath).filePath("dangling.xml")));
        QVERIFY(QDir().mkpath(QDir(searchPath).filePath("folder.xml")));
        if (geteuid() != 0)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot read IODD file.*locked\\.xml"));

        QLoggingCategory::setFilterRules("*.debug=false");
        IODDListModel model(searchPath);

        QCOMPARE(model.rowCount(), fileCount + 1);
        int valid = 0;
        for (int row = 0; row < model.rowCount(); ++row)
            valid += qobject_cast<IODDEntry *>(model.getEntry(row))->isValid() ? 1 : 0;
        QCOMPARE(valid, fileCount / validEvery);
    }

private:
    QByteArray sampleIodd() const
    {
        return TestEnvironment::templateIodd(QStringLiteral("KV-1"), QStringLiteral("2026-01-01"), QStringLiteral("Hostile"));
    }

    // A size beyond the content leaves a sparse tail of zero octets: large files cost no disk or time.
    QString writeFile(const QString &name, const QByteArray &content, qint64 size = -1) const
    {
        const QString path = folder->filePath(name);
        if (!TestEnvironment::writeFile(path, content) || (size >= 0 && !QFile::resize(path, size)))
            return QString();
        return path;
    }

    static constexpr qint64 sizeLimit = 50 * 1024 * 1024;
    std::unique_ptr<QTemporaryDir> folder;
};

OVINEX_TEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
