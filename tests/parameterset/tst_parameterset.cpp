#include "testenvironment.h"

#include "parameterset/parameterset.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

ParameterSet sampleSet()
{
    ParameterSet set;
    set.created = QDateTime::fromString(QStringLiteral("2026-12-06T10:00:00+01:00"), Qt::ISODate);
    set.application = QStringLiteral("ovinex");
    set.applicationVersion = QStringLiteral("0.1.0");
    set.device = { 2002, 1001, QStringLiteral("OVX100"), QStringLiteral("OVX100"), QStringLiteral("KV1"),
                   QStringLiteral("HW 1.0"), QStringLiteral("FW 1.2.3") };
    set.iodd = { QStringLiteral("sample.xml"), QStringLiteral("V1.0.0"), QStringLiteral("2026-12-01") };
    set.parameters = { { QStringLiteral("V_SwitchDelay"), 61, 0, QStringLiteral("Delay"), QStringLiteral("0.5 s"),
                         QByteArray::fromHex("3F000000") },
                       { QStringLiteral("V_Record"), 71, 0, QStringLiteral("Record"), QStringLiteral("a: 1"),
                         QByteArray::fromHex("0a0b") } };
    set.unreadable = { { QStringLiteral("V_Secret"), 80, 0, QStringLiteral("Secret"), 0x8023, QStringLiteral("access denied") } };
    return set;
}

QJsonObject sampleObject()
{
    return QJsonDocument::fromJson(sampleSet().toJson()).object();
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
        // Every field, the time's offset and the unreadable parameters included.
        QCOMPARE(QJsonDocument::fromJson(loaded->toJson()).object(), sampleObject());
        QCOMPARE(loaded->created, sampleSet().created);
    }

    void rawIsWrittenAsUpperCaseHex()
    {
        const QJsonObject root = sampleObject();
        QCOMPARE(root.value("format").toString(), QStringLiteral("ovinex-parameter-set"));
        QCOMPARE(root.value("formatVersion").toInt(), 1);
        QCOMPARE(root.value("parameters").toArray().at(1).toObject().value("raw").toString(), QStringLiteral("0A0B"));
        // The offset of the time it was saved stays in the file.
        QVERIFY(root.value("created").toString().endsWith(QStringLiteral("+01:00")));
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
