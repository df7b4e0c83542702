// Loading the documents of a device connection into the model, against a bare DOM parse of the
// same files. Usage: bench_document_load [device IODD] (default: the sample device, else a corpus file).
#include "iodd/model/iodevicet.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>

namespace {

const QString standardFolder = QStringLiteral(":/iolink/standard/StandardDefinitions/");
constexpr int rounds = 8;
// Other work on the machine disturbs single runs: times are processor time of this process, and the
// best of several interleaved batches is kept.
constexpr int batches = 9;

QString deviceFile(const QStringList &arguments)
{
    if (arguments.size() > 1)
        return arguments.at(1);
    QDirIterator sample(QStringLiteral(":/iolink/sample"), {QStringLiteral("*.xml")}, QDir::Files);
    if (sample.hasNext())
        return sample.next();
    return QStringLiteral(OVINEX_CORPUS_DIR "/io-link-community/IO-Link-10-AllComplexDatatypesDevice-20240824-IODD1.1.xml");
}

double milliseconds(std::clock_t since)
{
    return double(std::clock() - since) * 1000.0 / CLOCKS_PER_SEC;
}

struct Document
{
    QString path;
    XmlDocumentKind kind;
};

// The order of a connection with German in use: base files, French, German last, then the device.
QVector<Document> connectionDocuments(const QString &device)
{
    return {
        {standardFolder + "IODD-StandardDefinitions1.1.xml", XmlDocumentKind::StandardDefinitions},
        {standardFolder + "IODD-StandardUnitDefinitions1.1.xml", XmlDocumentKind::StandardUnitDefinitions},
        {standardFolder + "IODD-StandardDefinitions1.1-fr.xml", XmlDocumentKind::StandardDefinitionsLanguage},
        {standardFolder + "IODD-StandardUnitDefinitions1.1-fr.xml", XmlDocumentKind::StandardUnitDefinitionsLanguage},
        {standardFolder + "IODD-StandardDefinitions1.1-de.xml", XmlDocumentKind::StandardDefinitionsLanguage},
        {standardFolder + "IODD-StandardUnitDefinitions1.1-de.xml", XmlDocumentKind::StandardUnitDefinitionsLanguage},
        {device, XmlDocumentKind::ProductDescription},
    };
}

double modelLoad(const QVector<Document> &documents, bool *complete)
{
    const std::clock_t start = std::clock();
    for (int round = 0; round < rounds; ++round) {
        IODeviceT device;
        device.language = QStringLiteral("de");
        for (const Document &document : documents)
            *complete = device.loadXml(document.path, document.kind) && *complete;
    }
    return milliseconds(start) / rounds;
}

double domLoad(const QVector<Document> &documents)
{
    const std::clock_t start = std::clock();
    for (int round = 0; round < rounds; ++round) {
        for (const Document &document : documents) {
            QFile file(document.path);
            file.open(QIODevice::ReadOnly);
            QDomDocument dom;
            dom.setContent(&file);
        }
    }
    return milliseconds(start) / rounds;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    // A connection reads the device's IODD from the IODD folder, not from the resources.
    QTemporaryDir folder;
    QString device = deviceFile(app.arguments());
    if (device.startsWith(QLatin1String(":/"))) {
        const QString copy = folder.filePath(QFileInfo(device).fileName());
        QFile::copy(device, copy);
        device = copy;
    }
    const QVector<Document> documents = connectionDocuments(device);
    for (const Document &document : documents) {
        if (!QFile::exists(document.path)) {
            out << "missing: " << document.path << Qt::endl;
            return 1;
        }
    }

    bool complete = true;
    double dom = 1e9, load = 1e9;
    for (int batch = 0; batch < batches; ++batch) {
        dom = qMin(dom, domLoad(documents));
        load = qMin(load, modelLoad(documents, &complete));
    }

    out << "device: " << QFileInfo(documents.last().path).fileName() << Qt::endl;
    out << "documents loaded: " << (complete ? "all" : "NOT ALL") << Qt::endl;
    out << "dom (ms processor time per connection): " << dom << Qt::endl;
    out << "load (ms processor time per connection): " << load << Qt::endl;
    out << "load/dom: " << load / dom << Qt::endl;
    return complete ? 0 : 1;
}
