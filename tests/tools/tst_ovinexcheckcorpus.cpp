#include "servedmaster.h"
#include "testenvironment.h"
#include "toolrun.h"

#include "app/applicationsettings.h"
#include "master/masterlibrary.h"
#include "master/simulatedmaster.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

// ovinex-check over every device description of the real IODD corpus, end to end on the simulated
// master: no crash, no hang, every file synchronised with no undefined entry for a variable it can show.
namespace {

// Files that are broken in themselves: another root, cut short. What the tool says of such files is checked
// with our own fixtures (tst_ovinexcheck's failuresSetTheExitStatus).
const QStringList brokenFiles { QStringLiteral("third-party-fixtures/invalid.xml"), QStringLiteral("third-party-fixtures/malformed.xml") };

constexpr int batchSize = 16;
// Real time one file may take before its run counts as hung.
constexpr int perFileLimitMs = 30000;

QString tool()
{
    return ToolRun::path(QStringLiteral("ovinex-check"));
}

// The device descriptions of the manifest: its XML files outside the standard documents, without the
// language files that only carry texts for a description.
QStringList corpusFiles()
{
    QFile manifest(TestEnvironment::corpusPath(QStringLiteral("MANIFEST.tsv")));
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList files;
    manifest.readLine();
    while (!manifest.atEnd()) {
        const QStringList columns = QString::fromUtf8(manifest.readLine()).trimmed().split(QLatin1Char('\t'));
        const QString path = columns.value(0);
        if (path.endsWith(QLatin1String(".xml")) && !path.startsWith(QLatin1String("standard/"))
            && !columns.value(7).contains(QLatin1String("external language file")))
            files << path;
    }
    return files;
}

// Runs the tool over some files, one process per batch. A file whose run crashes or hangs is
// recorded as such, and the files after it go to a new process.
class CorpusRun
{
public:
    QMap<QString, QJsonObject> results;
    QMap<QString, QString> failures;

    void run(QStringList files)
    {
        while (!files.isEmpty())
            files = files.mid(runBatch(files.mid(0, batchSize)));
    }

private:
    // Returns how many files of the batch are accounted for.
    int runBatch(const QStringList &batch)
    {
        QStringList arguments { QStringLiteral("--seconds"), QStringLiteral("0") };
        for (const QString &file : batch)
            arguments << TestEnvironment::corpusPath(file);
        QProcess process;
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(tool(), arguments);
        int answered = 0;
        // Each answer restarts the clock: a file that takes longer than the limit counts as hung.
        while (answered < batch.size() && (process.canReadLine() || process.waitForReadyRead(perFileLimitMs))) {
            while (answered < batch.size() && process.canReadLine())
                results.insert(batch.at(answered++), QJsonDocument::fromJson(process.readLine()).object());
        }
        const bool hung = answered < batch.size() && process.state() == QProcess::Running;
        if (hung)
            process.kill();
        process.waitForFinished(5000);

        if (answered == batch.size())
            return answered;
        // The file after the last answer is the one the process died or stuck on.
        const bool crashed = !hung && (process.exitStatus() == QProcess::CrashExit || process.exitCode() > 1);
        failures.insert(batch.at(answered), hung ? QStringLiteral("hung") : crashed ? QStringLiteral("crashed")
                                                                                    : QStringLiteral("gave no result"));
        return answered + 1;
    }
};

// The tool's result as it wrote it, for the log and the failure messages.
QString describe(const QJsonObject &result)
{
    return QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Compact));
}

} // namespace

class TestOvinexCheckCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!TestEnvironment::hasCorpus())
            QSKIP("The IODD corpus is not present");
        if (!QFileInfo::exists(tool()))
            QSKIP("ovinex-check is not built");
        files = corpusFiles();
        QVERIFY(files.size() > 50);

        corpus.run(files);
        // One line per file, so that a reader of the log sees how far each one got.
        for (const QString &file : qAsConst(files)) {
            const QJsonObject result = corpus.results.value(file);
            QString state = result.value("ok").toBool() ? QStringLiteral("ok") : QStringLiteral("FAIL");
            if (corpus.failures.contains(file))
                state = corpus.failures.value(file);
            else if (brokenFiles.contains(file) && !result.value("ok").toBool())
                state = QStringLiteral("broken");
            qInfo().noquote() << state.leftJustified(7) << file << describe(result);
        }
    }

    void everyDeviceDescriptionEndsOk()
    {
        QStringList problems;
        for (const QString &file : qAsConst(files)) {
            if (corpus.failures.contains(file)) {
                problems << file + QStringLiteral(" ") + corpus.failures.value(file);
                continue;
            }
            if (!corpus.results.contains(file)) {
                problems << file + QStringLiteral(" has no result");
                continue;
            }
            const QJsonObject result = corpus.results.value(file);
            if (brokenFiles.contains(file))
                continue;
            if (!result.value("ok").toBool() || result.value("syncFailures").toInt() > 0
                || !result.value("undefined").toArray().isEmpty() || !result.contains("pages"))
                problems << file + QStringLiteral(": ") + describe(result);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

    // The files that end ok on the simulated serial master, served by an Ethernet master (the simulated one behind
    // the REST interface), checked with ovinex-check --master: the same devices must end ok the same way. The IODD
    // folder holds each served file once, and a round serves no product id twice, so every match is unambiguous.
    void everyDeviceChecksOkThroughANetworkMaster()
    {
        // The n-th file of a product id goes to the n-th round.
        QList<QStringList> rounds;
        QHash<QString, int> earlier;
        for (const QString &file : qAsConst(files)) {
            const QJsonObject result = corpus.results.value(file);
            if (!result.value("ok").toBool())
                continue;
            const int round = earlier[result.value("productIds").toArray().first().toString()]++;
            if (round == rounds.size())
                rounds.append(QStringList());
            rounds[round].append(file);
        }
        QVERIFY(!rounds.isEmpty());

        ApplicationSettings::instance()->setSimulatedMaster(true);
        QCOMPARE(MasterLibrary::instance().bindProvider(MasterLibrary::Provider::SimulatedMaster), MasterLibrary::Provider::SimulatedMaster);
        SimulatedMaster::instance().useRealTime();

        QElapsedTimer stopwatch;
        stopwatch.start();
        int devices = 0;
        int ok = 0;
        int unmatched = 0;
        QStringList problems;
        for (const QStringList &served : qAsConst(rounds)) {
            QTemporaryDir folder;
            QStringList paths;
            for (const QString &file : served) {
                paths << TestEnvironment::corpusPath(file);
                QFile::link(paths.last(), folder.filePath(QString::number(paths.size()) + QStringLiteral("-") + QFileInfo(file).fileName()));
            }
            // A server of its own per round: it keeps the simulated ports it opened.
            SimulatedMaster::instance().setDeviceFiles(paths);
            ServedMaster restMaster;
            QVERIFY(restMaster.listen());
            const ToolRun run = ToolRun::start(QStringLiteral("ovinex-check"), { QStringLiteral("--seconds"), QStringLiteral("0"), QStringLiteral("--master"),
                                                                               restMaster.server->address(), QStringLiteral("--iodd-folder"), folder.path() });
            QSet<int> answered;
            for (const QJsonObject &result : run.lines) {
                const int port = result.value("port").toInt();
                const QString file = served.value(port - 1);
                const bool matched = result.value("file").toString().endsWith(QFileInfo(file).fileName());
                answered.insert(port);
                ++devices;
                // A device whose product ID (index 19) is none its IODD lists is not matched in the window either.
                const QJsonArray listed = corpus.results.value(file).value("productIds").toArray();
                if (!result.contains("file") && !listed.contains(result.value("productId")))
                    ++unmatched;
                else if (result.value("ok").toBool() && matched)
                    ++ok;
                else
                    problems << QStringLiteral("%1 (port %2): %3").arg(file).arg(port).arg(matched ? describe(result) : QStringLiteral("matched to ") + result.value("file").toString());
            }
            for (int port = 1; port <= served.size(); ++port) {
                if (!answered.contains(port))
                    problems << served.at(port - 1) + QStringLiteral(" has no result");
            }
        }
        qInfo().noquote() << QStringLiteral("network master: rounds %1 devices %2 ok %3 not matched by product ID %4 time %5 ms")
                                 .arg(rounds.size()).arg(devices).arg(ok).arg(unmatched).arg(stopwatch.elapsed());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
    }

private:
    CorpusRun corpus;
    QStringList files;
};

OVINEX_TEST_MAIN(TestOvinexCheckCorpus)
#include "tst_ovinexcheckcorpus.moc"
