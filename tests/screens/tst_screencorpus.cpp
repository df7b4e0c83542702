#include "testenvironment.h"
#include "windowdriver.h"

#include "app/applicationsettings.h"
#include "connection/iolinkdevice.h"
#include "discovery/deviceslistmodel.h"

#include <QQuickItem>
#include <QQuickWindow>

#include <iterator>

namespace {

// Sensors of several vendors, as a technician meets them.
const char *const vendorDevices[] = {
    "carlo-gavazzi/CGI-PD30CTDR10BPxxIO-20210501-IODD1.1.xml",
    "keyence/KEYENCE-GP-MT-20200605-IODD1.1.xml",
    "pepperl-fuchs/Pepperl-Fuchs_OBD1000_R10x-20180815-IODD1.1.xml",
    "ifm/ifm-000173-20200309-IODD1.1.xml",
    "balluff/Balluff-BCM_R15E-002-DI00-20200327-IODD1.1.xml",
    // 400 parameters with process data references; an IO hub with large records.
    "keyence/KEYENCE-MP-F10-20230410-IODD1.1.xml",
    "balluff/Balluff-BNI_IOL-727-S51-P012-20220211-IODD1.1.xml",
};

} // namespace

// The real window at its smallest size with the corpus sensors of several vendors on the simulated master:
// every tab of every sensor in each language, without QML warnings and with readable identity values.
class TestScreenCorpus : public QObject, public WindowDriver
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const char *device : vendorDevices) {
            if (QFileInfo::exists(TestEnvironment::corpusPath(QLatin1String(device))))
                files << TestEnvironment::corpusPath(QLatin1String(device));
        }
        if (files.isEmpty())
            QSKIP("the IODD corpus is not there");
        collectQmlWarnings();
        ApplicationSettings *settings = ApplicationSettings::instance();
        settings->setSimulatedMaster(true);
        settings->setSimulatedDevices(files);
        settings->setIoddSearchPath(TestEnvironment::corpusPath());
        settings->setLanguage(QStringLiteral("en"));
        window = startWindow(QSize(1024, 600));
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(devices()->rowCount() >= files.size() && !devices()->isScanning(), 60000);
    }

    void cleanup()
    {
        const QStringList warnings = takeQmlWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }

    void everySensorsTabsInEachLanguage_data()
    {
        QTest::addColumn<QString>("port");
        for (int i = 0; i < int(std::size(vendorDevices)); ++i)
            QTest::newRow(vendorDevices[i]) << QStringLiteral("SIM%1").arg(i + 1);
    }

    void everySensorsTabsInEachLanguage()
    {
        QFETCH(QString, port);
        DevicesListModel *model = devices();
        int row = -1;
        for (int candidate = 0; candidate < model->rowCount(); ++candidate) {
            if (model->itemAt(candidate)->getId() == port)
                row = candidate;
        }
        if (row < 0)
            QSKIP("the sensor is not in the corpus");
        // As the row's connect button does: the row is chosen and its device connected.
        model->setCurrentIndex(row);
        QVERIFY(connectDevice(row));
        const QString vendor = QFileInfo(QFileInfo(files.value(port.mid(3).toInt() - 1)).path()).fileName() + QLatin1Char('-') + port;

        for (const char *language : { "en", "de", "fr" }) {
            ApplicationSettings::instance()->setLanguage(QLatin1String(language));
            for (const char *tab : { "identificationTab", "smartAdjustTab", "quickstartTab", "diagnosisTab", "parametersTab", "processDataTab" }) {
                QQuickItem *tabButton = shownItems(QLatin1String(tab)).value(0);
                if (!tabButton)
                    continue;
                // Chosen through the tab itself: the pages, not the pointer, are what this test looks at.
                tabButton->setProperty("checked", true);
                QTRY_VERIFY(tabButton->property("checked").toBool());
                QTest::qWait(100); // the page lays itself out and the charts draw before the grab
                // A page that is offered shows something.
                if (QLatin1String(tab) == QLatin1String("parametersTab"))
                    QTRY_VERIFY(item(QStringLiteral("parametersPage"))->property("count").toInt() > 0);
                if (QLatin1String(tab) == QLatin1String("processDataTab"))
                    QTRY_VERIFY(!shownItems(QStringLiteral("processDataChart"), item(QStringLiteral("processDataPage"))).isEmpty());
                for (const char *value : { "productNameText", "vendorNameText", "serialNumberText" }) {
                    QQuickItem *label = shownItems(QLatin1String(value)).value(0);
                    if (label)
                        QVERIFY2(!label->property("truncated").toBool(), qPrintable(text(label)));
                }
                screenshot(QStringLiteral("corpus/") + vendor + QLatin1Char('-') + QLatin1String(language) + QLatin1Char('-') + QLatin1String(tab));
            }
        }
        ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
        model->disconnectCurrentDevice();
        QTRY_VERIFY_WITH_TIMEOUT(!model->isScanning() && model->rowCount() >= files.size(), 60000);
    }

private:
    QStringList files;
};

OVINEX_APPLICATION_TEST(TestScreenCorpus)

#include "tst_screencorpus.moc"
