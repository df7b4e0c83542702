#include "testenvironment.h"
#include "windowdriver.h"

#include "app/applicationsettings.h"
#include "connection/iolinkdevice.h"
#include "discovery/deviceslistmodel.h"

#include <QQuickItem>
#include <QTemporaryDir>
#include <QSignalSpy>

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

// Its role menu sets name another parameter menu for the observer; its process data has no references.
constexpr int roleSensor = 3;

} // namespace

// The real window at its smallest size with the corpus sensors of several vendors on the simulated master:
// every tab of every sensor in each language, without QML warnings and with readable identity values, and the user
// role's menus.
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
        // The catalogue holds the vendor folders of the bench, with their pictures and language files.
        QVERIFY(folder.isValid());
        for (const QString &file : qAsConst(files)) {
            const QString vendor = folder.filePath(QFileInfo(file).dir().dirName());
            QVERIFY(QFileInfo::exists(vendor) || QFile::link(QFileInfo(file).path(), vendor));
        }
        collectQmlWarnings();
        ApplicationSettings *settings = ApplicationSettings::instance();
        settings->setSimulatedMaster(true);
        settings->setSimulatedDevices(files);
        settings->setIoddSearchPath(folder.path());
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
        QTest::addColumn<int>("port");
        for (const char *device : vendorDevices)
            QTest::newRow(device) << portOf(TestEnvironment::corpusPath(QLatin1String(device)));
    }

    void everySensorsTabsInEachLanguage()
    {
        QFETCH(int, port);
        DevicesListModel *model = devices();
        const int row = rowOf(port);
        if (row < 0)
            QSKIP("the sensor is not in the corpus");
        // As the row's connect button does: the row is chosen and its device connected.
        model->setCurrentIndex(row);
        QVERIFY(connectDevice(row));
        const QString vendor = QFileInfo(QFileInfo(files.value(port - 1)).path()).fileName() + QStringLiteral("-SIM%1").arg(port);

        for (const char *language : { "en", "de", "fr" }) {
            ApplicationSettings::instance()->setLanguage(QLatin1String(language));
            for (const char *tab : { "identificationTab", "smartAdjustTab", "quickstartTab", "diagnosisTab", "observationTab",
                                     "parametersTab", "processDataTab" }) {
                QQuickItem *tabButton = shownItems(QLatin1String(tab)).value(0);
                if (!tabButton)
                    continue;
                // Chosen through the tab itself: the pages, not the pointer, are what this test looks at.
                tabButton->setProperty("checked", true);
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

    // The role chosen in the window picks the pages' menus at once, without a new connection; every item of
    // process data without references is shown.
    void userRoleChoosesThePagesMenus()
    {
        const int row = rowOf(portOf(TestEnvironment::corpusPath(QLatin1String(vendorDevices[roleSensor]))));
        if (row < 0)
            QSKIP("the sensor is not in the corpus");
        ApplicationSettings *settings = ApplicationSettings::instance();
        settings->setUserRole(QStringLiteral("specialist"));
        devices()->setCurrentIndex(row);
        QVERIFY(connectDevice(row));
        IOLinkDevice *device = currentDevice();
        QTRY_VERIFY(!object(QStringLiteral("connectionDialog"))->property("visible").toBool());
        QTRY_VERIFY(shownItems(QStringLiteral("processDataValueRow"), item(QStringLiteral("processDataBox"))).size() >= 2);
        showTab(QStringLiteral("observationTab"));
        QTRY_VERIFY(item(QStringLiteral("observationPage"))->property("count").toInt() > 0);
        showTab(QStringLiteral("parametersTab"));
        QTRY_COMPARE(item(QStringLiteral("parametersPage"))->property("menuId").toString(), QStringLiteral("M_MR_SR_Param"));

        QSignalSpy states(device, SIGNAL(stateChanged()));
        click(item(QStringLiteral("userRoleBox")));
        QQuickItem *observer = nullptr;
        QTRY_VERIFY(isShown(observer = item(QStringLiteral("roleOption_observer"))));
        QCOMPARE(text(observer), QStringLiteral("Observer"));
        click(observer);
        QCOMPARE(settings->getUserRole(), QStringLiteral("observer"));
        QTRY_COMPARE(item(QStringLiteral("parametersPage"))->property("menuId").toString(), QStringLiteral("M_OR_Param"));
        QTRY_VERIFY(item(QStringLiteral("parametersPage"))->property("count").toInt() > 0);
        QCOMPARE(states.count(), 0);
        QCOMPARE(currentDevice(), device);
        QTRY_VERIFY(!isShown(observer));
        screenshot(QStringLiteral("corpus/roles-observer-parametersTab"));
        settings->setUserRole(QStringLiteral("specialist"));
        devices()->disconnectCurrentDevice();
    }

private:
    // The simulated port of the bench's file (numbered from 1); 0 when the file is not on the bench.
    int portOf(const QString &file) const
    {
        return files.indexOf(file) + 1;
    }

    // The list's row of the simulated port; -1 when it is not listed.
    static int rowOf(int port)
    {
        const QModelIndexList found = devices()->match(devices()->index(0), DevicesListModel::IdRole, QStringLiteral("SIM%1").arg(port), 1,
                                                       Qt::MatchExactly);
        return found.isEmpty() ? -1 : found.first().row();
    }

    QTemporaryDir folder;
    QStringList files;
};

OVINEX_APPLICATION_TEST(TestScreenCorpus)

#include "tst_screencorpus.moc"
