// Times the catalogue's full rescan of a large IODD folder against a bare tokenizing pass and a full DOM parse of the
// same files, all in one run, and prints the two ratios the quick scan exists for.
#include "app/applicationsettings.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "iodd/catalogue/samplepackage.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>

namespace {
constexpr int minimumFiles = 1000;
constexpr int rounds = 5;

QStringList sourceFiles()
{
    QStringList files { SamplePackage::resourceFolder() + "/" + SamplePackage::ioddFileName() };
    QDirIterator corpus(QStringLiteral(OVINEX_CORPUS_DIR), { "*.xml" }, QDir::Files, QDirIterator::Subdirectories);
    while (corpus.hasNext())
        files << corpus.next();
    return files;
}

// Fills folder with copies of the sources, round-robin, until it holds at least minimumFiles files.
QStringList fillFolder(const QString &folder, const QStringList &sources)
{
    QDir().mkpath(folder);
    QStringList copies;
    for (int i = 0; copies.size() < minimumFiles; ++i) {
        const QString source = sources.at(i % sources.size());
        const QString target = QStringLiteral("%1/%2-%3").arg(folder).arg(i, 4, 10, QLatin1Char('0')).arg(QFileInfo(source).fileName());
        if (QFile::copy(source, target))
            copies << target;
    }
    return copies;
}

void tokenize(const QStringList &files)
{
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QXmlStreamReader reader(&file);
        while (!reader.atEnd())
            reader.readNext();
    }
}

void parseDom(const QStringList &files)
{
    for (const QString &path : files) {
        QFile file(path);
        QDomDocument document;
        if (file.open(QIODevice::ReadOnly))
            document.setContent(&file, true);
    }
}

// Best of several rounds: the least disturbed by the other work on the machine.
double bestMilliseconds(const std::function<void()> &work)
{
    double best = -1;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        work();
        const double elapsed = timer.nsecsElapsed() / 1e6;
        best = best < 0 ? elapsed : std::min(best, elapsed);
    }
    return best;
}

void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        fprintf(stderr, "%s\n", qPrintable(message));
}
} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir root;
    // Keep the user's settings untouched: the catalogue reads its search folder from them.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath("config")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root.filePath("config"));
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Korvell GmbH"));
    QCoreApplication::setApplicationName(QStringLiteral("ovinex-bench"));
    qInstallMessageHandler(quietMessages);

    const QString search = root.filePath("search");
    const QStringList files = fillFolder(search + "/pool", sourceFiles());
    IODDListModel model(search);
    QTextStream out(stdout);
    out << "files: " << model.getCount() << "\n";
    tokenize(files);

    const double scan = bestMilliseconds([&] { model.parseIODDs(); QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); });
    const double tokenizing = bestMilliseconds([&] { tokenize(files); });
    const double dom = bestMilliseconds([&] { parseDom(files); });

    out << "scan ms: " << scan << "\n";
    out << "tokenize ms: " << tokenizing << "\n";
    out << "dom ms: " << dom << "\n";
    out << "scan/tokenize: " << scan / tokenizing << "\n";
    out << "dom/scan: " << dom / scan << "\n";
    return 0;
}
