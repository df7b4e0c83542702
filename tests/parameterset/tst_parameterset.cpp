#include "testenvironment.h"

#include "parameterset/parameterset.h"

#include <QFile>
#include <QJsonArray>
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

QJsonObject sampleObject()
{
    return QJsonDocument::fromJson(sampleFile()).object();
}

QJsonObject withParameter(int position, const QString &key, const QJsonValue &value)
{
    QJsonObject root = sampleObject();
    QJsonArray parameters = root.value("parameters").toArray();
    QJsonObject parameter = parameters.at(position).toObject();
    parameter.insert(key, value);
    parameters.replace(position, parameter);
    root.insert("parameters", parameters);
    return root;
}

QByteArray json(const QJsonObject &object)
{
    return QJsonDocument(object).toJson();
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
        QCOMPARE(QJsonDocument::fromJson(loaded->toJson()).object(), sampleObject());
        QCOMPARE(loaded->created, sampleSet().created);
    }

    void badFilesAreRefusedWithTheProblemNamed_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");

        QJsonObject otherFormat = sampleObject();
        otherFormat.insert("format", "something-else");
        QJsonObject newer = sampleObject();
        newer.insert("formatVersion", 2);
        QJsonObject duplicateId = sampleObject();
        QJsonArray parameters = duplicateId.value("parameters").toArray();
        parameters.append(parameters.at(0));
        duplicateId.insert("parameters", parameters);
        QJsonObject duplicateIndex = withParameter(1, "index", 61);
        QJsonObject noDevice = sampleObject();
        noDevice.remove("device");

        QTest::newRow("not JSON") << QByteArray("{ \"format\": ") << "not valid JSON";
        QTest::newRow("a JSON array") << QByteArray("[1, 2]") << "no JSON object";
        QTest::newRow("another format") << json(otherFormat) << "something-else";
        QTest::newRow("newer format version") << json(newer) << "newer";
        QTest::newRow("raw not hex") << json(withParameter(0, "raw", "3F00ZZ00")) << "not hexadecimal";
        QTest::newRow("raw with separators") << json(withParameter(0, "raw", "3F 00")) << "not hexadecimal";
        QTest::newRow("raw of odd length") << json(withParameter(0, "raw", "3F0")) << "wrong length";
        QTest::newRow("raw longer than a transfer") << json(withParameter(0, "raw", QString(2 * 233, QLatin1Char('0'))))
                                                    << "wrong length";
        QTest::newRow("raw missing") << json(withParameter(0, "raw", QJsonValue())) << "no raw value";
        QTest::newRow("duplicate id") << json(duplicateId) << "listed twice";
        QTest::newRow("duplicate index") << json(duplicateIndex) << "listed twice";
        QTest::newRow("index out of range") << json(withParameter(0, "index", 70000)) << "index";
        QTest::newRow("no device identity") << json(noDevice) << "vendor id";
    }

    void badFilesAreRefusedWithTheProblemNamed()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        QString error;
        QVERIFY(!ParameterSet::fromJson(content, &error));
        QVERIFY2(error.contains(problem), qPrintable(error));
    }

    void fileOverTenMegabytesIsNotRead()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("huge.ovxparams")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Valid JSON with a long string, so only the size can refuse it.
        QByteArray content = sampleSet().toJson();
        content.insert(1, "\"padding\": \"" + QByteArray(int(ParameterSet::maxFileSize), 'x') + "\",");
        QVERIFY(file.write(content) == content.size());
        file.close();
        QString error;
        QVERIFY(!ParameterSet::load(file.fileName(), &error));
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
