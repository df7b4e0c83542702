// Time from connectToDevice to the connected state on the simulated master without link delay,
// against a bare DOM parse of the same documents in the same run.

#include "app/applicationsettings.h"
#include "binding/iolinkwrapper.h"
#include "connection/iolinkdevice.h"
#include "connection/iqcommcommunicationhandler.h"
#include "connection/iqcommconnectionhandler.h"
#include "device/variablewrapper.h"
#include "master/masterlibrary.h"
#include "master/simulatedmaster.h"

#include <QApplication>
#include <QDirIterator>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

// A device on a virtual port, wired as the serial device does it.
class BenchDevice : public IOLinkDevice
{
    Q_OBJECT

public:
    BenchDevice(const SerialPortDescriptor &port, const QString &iodd)
    {
        address = port.portName();
        setIoddFile(iodd);
        communication = new IqCommCommunicationHandler(port);
        connection = new IqCommConnectionHandler(port);
        communicationHandler = communication;
        connectionHandler = connection;
        connectConnectionHandler();
        connect(this, &IOLinkDevice::connectionLost, this, [this]() { communication->setPortHandle(-1); });
        init();
    }
    QString getAddress() const override { return address; }
    bool hasIOLinkDevice() const override { return true; }

public slots:
    void onConnected() override { communication->setPortHandle(connection->getPortHandle()); }

private:
    IqCommCommunicationHandler *communication = nullptr;
    IqCommConnectionHandler *connection = nullptr;
};

namespace {

constexpr int rounds = 9;

struct Figures
{
    double connectMs = 0;
    double domMs = 0;
    int reads = 0;
    int referenced = 0;
};

QStringList documentsOf(const QString &iodd)
{
    const QString folder = QStringLiteral(":/iolink/standard/StandardDefinitions/");
    return { folder + "IODD-StandardDefinitions1.1.xml",    folder + "IODD-StandardUnitDefinitions1.1.xml",
             folder + "IODD-StandardDefinitions1.1-de.xml", folder + "IODD-StandardUnitDefinitions1.1-de.xml",
             folder + "IODD-StandardDefinitions1.1-fr.xml", folder + "IODD-StandardUnitDefinitions1.1-fr.xml",
             iodd };
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

bool waitFor(IOLinkDevice &device, const char *state)
{
    QEventLoop loop;
    QTimer timeout;
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&device, &IOLinkDevice::stateChanged, &loop, [&]() {
        if (device.getState() == QLatin1String(state))
            loop.quit();
    });
    timeout.start(120000);
    if (device.getState() != QLatin1String(state))
        loop.exec();
    return device.getState() == QLatin1String(state);
}

double domParseMs(const QStringList &documents)
{
    QElapsedTimer timer;
    timer.start();
    for (const QString &path : documents) {
        QFile file(path);
        QDomDocument dom;
        if (!file.open(QIODevice::ReadOnly) || !dom.setContent(&file))
            std::fprintf(stderr, "cannot parse %s\n", qPrintable(path));
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

Figures measure(const QString &iodd)
{
    SimulatedMaster &master = SimulatedMaster::instance();
    master.setDeviceFiles({ iodd });
    Figures figures;
    QVector<double> connects;
    QVector<double> doms;
    for (int round = 0; round < rounds; ++round) {
        BenchDevice device(master.availablePorts().value(0), iodd);
        waitFor(device, IOLinkDevice::notConnectedName);
        const int readsBefore = master.callCount(1, QStringLiteral("mst_ReadOD"));
        QElapsedTimer timer;
        timer.start();
        device.connectToDevice();
        if (!waitFor(device, IOLinkDevice::connectedName))
            std::fprintf(stderr, "%s did not connect\n", qPrintable(iodd));
        connects << double(timer.nsecsElapsed()) / 1e6;
        figures.reads = master.callCount(1, QStringLiteral("mst_ReadOD")) - readsBefore;
        figures.referenced = 0;
        if (const IOLinkWrapper *binding = device.getBinding()) {
            for (const VariableWrapper *var : binding->getVariableWrappers())
                figures.referenced += var->isReadable() && !var->getReferencedSubindexes().isEmpty() ? 1 : 0;
        }
        device.disconnectFromDevice();
        waitFor(device, IOLinkDevice::notConnectedName);
        doms << domParseMs(documentsOf(iodd));
    }
    figures.connectMs = median(connects);
    figures.domMs = median(doms);
    return figures;
}

QString largestCorpusIodd()
{
    QString largest;
    qint64 size = -1;
    QDirIterator files(QStringLiteral(OVINEX_CORPUS_DIR), { QStringLiteral("*.xml") }, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path.contains(QLatin1String("/standard/")))
            continue;
        if (files.fileInfo().size() > size) {
            size = files.fileInfo().size();
            largest = path;
        }
    }
    return largest;
}

void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvell GmbH"));
    QApplication::setApplicationName(QStringLiteral("ovinex-bench"));
    qInstallMessageHandler(quietHandler);

    ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
    ApplicationSettings::instance()->setSimulatedMaster(true);
    MasterLibrary::instance().bindProvider(MasterLibrary::Provider::SimulatedMaster);
    SimulatedMaster::instance().useRealTime();

    QStringList iodds = { ApplicationSettings::defaultSimulatedDevices().value(0) };
    const QString largest = largestCorpusIodd();
    if (!largest.isEmpty())
        iodds << largest;

    double connectTotal = 0;
    double domTotal = 0;
    for (const QString &iodd : qAsConst(iodds)) {
        const Figures figures = measure(iodd);
        const QString name = QFileInfo(iodd).fileName();
        std::printf("connect %s ms: %.1f\n", qPrintable(name), figures.connectMs);
        std::printf("dom %s ms: %.1f\n", qPrintable(name), figures.domMs);
        std::printf("reads: %d referenced: %d\n", figures.reads, figures.referenced);
        connectTotal += figures.connectMs;
        domTotal += figures.domMs;
    }
    std::printf("connect/dom: %.2f\n", connectTotal / domTotal);
    return 0;
}

#include "connect.moc"
