#include "testenvironment.h"

#include "app/application.h"
#include "app/applicationsettings.h"
#include "connection/iolinkdevice.h"
#include "discovery/deviceitem.h"
#include "discovery/deviceslistmodel.h"

#include <QMutex>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSignalSpy>

#include <iterator>

namespace {

QStringList qmlWarnings;
QMutex warningsMutex;
QtMessageHandler previousHandler = nullptr;

void collectQmlWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg
        && (message.contains(QLatin1String("qrc:/qml")) || QString::fromUtf8(context.file).startsWith(QLatin1String("qrc:/qml")))) {
        QMutexLocker lock(&warningsMutex);
        qmlWarnings.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

// Sensors of several vendors, as a technician meets them.
const char *const vendorDevices[] = {
    "carlo-gavazzi/CGI-PD30CTDR10BPxxIO-20210501-IODD1.1.xml",
    "keyence/KEYENCE-GP-MT-20200605-IODD1.1.xml",
    "pepperl-fuchs/Pepperl-Fuchs_OBD1000_R10x-20180815-IODD1.1.xml",
    "ifm/ifm-000173-20200309-IODD1.1.xml",
    "balluff/Balluff-BCM_R15E-002-DI00-20200327-IODD1.1.xml",
};

void collectItems(QQuickItem *from, const QString &name, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : from->childItems()) {
        if (name.isEmpty() || child->objectName() == name)
            found.append(child);
        collectItems(child, name, found);
    }
}

bool isShown(QQuickItem *candidate)
{
    return candidate && candidate->isVisible() && candidate->width() > 0 && candidate->height() > 0;
}

QString text(QQuickItem *label)
{
    return label ? label->property("text").toString() : QStringLiteral("<missing>");
}

} // namespace

// The real window at its smallest size with the corpus sensors of several vendors on the simulated master:
// every tab of every sensor in each language, without QML warnings and with readable identity values.
class TestScreenCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
    void everySensorsTabsInEachLanguage_data();
    void everySensorsTabsInEachLanguage();

private:
    QQuickItem *shown(const QString &name, QQuickItem *root = nullptr) const;
    void screenshot(const QString &name);

    QStringList devices;
    QQuickWindow *window = nullptr;
};

void TestScreenCorpus::initTestCase()
{
    for (const char *device : vendorDevices) {
        if (QFileInfo::exists(TestEnvironment::corpusPath(QLatin1String(device))))
            devices << TestEnvironment::corpusPath(QLatin1String(device));
    }
    if (devices.isEmpty())
        QSKIP("the IODD corpus is not there");
    previousHandler = qInstallMessageHandler(collectQmlWarnings);
    ApplicationSettings *settings = ApplicationSettings::instance();
    settings->setSimulatedMaster(true);
    settings->setSimulatedDevices(devices);
    settings->setIoddSearchPath(TestEnvironment::corpusPath());
    settings->setLanguage(QStringLiteral("en"));

    QQuickStyle::setStyle(QStringLiteral("Material"));
    auto *application = qobject_cast<Application *>(QCoreApplication::instance());
    application->init();
    QVERIFY(!application->getEngine()->rootObjects().isEmpty());
    window = qobject_cast<QQuickWindow *>(application->getEngine()->rootObjects().first());
    QVERIFY(window);
    window->resize(1024, 600);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY_WITH_TIMEOUT(application->getDevicesModel()->rowCount() >= devices.size()
                                 && !application->getDevicesModel()->isScanning(), 60000);
}

void TestScreenCorpus::cleanup()
{
    QMutexLocker lock(&warningsMutex);
    QVERIFY2(qmlWarnings.isEmpty(), qPrintable(qmlWarnings.join(QLatin1Char('\n'))));
}

void TestScreenCorpus::cleanupTestCase()
{
    if (previousHandler)
        qInstallMessageHandler(previousHandler);
}

QQuickItem *TestScreenCorpus::shown(const QString &name, QQuickItem *root) const
{
    QList<QQuickItem *> found;
    collectItems(root ? root : window->contentItem(), name, found);
    for (QQuickItem *candidate : qAsConst(found)) {
        if (isShown(candidate))
            return candidate;
    }
    return nullptr;
}

void TestScreenCorpus::screenshot(const QString &name)
{
    QSharedPointer<const QQuickItemGrabResult> grab = window->contentItem()->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(const_cast<QQuickItemGrabResult *>(grab.data()), &QQuickItemGrabResult::ready);
    QVERIFY(ready.wait(5000));
    QDir().mkpath(TestEnvironment::buildPath(QStringLiteral("screenshots/corpus")));
    QVERIFY(grab->saveToFile(TestEnvironment::buildPath(QStringLiteral("screenshots/corpus/") + name + QStringLiteral(".png"))));
}

void TestScreenCorpus::everySensorsTabsInEachLanguage_data()
{
    QTest::addColumn<QString>("port");
    for (int i = 0; i < int(std::size(vendorDevices)); ++i)
        QTest::newRow(vendorDevices[i]) << QStringLiteral("SIM%1").arg(i + 1);
}

void TestScreenCorpus::everySensorsTabsInEachLanguage()
{
    QFETCH(QString, port);
    DevicesListModel *model = qobject_cast<Application *>(QCoreApplication::instance())->getDevicesModel();
    int row = -1;
    for (int candidate = 0; candidate < model->rowCount(); ++candidate) {
        if (model->itemAt(candidate)->getId() == port)
            row = candidate;
    }
    if (row < 0)
        QSKIP("the sensor is not in the corpus");
    // As the row's connect button does: the row is chosen and its device connected.
    model->setCurrentIndex(row);
    model->connectToDevice(row);
    QTRY_VERIFY_WITH_TIMEOUT(model->getCurrentDevice() && model->getCurrentDevice()->property("state") == QStringLiteral("connected"), 60000);
    const QString vendor = QFileInfo(QFileInfo(devices.value(port.mid(3).toInt() - 1)).path()).fileName();

    for (const char *language : { "en", "de", "fr" }) {
        ApplicationSettings::instance()->setLanguage(QLatin1String(language));
        for (const char *tab : { "identificationTab", "smartAdjustTab", "quickstartTab", "diagnosisTab", "parametersTab", "processDataTab" }) {
            QQuickItem *tabButton = shown(QLatin1String(tab));
            if (!tabButton)
                continue;
            // Chosen through the tab itself: the pages, not the pointer, are what this test looks at.
            tabButton->setProperty("checked", true);
            QTRY_VERIFY(tabButton->property("checked").toBool());
            QTest::qWait(100); // the page lays itself out and the charts draw before the grab
            for (const char *value : { "productNameText", "vendorNameText", "serialNumberText" }) {
                QQuickItem *label = shown(QLatin1String(value));
                if (label)
                    QVERIFY2(!label->property("truncated").toBool(), qPrintable(text(label)));
            }
            screenshot(vendor + QLatin1Char('-') + QLatin1String(language) + QLatin1Char('-') + QLatin1String(tab));
        }
    }
    ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
    model->disconnectCurrentDevice();
    QTRY_VERIFY_WITH_TIMEOUT(!model->isScanning() && model->rowCount() >= devices.size(), 60000);
}

int main(int argc, char *argv[])
{
    TestEnvironment::isolate();
    Application application(argc, argv);
    TestScreenCorpus tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_screencorpus.moc"
