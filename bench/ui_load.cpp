// The real program as main.cpp starts it, on the simulated master: the CPU share of one core while idle,
// connected on the Identification tab and on the Process Data tab, and the largest main-thread stall
// while connecting the largest IODD of the corpus and while rescanning a folder of 1,000 IODD files.

#include "app/application.h"
#include "app/applicationsettings.h"
#include "connection/iolinkdevice.h"
#include "discovery/deviceitem.h"
#include "discovery/deviceslistmodel.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "iodd/catalogue/samplepackage.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

constexpr int measureMs = 10000;
constexpr int settleMs = 2000;
constexpr int stallTickMs = 5;
constexpr int rescanFiles = 1000;
const QString sensorAddress = QStringLiteral("SIM1");

double processCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        runFor(20);
    }
    return true;
}

int frames = 0;

// Also prints how many frames the window drew meanwhile, which is most of what the window costs.
double cpuShare(const char *name, int ms)
{
    QElapsedTimer wall;
    wall.start();
    const int framesBefore = frames;
    const double before = processCpuSeconds();
    runFor(ms);
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double share = (processCpuSeconds() - before) / seconds;
    std::printf("%s cpu: %.3f (%.1f frames/s)\n", name, share, double(frames - framesBefore) / seconds);
    return share;
}

// The lateness of a 5 ms timer of the main thread: how long the window could not react.
class StallWatch
{
public:
    StallWatch()
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(stallTickMs);
        QObject::connect(&timer, &QTimer::timeout, [this]() {
            const qint64 now = clock.nsecsElapsed();
            worst = std::max(worst, double(now - last) / 1e6 - stallTickMs);
            last = now;
        });
    }
    void start()
    {
        worst = 0;
        clock.start();
        last = 0;
        timer.start();
    }
    double stop()
    {
        timer.stop();
        return std::max(0.0, worst);
    }

private:
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    double worst = 0;
};

DevicesListModel *devices()
{
    return qobject_cast<Application *>(QCoreApplication::instance())->getDevicesModel();
}

int sensorRow()
{
    for (int row = 0; row < devices()->rowCount(); ++row) {
        const DeviceItem *item = devices()->itemAt(row);
        if (item && item->getDevice() && item->getDevice()->getAddress() == sensorAddress && item->getIoddEntry())
            return row;
    }
    return -1;
}

bool connectSensor(int timeoutMs)
{
    if (!waitUntil([]() { return sensorRow() >= 0; }, 60000))
        return false;
    devices()->connectToDevice(sensorRow());
    return waitUntil([]() {
        IOLinkDevice *device = devices()->getCurrentDevice();
        return device && device->getState() == QLatin1String(IOLinkDevice::connectedName);
    }, timeoutMs);
}

bool disconnectSensor()
{
    IOLinkDevice *device = devices()->getCurrentDevice();
    devices()->disconnectCurrentDevice();
    return waitUntil([device]() { return !device || device->getState() == QLatin1String(IOLinkDevice::notConnectedName); },
                     30000);
}

void collectItems(QQuickItem *from, const QString &name, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : from->childItems()) {
        if (child->objectName() == name)
            found.append(child);
        collectItems(child, name, found);
    }
}

bool showTab(QQuickWindow *window, const QString &tabName)
{
    QList<QQuickItem *> bars;
    collectItems(window->contentItem(), QStringLiteral("pageTabs"), bars);
    if (bars.isEmpty())
        return false;
    QQuickItem *bar = bars.first();
    for (int index = 0; index < bar->property("count").toInt(); ++index) {
        QQuickItem *tab = nullptr;
        QMetaObject::invokeMethod(bar, "itemAt", Q_RETURN_ARG(QQuickItem *, tab), Q_ARG(int, index));
        if (tab && tab->objectName() == tabName) {
            bar->setProperty("currentIndex", index);
            return true;
        }
    }
    return false;
}

QStringList corpusIodds()
{
    QStringList files;
    QDirIterator found(QStringLiteral(OVINEX_CORPUS_DIR), { QStringLiteral("*.xml") }, QDir::Files,
                       QDirIterator::Subdirectories);
    while (found.hasNext()) {
        const QString path = found.next();
        if (!path.contains(QLatin1String("/standard/")))
            files << path;
    }
    std::sort(files.begin(), files.end());
    return files;
}

QString largestOf(const QStringList &files)
{
    QString largest;
    qint64 size = -1;
    for (const QString &path : files) {
        if (QFileInfo(path).size() > size) {
            size = QFileInfo(path).size();
            largest = path;
        }
    }
    return largest;
}

// Sets the simulated master's devices and the catalogue folder, and waits for the rescan to list the sensor.
bool offerSensor(const QString &iodd, const QString &catalogueFolder)
{
    ApplicationSettings::instance()->setSimulatedDevices({ iodd });
    qobject_cast<Application *>(QCoreApplication::instance())
        ->findChild<IODDListModel *>()
        ->setIoddSearchPath(catalogueFolder);
    devices()->startScan();
    return waitUntil([]() { return sensorRow() >= 0 && !devices()->isScanning(); }, 60000);
}

double connectStall(const QString &iodd, const QString &folder)
{
    const QString catalogue = folder + QStringLiteral("/outer/IODDs");
    QDir().mkpath(catalogue);
    QFile::copy(iodd, catalogue + QLatin1Char('/') + QFileInfo(iodd).fileName());
    if (!offerSensor(iodd, catalogue)) {
        std::printf("connect stall: the sensor of %s is not listed\n", qPrintable(QFileInfo(iodd).fileName()));
        return 0;
    }
    runFor(500);
    StallWatch watch;
    watch.start();
    QElapsedTimer timer;
    timer.start();
    if (!connectSensor(300000))
        std::printf("connect stall: %s did not connect\n", qPrintable(QFileInfo(iodd).fileName()));
    const double connectMs = double(timer.elapsed());
    const double stall = watch.stop();
    std::printf("connect largest (%s) ms: %.0f\n", qPrintable(QFileInfo(iodd).fileName()), connectMs);
    disconnectSensor();
    return stall;
}

double rescanStall(const QStringList &sources, const QString &folder)
{
    const QString catalogue = folder + QStringLiteral("/outer/IODDs");
    QDir().mkpath(catalogue);
    for (int i = 0; i < rescanFiles; ++i)
        QFile::copy(sources.at(i % sources.size()), catalogue + QStringLiteral("/iodd-%1.xml").arg(i, 4, 10, QLatin1Char('0')));
    auto *catalogueModel = qobject_cast<Application *>(QCoreApplication::instance())->findChild<IODDListModel *>();
    StallWatch watch;
    watch.start();
    QElapsedTimer timer;
    timer.start();
    // As the folder chooser of the window does it.
    if (!QMetaObject::invokeMethod(catalogueModel, "chooseIoddSearchPath", Q_ARG(QString, catalogue)))
        catalogueModel->setIoddSearchPath(catalogue);
    if (!waitUntil([catalogueModel]() { return catalogueModel->getCount() >= rescanFiles; }, 300000))
        std::printf("rescan: only %d of %d files listed\n", catalogueModel->getCount(), rescanFiles);
    const double rescanMs = double(timer.elapsed());
    const double stall = watch.stop();
    std::printf("rescan %d files ms: %.0f\n", rescanFiles, rescanMs);
    return stall;
}

void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    // Headless, as the figures were taken; the user's settings and data stay untouched.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    QTemporaryDir home;
    const QByteArray root = QFile::encodeName(home.path());
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CACHE_HOME", root + "/cache");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path() + QStringLiteral("/config"));

    auto *application = new Application(argc, argv);
    qInstallMessageHandler(quietHandler);
    ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
    QQuickStyle::setStyle(QStringLiteral("Material"));
    application->init();
    if (application->getEngine()->rootObjects().isEmpty()) {
        std::fprintf(stderr, "the window did not load\n");
        return 1;
    }
    auto *window = qobject_cast<QQuickWindow *>(application->getEngine()->rootObjects().first());
    window->resize(1280, 800);

    if (!waitUntil([]() { return sensorRow() >= 0; }, 60000)) {
        std::fprintf(stderr, "the sample sensor is not listed\n");
        return 1;
    }
    runFor(settleMs);
    QObject::connect(window, &QQuickWindow::frameSwapped, window, []() { ++frames; }, Qt::DirectConnection);
    const double idle = cpuShare("disconnected", measureMs);

    if (!connectSensor(60000)) {
        std::fprintf(stderr, "the sample sensor did not connect\n");
        return 1;
    }
    showTab(window, QStringLiteral("identificationTab"));
    runFor(settleMs);
    const double connected = cpuShare("connected identification", measureMs);

    showTab(window, QStringLiteral("processDataTab"));
    runFor(settleMs);
    const double charts = cpuShare("connected process data", measureMs);
    disconnectSensor();

    double stall = 0;
    QTemporaryDir work;
    const QStringList corpus = corpusIodds();
    if (corpus.isEmpty()) {
        std::printf("connect stall: skipped, no corpus at %s\n", OVINEX_CORPUS_DIR);
    } else {
        const double connectMs = connectStall(largestOf(corpus), work.filePath(QStringLiteral("largest")));
        std::printf("connect largest stall ms: %.1f\n", connectMs);
        stall = std::max(stall, connectMs);
    }
    const QStringList sources = corpus.isEmpty() ? ApplicationSettings::defaultSimulatedDevices() : corpus;
    const double rescanMs = rescanStall(sources, work.filePath(QStringLiteral("rescan")));
    std::printf("rescan stall ms: %.1f\n", rescanMs);
    stall = std::max(stall, rescanMs);

    std::printf("idle_cpu: %.3f\n", idle);
    std::printf("connected_cpu: %.3f\n", connected);
    std::printf("charts_cpu: %.3f\n", charts);
    std::printf("max_stall_ms: %.0f\n", stall);
    std::fflush(stdout);
    // Quit through the event loop as a closed window would, so the threads end in order.
    QTimer::singleShot(0, application, &QCoreApplication::quit);
    application->exec();
    delete application;
    return 0;
}
