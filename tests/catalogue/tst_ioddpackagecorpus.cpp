#include "testenvironment.h"
#include "tst_ioddpackages_zips.h"

#include "iodd/catalogue/ioddentry.h"
#include "iodd/package/ioddfolder.h"
#include "iodd/package/ioddimporter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Every device description of the corpus, packed at test time with the pictures beside it, goes through the
// import exactly when the catalogue's scan takes it.
class TestIoddPackageCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyCorpusFileImports_data();
    void everyCorpusFileImports();
};

void TestIoddPackageCorpus::initTestCase()
{
    if (!TestEnvironment::hasCorpus())
        QSKIP("IODD corpus not present");
}

void TestIoddPackageCorpus::everyCorpusFileImports_data()
{
    TestEnvironment::addCorpusFileRows();
}

void TestIoddPackageCorpus::everyCorpusFileImports()
{
    QFETCH(QString, path);
    QTemporaryDir work;
    const QFileInfo iodd(path);
    QList<QPair<QString, QByteArray>> files;
    QStringList names = IoddFolder::companionsOf(path, iodd.absoluteDir().entryList(QDir::Files));
    names.prepend(iodd.fileName());
    for (const QString &name : qAsConst(names)) {
        QFile file(iodd.absoluteDir().filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        files.append({ "package/" + name, file.readAll() });
    }
    const QString zip = work.filePath("package.zip");
    QVERIFY(TestZips::writeZip(zip, files));
    IODDEntry entry(iodd);
    entry.parse();

    const QList<IoddImportResult> results = IoddImporter(work.filePath("IODDs")).importFile(zip);

    QCOMPARE(results.size(), 1);
    QVERIFY2(results.first().isSuccess() == entry.isValid(), qPrintable(results.first().reason));
    if (entry.isValid()) {
        const QDir imported(results.first().folder);
        for (const QString &name : qAsConst(names))
            QVERIFY2(imported.exists(name), qPrintable(name));
    }
}

OVINEX_TEST_MAIN(TestIoddPackageCorpus)
#include "tst_ioddpackagecorpus.moc"
