#include "testenvironment.h"
#include "toolrun.h"

#include "app/applicationsettings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

ToolRun check(const QStringList &arguments)
{
    return ToolRun::start(QStringLiteral("ovinex-check"), arguments);
}

QByteArray sampleContent()
{
    QFile sample(ApplicationSettings::defaultSimulatedDevices().value(0));
    return sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray();
}

} // namespace

class TestOvinexCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(ToolRun::path(QStringLiteral("ovinex-check"))))
            QSKIP("ovinex-check is not built");
        QVERIFY(folder.isValid());
        QVERIFY(TestEnvironment::writeFile(folder.filePath("sample.xml"), sampleContent()));
    }

    void sampleDeviceRunsThrough()
    {
        const ToolRun run = check({ "--seconds", "1", "--language", "de", folder.filePath("sample.xml") });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines.size(), 1);
        const QJsonObject result = run.lines.first();
        QCOMPARE(result.value("file").toString(), folder.filePath("sample.xml"));
        QVERIFY(result.value("ok").toBool());
        QCOMPARE(result.value("productIds").toArray().first().toString(), QStringLiteral("OVX100"));
        QVERIFY(result.value("variables").toInt() > result.value("synced").toInt());
        QVERIFY(result.value("synced").toInt() > 10);
        QCOMPARE(result.value("syncFailures").toInt(), 0);
        QVERIFY(result.value("entries").toObject().value("MenuEntrySystemCommand").toInt() >= 4);
        QVERIFY(result.value("undefined").toArray().isEmpty());
        QVERIFY(result.value("pdItems").toInt() >= 6);
        QVERIFY(result.value("pdPayloads").toInt() >= 40);
        // Nothing was written to the user's settings or log folders.
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QVERIFY(!QFileInfo::exists(config + "/Korvell GmbH/ovinex-check.conf"));
    }

    void olderSchemaDeviceRunsThrough()
    {
        const QString file = TestEnvironment::testDataPath(QStringLiteral("tools/olderschema.xml"));
        const ToolRun run = check({ "--seconds", "0", file });
        QCOMPARE(run.lines.size(), 1);
        const QJsonObject result = run.lines.first();
        // The one broken variable is left out and named; everything else works, so the file is ok.
        QVERIFY2(result.value("ok").toBool(), qPrintable(result.value("error").toString()));
        QCOMPARE(run.exitCode, 0);
        const QJsonArray omitted = result.value("omitted").toArray();
        QCOMPARE(omitted.size(), 1);
        QCOMPARE(omitted.first().toObject().value("id").toString(), QStringLiteral("V_Window"));
        QVERIFY(omitted.first().toObject().value("reason").toString().contains("\"Ulen\""));
        // Its menu references show as not available; nothing is left that cannot be shown.
        QVERIFY(result.value("undefined").toArray().isEmpty());
        QCOMPARE(result.value("missing").toArray(), QJsonArray({ "V_Window/1", "V_Window/2" }));
        QCOMPARE(result.value("syncFailures").toInt(), 0);
        // The older schema's application name is read like any other identity string.
        QVERIFY(result.value("synced").toInt() >= 4);
        const QJsonObject entries = result.value("entries").toObject();
        QCOMPARE(entries.value("MenuEntrySystemCommand").toInt(), 2);
        QCOMPARE(entries.value("MenuEntrySlider").toInt(), 1);
        QCOMPARE(entries.value("MenuEntryTextEdit").toInt(), 1);
    }

    void folderChecksDeviceDescriptionsOnly()
    {
        QTemporaryDir tree;
        QVERIFY(TestEnvironment::writeFile(tree.filePath("vendor/device.xml"), sampleContent()));
        QVERIFY(TestEnvironment::writeFile(tree.filePath("vendor/texts.xml"), "<ExternalTextDocument/>"));
        QVERIFY(TestEnvironment::writeFile(tree.filePath("broken.xml"), "<IODev"));
        QVERIFY(TestEnvironment::writeFile(tree.filePath("notes.txt"), "<IODevice/>"));
        const ToolRun run = check({ "--verbose", "--seconds", "0", tree.path() });
        QVERIFY(run.log.contains("INF: Loading product XML:"));
        QCOMPARE(run.lines.size(), 1);
        QCOMPARE(run.lines.first().value("file").toString(), tree.filePath("vendor/device.xml"));
        QCOMPARE(run.exitCode, 0);
    }

    void failuresSetTheExitStatus_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("error");
        QByteArray unshowable = sampleContent();
        // Access rights outside the schema's values leave a number without an entry kind to show it.
        unshowable.replace("<Variable id=\"V_WindowWidth\" index=\"67\" accessRights=\"rw\"",
                           "<Variable id=\"V_WindowWidth\" index=\"67\" accessRights=\"RW\"");
        QTest::newRow("menu reference becomes undefined") << "unshowable.xml" << unshowable
                                                          << "menu references cannot be shown: V_WindowWidth";
        QTest::newRow("another root") << "texts.xml" << QByteArray("<ExternalTextDocument/>")
                                      << "not a device description: the root element is ExternalTextDocument";
        QTest::newRow("cut short") << "short.xml" << sampleContent().left(4000)
                                   << "not well-formed XML: Premature end of document. (line 86, column 23)";
    }

    void failuresSetTheExitStatus()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        const QString path = folder.filePath(name);
        QVERIFY(TestEnvironment::writeFile(path, content));
        const ToolRun run = check({ "--seconds", "0", path, folder.filePath("sample.xml") });
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.lines.size(), 2);
        QVERIFY(!run.lines.at(0).value("ok").toBool());
        QCOMPARE(run.lines.at(0).value("error").toString(), error);
        if (name == QLatin1String("unshowable.xml"))
            QVERIFY(run.lines.at(0).value("undefined").toArray().contains(QStringLiteral("V_WindowWidth")));
        QVERIFY(run.lines.at(1).value("ok").toBool());
    }

    void optionsSetTheExitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("version") << QStringList { "--version" } << 0;
        QTest::newRow("unknown language") << QStringList { "--language", "xx", folder.filePath("sample.xml") } << 2;
        QTest::newRow("seconds that are no number") << QStringList { "--seconds", "many", folder.filePath("sample.xml") } << 2;
        QTest::newRow("no file") << QStringList {} << 2;
    }

    void optionsSetTheExitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        const ToolRun run = check(arguments);
        QVERIFY2(run.exitCode == status, qPrintable(run.log));
    }

private:
    QTemporaryDir folder;
};

OVINEX_TEST_MAIN(TestOvinexCheck)
#include "tst_ovinexcheck.moc"
