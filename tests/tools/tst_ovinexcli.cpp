#include "testenvironment.h"

#include "app/applicationsettings.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Run
{
    int exitCode = -1;
    QList<QJsonObject> lines;
    QString log;
};

QString tool()
{
    return TestEnvironment::buildPath(QStringLiteral("ovinex-cli"));
}

QString sample()
{
    return ApplicationSettings::defaultSimulatedDevices().value(0);
}

Run cli(const QStringList &arguments)
{
    QProcess process;
    process.start(tool(), arguments);
    Run run;
    if (!process.waitForFinished(300000))
        return run;
    run.exitCode = process.exitCode();
    run.log = QString::fromLocal8Bit(process.readAllStandardError());
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            run.lines << QJsonDocument::fromJson(line).object();
    }
    return run;
}

Run onSample(QStringList arguments)
{
    return cli(QStringList { QStringLiteral("--simulated"), sample() } + arguments);
}

// The saved file with one change made to its JSON.
bool editCopy(const QString &from, const QString &to, const std::function<void(QJsonObject &)> &edit)
{
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    QJsonObject root = QJsonDocument::fromJson(in.readAll()).object();
    edit(root);
    return out.write(QJsonDocument(root).toJson()) > 0;
}

void setRaw(QJsonObject &root, const QString &id, const QString &raw)
{
    QJsonArray parameters = root.value("parameters").toArray();
    for (int position = 0; position < parameters.size(); ++position) {
        QJsonObject parameter = parameters.at(position).toObject();
        if (parameter.value("id").toString() == id) {
            parameter.insert("raw", raw);
            parameters.replace(position, parameter);
        }
    }
    root.insert("parameters", parameters);
}

} // namespace

class TestOvinexCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void portsListsTheDeviceIdentity();
    void rawReadAndWrite();
    void exitStatuses_data();
    void exitStatuses();
    void compareListsTheDifferencesAndASummary();
    void restoreWritesTheFileAndConfirmsIt();
    void ioddImportListAndRemove();

private:
    QTemporaryDir folder;
    QString saved;
};

void TestOvinexCli::initTestCase()
{
    if (!QFileInfo::exists(tool()))
        QSKIP("ovinex-cli is not built");
    QVERIFY(folder.isValid());
    saved = folder.filePath(QStringLiteral("sample.ovxparams"));
    const Run save = onSample({ QStringLiteral("params"), QStringLiteral("save"), QStringLiteral("SIM1"), saved });
    QVERIFY2(save.exitCode == 0, qPrintable(save.log));
    QVERIFY(QFileInfo::exists(saved));

    QVERIFY(editCopy(saved, folder.filePath(QStringLiteral("changed.ovxparams")),
                     [](QJsonObject &root) { setRaw(root, QStringLiteral("V_WindowWidth"), QStringLiteral("00C8")); }));
    QVERIFY(editCopy(saved, folder.filePath(QStringLiteral("otherdevice.ovxparams")), [](QJsonObject &root) {
        QJsonObject device = root.value("device").toObject();
        device.insert("deviceId", 4242);
        root.insert("device", device);
    }));
    QVERIFY(editCopy(saved, folder.filePath(QStringLiteral("newer.ovxparams")),
                     [](QJsonObject &root) { root.insert("formatVersion", 7); }));
    QVERIFY(editCopy(saved, folder.filePath(QStringLiteral("nothex.ovxparams")),
                     [](QJsonObject &root) { setRaw(root, QStringLiteral("V_WindowWidth"), QStringLiteral("00G8")); }));
    QFile notJson(folder.filePath(QStringLiteral("notjson.ovxparams")));
    QVERIFY(notJson.open(QIODevice::WriteOnly));
    notJson.write("this is no parameter set");
}

void TestOvinexCli::portsListsTheDeviceIdentity()
{
    const Run run = onSample({ QStringLiteral("ports") });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 1);
    QCOMPARE(run.lines.first().value("port").toString(), QStringLiteral("SIM1"));
    QCOMPARE(run.lines.first().value("vendorId").toInt(), 2002);
    QCOMPARE(run.lines.first().value("deviceId").toInt(), 1001);
    QCOMPARE(run.lines.first().value("productName").toString(), QStringLiteral("OVX100"));
}

void TestOvinexCli::rawReadAndWrite()
{
    const Run read = onSample({ QStringLiteral("read"), QStringLiteral("SIM1"), QStringLiteral("67") });
    QCOMPARE(read.exitCode, 0);
    QCOMPARE(read.lines.value(0).value("raw").toString(), QStringLiteral("0064"));
    const Run refused = onSample({ QStringLiteral("write"), QStringLiteral("SIM1"), QStringLiteral("67"), QStringLiteral("0001") });
    QCOMPARE(refused.exitCode, 1);
    QCOMPARE(refused.lines.value(0).value("isduError").toString(), QStringLiteral("0x8030"));
    QVERIFY(refused.log.contains(QStringLiteral("out of range")));
}

void TestOvinexCli::exitStatuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    const QString sim = QStringLiteral("SIM1");
    const auto file = [this](const char *name) { return folder.filePath(QString::fromLatin1(name)); };
    QTest::newRow("help") << QStringList { "--help" } << 0;
    QTest::newRow("version") << QStringList { "--version" } << 0;
    QTest::newRow("no command") << QStringList {} << 2;
    QTest::newRow("unknown command") << QStringList { "frobnicate" } << 2;
    QTest::newRow("unknown option") << QStringList { "--frobnicate", "ports" } << 2;
    QTest::newRow("unknown language") << QStringList { "--language", "xx", "ports" } << 2;
    QTest::newRow("read without index") << QStringList { "read", sim } << 2;
    QTest::newRow("read of no index") << QStringList { "read", sim, "sixty" } << 2;
    QTest::newRow("write of no hex") << QStringList { "write", sim, "67", "0x12" } << 2;
    QTest::newRow("read of an unknown port") << QStringList { "read", "SIM9", "67" } << 2;
    QTest::newRow("read refused by the device") << QStringList { "read", sim, "999" } << 1;
    QTest::newRow("compare with the saved file") << QStringList { "params", "compare", sim, saved } << 0;
    QTest::newRow("compare with a changed file") << QStringList { "params", "compare", sim, file("changed.ovxparams") } << 1;
    QTest::newRow("compare with a missing file") << QStringList { "params", "compare", sim, file("missing.ovxparams") } << 2;
    QTest::newRow("compare with no JSON") << QStringList { "params", "compare", sim, file("notjson.ovxparams") } << 2;
    QTest::newRow("compare with a newer format") << QStringList { "params", "compare", sim, file("newer.ovxparams") } << 2;
    QTest::newRow("restore of raw that is no hex") << QStringList { "params", "restore", sim, file("nothex.ovxparams"), "--yes" } << 2;
    QTest::newRow("restore of another device") << QStringList { "params", "restore", sim, file("otherdevice.ovxparams"), "--yes" } << 2;
    QTest::newRow("restore without --yes") << QStringList { "params", "restore", sim, file("changed.ovxparams") } << 2;
    QTest::newRow("params without action") << QStringList { "params", sim, saved } << 2;
    QTest::newRow("save into a missing folder") << QStringList { "params", "save", sim, file("missing/x.ovxparams") } << 2;
}

void TestOvinexCli::exitStatuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    const Run run = arguments.contains(QStringLiteral("SIM1")) ? onSample(arguments) : cli(arguments);
    QVERIFY2(run.exitCode == status, qPrintable(QStringLiteral("exit %1: %2").arg(run.exitCode).arg(run.log)));
}

void TestOvinexCli::compareListsTheDifferencesAndASummary()
{
    const Run run = onSample({ QStringLiteral("params"), QStringLiteral("compare"), QStringLiteral("SIM1"),
                               folder.filePath(QStringLiteral("changed.ovxparams")) });
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.lines.size(), 2);
    const QJsonObject difference = run.lines.first();
    QCOMPARE(difference.value("id").toString(), QStringLiteral("V_WindowWidth"));
    QCOMPARE(difference.value("index").toInt(), 67);
    QCOMPARE(difference.value("subindex").toInt(), 0);
    QCOMPARE(difference.value("file").toString(), QStringLiteral("00C8"));
    QCOMPARE(difference.value("device").toString(), QStringLiteral("0064"));
    QCOMPARE(run.lines.last().value("differ").toInt(), 1);
    QVERIFY(run.lines.last().value("summary").toString().startsWith(QStringLiteral("1 of ")));
}

void TestOvinexCli::restoreWritesTheFileAndConfirmsIt()
{
    const Run run = onSample({ QStringLiteral("params"), QStringLiteral("restore"), QStringLiteral("SIM1"),
                               folder.filePath(QStringLiteral("changed.ovxparams")), QStringLiteral("--yes") });
    QVERIFY2(run.exitCode == 0, qPrintable(run.log));
    bool confirmed = false;
    for (const QJsonObject &line : run.lines)
        confirmed = confirmed || (line.value("id").toString() == QLatin1String("V_WindowWidth")
                                  && line.value("outcome").toString() == QLatin1String("Confirmed"));
    QVERIFY(confirmed);
    QVERIFY(run.lines.last().value("restored").toBool());
}

OVINEX_TEST_MAIN(TestOvinexCli)
#include "tst_ovinexcli.moc"

void TestOvinexCli::ioddImportListAndRemove()
{
    QTemporaryDir ioddFolder;
    const QStringList in { QStringLiteral("--iodd-folder"), ioddFolder.path() };
    const Run imported = cli(in + QStringList { "iodd", "import", sample() });
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.log));
    QCOMPARE(imported.lines.value(0).value("status").toString(), QStringLiteral("imported"));
    const Run again = cli(in + QStringList { "iodd", "import", sample() });
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(again.lines.value(0).value("status").toString(), QStringLiteral("already present"));
    // A file that is no device description fails the import, the others still count.
    const Run refused = cli(in + QStringList { "iodd", "import", sample(), folder.filePath(QStringLiteral("notjson.ovxparams")) });
    QCOMPARE(refused.exitCode, 1);

    const Run listed = cli(in + QStringList { "iodd", "list" });
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.lines.size(), 1);
    QVERIFY(listed.lines.first().value("used").toBool());
    const QString file = listed.lines.first().value("file").toString();
    QCOMPARE(cli(in + QStringList { "iodd", "remove", file }).exitCode, 0);
    QVERIFY(!QFileInfo::exists(file));
    QCOMPARE(cli(in + QStringList { "iodd", "list" }).lines.size(), 0);
    QCOMPARE(cli(in + QStringList { "iodd", "remove", QStringLiteral("/etc/hostname") }).exitCode, 2);
    QCOMPARE(cli(in + QStringList { "iodd" }).exitCode, 2);
}
