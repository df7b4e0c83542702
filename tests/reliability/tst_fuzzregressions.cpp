#include "testenvironment.h"

// The fuzz targets themselves, without libFuzzer's entry points: each input replays exactly as the
// fuzzer ran it.
#define OVINEX_FUZZ_REPLAY
#include "../../fuzz/fuzz_catalogue_scan.cpp"
#include "../../fuzz/fuzz_document_load.cpp"
#include "../../fuzz/fuzz_payload_converter.cpp"
#include "../../fuzz/fuzz_simulated_isdu_write.cpp"
#include "../../fuzz/fuzz_package_archive.cpp"

#include <QDir>
#include <QLoggingCategory>

#include <functional>

// Inputs that once made a fuzz target crash, hang, leak or trip a sanitizer, kept in
// tests/data/fuzz/<target>/ and replayed through the same code; a finding fails here as it did there.
class TestFuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void replaysEveryKeptInput_data();
    void replaysEveryKeptInput();
};

using Replay = std::function<void(const uint8_t *, size_t)>;
Q_DECLARE_METATYPE(Replay)

void TestFuzzRegressions::initTestCase()
{
    // Millions of fuzzer runs made these inputs; their log is of no interest here.
    QLoggingCategory::setFilterRules("*.debug=false\n*.warning=false\n*.critical=false");
    FuzzReplay::catalogueScanSetUp();
    FuzzReplay::documentLoadSetUp();
    FuzzReplay::payloadConverterSetUp();
    FuzzReplay::simulatedIsduWriteSetUp();
    FuzzReplay::packageArchiveSetUp();
}

void TestFuzzRegressions::cleanupTestCase()
{
    QLoggingCategory::setFilterRules(QString());
}

void TestFuzzRegressions::replaysEveryKeptInput_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<Replay>("replay");
    const QList<QPair<QString, Replay>> targets = {
        {"fuzz_catalogue_scan", FuzzReplay::catalogueScan},
        {"fuzz_document_load", FuzzReplay::documentLoad},
        {"fuzz_payload_converter", FuzzReplay::payloadConverter},
        {"fuzz_simulated_isdu_write", FuzzReplay::simulatedIsduWrite},
        {"fuzz_package_archive", FuzzReplay::packageArchive},
    };
    int inputs = 0;
    for (const auto &target : targets) {
        const QDir folder(TestEnvironment::testDataPath("fuzz/" + target.first));
        for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
            QTest::addRow("%s/%s", qPrintable(target.first), qPrintable(name)) << folder.filePath(name) << target.second;
            ++inputs;
        }
    }
    QVERIFY2(inputs > 0, "no kept inputs found in tests/data/fuzz");
}

void TestFuzzRegressions::replaysEveryKeptInput()
{
    QFETCH(QString, path);
    QFETCH(Replay, replay);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray input = file.readAll();
    replay(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
}

OVINEX_TEST_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
