#include "datatable.h"
#include "testenvironment.h"

#include "parameterset/parameterset.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

// A saved set as the program writes it: raw values in upper-case hexadecimal, the time with its offset.
QByteArray sampleFile()
{
    QFile file(TestEnvironment::testDataPath(QStringLiteral("parameterset/sample.ovxparams")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ParameterSet sampleSet()
{
    return ParameterSet::fromJson(sampleFile(), nullptr).value_or(ParameterSet());
}

} // namespace

class TestParameterSet : public QObject
{
    Q_OBJECT

private slots:
    void savedFileReadsBackUnchanged()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("set.ovxparams"));
        QString error;
        QVERIFY2(sampleSet().save(path, &error), qPrintable(error));
        const std::optional<ParameterSet> loaded = ParameterSet::load(path, &error);
        QVERIFY2(loaded, qPrintable(error));
        // Every field as the file has it: the format, the time's offset, upper-case raw values, the unreadable parameters.
        QCOMPARE(QJsonDocument::fromJson(loaded->toJson()).object(), QJsonDocument::fromJson(sampleFile()).object());
        QCOMPARE(loaded->created, sampleSet().created);
    }

    void badFilesAreRefusedWithTheProblemNamed_data()
    {
        DataTable::addRows(QStringLiteral("parameterset/bad-files.tsv"));
    }

    void badFilesAreRefusedWithTheProblemNamed()
    {
        QFETCH(QString, file);
        QFETCH(QString, problem);
        QFile bad(TestEnvironment::testDataPath(QStringLiteral("parameterset/bad/") + file));
        QVERIFY(bad.open(QIODevice::ReadOnly));
        QString error;
        QVERIFY(!ParameterSet::fromJson(bad.readAll(), &error));
        QVERIFY2(error.contains(problem), qPrintable(error));
    }

    void fileOverTenMegabytesIsNotRead()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("huge.ovxparams"));
        // Valid JSON with a long string, so only the size can refuse it.
        QByteArray content = sampleSet().toJson();
        content.insert(1, "\"padding\": \"" + QByteArray(int(ParameterSet::maxFileSize), 'x') + "\",");
        QVERIFY(TestEnvironment::writeFile(path, content));
        QString error;
        QVERIFY(!ParameterSet::load(path, &error));
        QVERIFY2(error.contains(QStringLiteral("10 MB")), qPrintable(error));
    }

    void unwritableFileIsReported()
    {
        QTemporaryDir folder;
        QString error;
        QVERIFY(!sampleSet().save(folder.filePath(QStringLiteral("missing/set.ovxparams")), &error));
        QVERIFY2(error.contains(QStringLiteral("set.ovxparams")) && error.contains(QStringLiteral("cannot be written")),
                 qPrintable(error));
    }
};

OVINEX_TEST_MAIN(TestParameterSet)
#include "tst_parameterset.moc"
