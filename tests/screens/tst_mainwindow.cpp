#include "testenvironment.h"
#include "servedmaster.h"
#include "windowdriver.h"

#include "app/application.h"
#include "app/applicationsettings.h"
#include "connection/iolinkdevice.h"
#include "discovery/devicesfiltermodel.h"
#include "discovery/deviceslistmodel.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "iodd/catalogue/samplepackage.h"
#include "master/iqcomminterface.h"
#include "master/simulatedmaster.h"
#include "parameterset/deviceparameteraccess.h"
#include "parameterset/parameterset.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtCharts/QXYSeries>

#include <algorithm>

namespace {

// The simulated sensor's port ("SIM1").
constexpr int sensorPort = 1;

Application *application()
{
    return qobject_cast<Application *>(QCoreApplication::instance());
}

} // namespace

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// The real program's window on the simulated master, driven through its items as a user would.
class TestMainWindow : public QObject, public WindowDriver
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        collectQmlWarnings();
        QVERIFY(ioddFolder.isValid());
        // Two levels down: the catalogue also looks into the search folder's parent.
        ioddPath = ioddFolder.filePath(QStringLiteral("outer/IODDs"));
        QVERIFY(SamplePackage::installInto(ioddPath));
        ApplicationSettings::instance()->setIoddSearchPath(ioddPath);
        ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));

        // As the entry point starts the program.
        window = startWindow(QSize(1280, 800));
        QVERIFY(window);
    }

    void cleanup()
    {
        const QStringList warnings = takeQmlWarnings();
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }

    void startPublishesModelsAndSeedsTheDefaultFolder()
    {
        QCOMPARE(published(QStringLiteral("settings")), ApplicationSettings::instance());
        const QString paths = application()->getEngine()->importPathList().join(QLatin1Char('|'));
        QVERIFY2(paths.contains(QStringLiteral("qml/desktop")) && !paths.contains(QStringLiteral("qml/mobile")), qPrintable(paths));
        // A first start seeds the default folder with the sample device, whichever folder the user chose.
        QCOMPARE(IODDListModel(ApplicationSettings::defaultIoddSearchPath()).rowCount(), 1);

        auto *catalogue = qobject_cast<IODDListModel *>(published(QStringLiteral("ioddModel")));
        auto *filter = qobject_cast<DevicesFilterModel *>(published(QStringLiteral("devicesFilterModel")));
        QVERIFY(catalogue && filter);
        QCOMPARE(filter->sourceModel(), devices());
        // The models hold no settings of their own: the user's choices reach them, and theirs are kept.
        ApplicationSettings *settings = ApplicationSettings::instance();
        settings->setFilterUsbDevices(false);
        QVERIFY(!filter->isFilterActive());
        settings->setFilterUsbDevices(true);
        QVERIFY(filter->isFilterActive());
        QCOMPARE(catalogue->getIoddSearchPath(), ioddPath);
        catalogue->setIoddSearchPath(ioddPath + QStringLiteral("/elsewhere"));
        QCOMPARE(settings->getIoddSearchPath(), ioddPath + QStringLiteral("/elsewhere"));
        catalogue->setIoddSearchPath(ioddPath);
        QCOMPARE(catalogue->rowCount(), 1);
    }

    void unsignedListsAreIterableInQml()
    {
        QQmlContext context(application()->getEngine()->rootContext());
        context.setContextProperty(QStringLiteral("numbers"), QVariant::fromValue(QList<unsigned int> { 7, 0, 4000000000u }));
        QQmlExpression sum(&context, nullptr,
                           QStringLiteral("var total = 0; for (var i = 0; i < numbers.length; ++i) total += numbers[i]; total"));
        QCOMPARE(sum.evaluate().toDouble(), 4000000007.0);
        QVERIFY(!sum.hasError());
    }

    void listShowsTheSimulatedSensor()
    {
        QQuickItem *row = nullptr;
        QTRY_VERIFY((row = item(QStringLiteral("deviceRow_0"))) != nullptr);
        QTRY_COMPARE(text(item(QStringLiteral("deviceName"), row)), QStringLiteral("OVX100"));
        QCOMPARE(text(item(QStringLiteral("deviceHints"), row)), QStringLiteral("SIM Port 1"));
        QCOMPARE(text(item(QStringLiteral("deviceState"))), QStringLiteral("Not connected"));
        // The sample's IODD is found, so nothing asks for the IODD dialog.
        QVERIFY(!object(QStringLiteral("ioddDialog"))->property("visible").toBool());
        QTRY_VERIFY(isShown(item(QStringLiteral("connectButton"), row)));
        QTRY_VERIFY(item(QStringLiteral("connectButton"), row)->isEnabled());
        screenshot(QStringLiteral("01-main-window"));
    }

    void connectShowsProgressThenTheIdentification()
    {
        // Slowed down like a real link, so that the progress can be seen.
        SimulatedMaster::instance().setCallDelay(sensorPort, 15);
        click(item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_0"))));
        QObject *dialog = object(QStringLiteral("connectionDialog"));
        QTRY_VERIFY(dialog->property("visible").toBool());
        QTRY_VERIFY(text(item(QStringLiteral("connectionText"))).startsWith(QStringLiteral("Updating Parameter ")));
        QVERIFY(isShown(item(QStringLiteral("connectionProgress"))));
        screenshot(QStringLiteral("02-connection-dialog"));
        SimulatedMaster::instance().setCallDelay(sensorPort, 0);

        QTRY_VERIFY_WITH_TIMEOUT(!dialog->property("visible").toBool(), 15000);
        QCOMPARE(currentDevice()->property("state").toString(), QStringLiteral("connected"));
        QCOMPARE(text(item(QStringLiteral("deviceState"))), QStringLiteral("Connected"));
        QCOMPARE(text(item(QStringLiteral("deviceAddress"))), QStringLiteral("SIM Port 1"));

        showTab(QStringLiteral("identificationTab"));
        const SimulatedMaster &master = SimulatedMaster::instance();
        const auto held = [&master](uint index) { return QString::fromUtf8(master.parameter(sensorPort, index)); };
        QCOMPARE(text(item(QStringLiteral("productNameText"))), held(18));
        QCOMPARE(text(item(QStringLiteral("vendorNameText"))), held(16));
        QCOMPARE(text(item(QStringLiteral("serialNumberText"))), held(21));
        QCOMPARE(held(18), QStringLiteral("OVX100"));
        QVERIFY(!text(item(QStringLiteral("ioddVersionText"))).contains(QStringLiteral("Unknown")));
        QTRY_COMPARE(item(QStringLiteral("deviceSymbol"))->property("status").toInt(), 1); // Image.Ready
        QTRY_VERIFY(isShown(item(QStringLiteral("subMenuTitle"), item(QStringLiteral("identificationMenu")))));
        expandAll(item(QStringLiteral("identificationMenu")));
        screenshot(QStringLiteral("03-identification-tab"));
    }

    void menuPagesShowTheSampleMenusWithoutUndefinedEntries()
    {
        // The sample has no smart-adjust menu, so that tab stays hidden.
        QVERIFY(!isShown(item(QStringLiteral("smartAdjustTab"))));
        const QStringList tabs { "quickstartTab", "diagnosisTab", "parametersTab" };
        const QStringList pages { "quickstartPage", "diagnosisPage", "parametersPage" };
        for (int i = 0; i < tabs.size(); ++i) {
            showTab(tabs.at(i));
            QQuickItem *page = item(pages.at(i));
            QTRY_VERIFY2(page->property("count").toInt() > 0, qPrintable(pages.at(i)));
            expandAll(page);
            QVERIFY2(shownItems(QStringLiteral("undefinedEntryText"), page).isEmpty(),
                     qPrintable(text(item(QStringLiteral("undefinedEntryText"), page))));
            for (QQuickItem *value : shownItems(QStringLiteral("recordDisplayValue"), page) + shownItems(QStringLiteral("singleDisplayValue"), page))
                QVERIFY2(!text(value).contains(QStringLiteral("undefined")) && !text(value).contains(QStringLiteral("NO translation")),
                         qPrintable(text(value)));
            screenshot(QStringLiteral("04-") + pages.at(i));
        }
        QQuickItem *parameters = item(QStringLiteral("parametersPage"));
        for (const char *view : { "slider", "recordSelectionCombo", "boolCheckBox", "systemCommandButton" })
            QVERIFY2(item(QLatin1String(view), parameters), view);
    }

    void editsReachTheSensor()
    {
        showTab(QStringLiteral("parametersTab"));
        QQuickItem *page = item(QStringLiteral("parametersPage"));
        const SimulatedMaster &master = SimulatedMaster::instance();

        // The distance offset (index 62, 16-bit signed), typed into the slider's field and accepted.
        QQuickItem *offsetRow = item(QStringLiteral("menuRow_V_DistanceOffset"), page);
        QVERIFY(offsetRow);
        typeIntoSlider(offsetRow, "-120");
        QTRY_COMPARE(master.parameter(sensorPort, 62), QByteArray::fromHex("ff88"));
        QTRY_COMPARE(item(QStringLiteral("slider"), offsetRow)->property("value").toDouble(), -120.0);

        // The filter strength (index 63), one step down in its selection.
        QQuickItem *filterCombo = item(QStringLiteral("recordSelectionCombo"), item(QStringLiteral("menuRow_V_Filter"), page));
        QVERIFY(filterCombo);
        const int before = filterCombo->property("currentIndex").toInt();
        // The write may also raise the sensor's upload request, whose alert can follow the answer's at once.
        QSignalSpy alerts(currentDevice(), SIGNAL(alertTextChanged(QString)));
        QVERIFY(QMetaObject::invokeMethod(filterCombo, "forceActiveFocus"));
        QTest::keyClick(window, Qt::Key_Down);
        QTRY_COMPARE(master.parameter(sensorPort, 63), QByteArray(1, char(before + 1)));
        QTRY_COMPARE(filterCombo->property("currentIndex").toInt(), before + 1);
        // The device's answer pops up over the process data.
        QTRY_VERIFY(object(QStringLiteral("alertPopup"))->property("visible").toBool());
        const auto shown = [&alerts](const QString &alert) {
            return std::any_of(alerts.cbegin(), alerts.cend(), [&](const QList<QVariant> &a) { return a.value(0) == alert; });
        };
        QTRY_VERIFY(shown(QStringLiteral("Setting value succeeded for Filter")));
        QTRY_COMPARE(text(item(QStringLiteral("alertText"))), alerts.constLast().value(0).toString());
        screenshot(QStringLiteral("05-parameters-edited"));
    }

    void refusedSliderValueGivesWayToTheDevicesValue()
    {
        showTab(QStringLiteral("parametersTab"));
        QQuickItem *row = item(QStringLiteral("menuRow_V_DistanceOffset"), item(QStringLiteral("parametersPage")));
        QVERIFY(row);
        QQuickItem *slider = item(QStringLiteral("slider"), row);
        SimulatedMaster &master = SimulatedMaster::instance();
        const QByteArray stored = master.parameter(sensorPort, 62);
        const double shownBefore = slider->property("value").toDouble();
        QSignalSpy alerts(currentDevice(), SIGNAL(alertTextChanged(QString)));

        // Outside the range: nothing is sent, the allowed range is shown beside the field.
        const int writesBefore = master.callCount(sensorPort, QStringLiteral("mst_WriteOD"));
        typeIntoSlider(row, "900");
        QVERIFY(isShown(item(QStringLiteral("sliderRange"), row)));
        QVERIFY(text(item(QStringLiteral("sliderRange"), row)).contains(QStringLiteral("500")));
        QCOMPARE(master.callCount(sensorPort, QStringLiteral("mst_WriteOD")), writesBefore);

        // The device refuses a value within the range: the slider returns to the device's value.
        master.failNextCalls(sensorPort, 1, IqCommOperationFailed, 0x8030, QStringLiteral("mst_WriteOD"));
        typeIntoSlider(row, "250");
        QTRY_VERIFY(std::any_of(alerts.cbegin(), alerts.cend(), [](const QList<QVariant> &a) {
            return a.value(0).toString().startsWith(QStringLiteral("Setting value failed for Distance offset"));
        }));
        QTRY_COMPARE(slider->property("value").toDouble(), shownBefore);
        QCOMPARE(master.parameter(sensorPort, 62), stored);

        // Still bound to the device: the next accepted value shows as well.
        typeIntoSlider(row, "-100");
        QTRY_COMPARE(master.parameter(sensorPort, 62), QByteArray::fromHex("ff9c"));
        QTRY_COMPARE(slider->property("value").toDouble(), -100.0);
    }

    void systemCommandsRunOnlyOnceConfirmed()
    {
        showTab(QStringLiteral("parametersTab"));
        QQuickItem *page = item(QStringLiteral("parametersPage"));
        expandAll(page);
        SimulatedMaster &master = SimulatedMaster::instance();
        QQuickItem *reset = nullptr;
        for (QQuickItem *button : shownItems(QStringLiteral("systemCommandButton"), page)) {
            QObject *entry = button->parentItem()->property("entry").value<QObject *>();
            // 0x82 restores the factory settings.
            if (entry && entry->property("needsConfirmation").toBool() && entry->property("buttonValue").toInt() == 0x82)
                reset = button;
        }
        QVERIFY(reset);
        const int writesBefore = master.callCount(sensorPort, QStringLiteral("mst_WriteOD"));

        click(reset);
        // Each command button has its own dialog.
        QObject *dialog = reset->parentItem()->findChild<QObject *>(QStringLiteral("commandConfirmDialog"));
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->property("opened").toBool());
        QVERIFY(dialog->property("deviceName").toString().contains(QStringLiteral("OVX100")));
        QVERIFY(!dialog->property("commandName").toString().isEmpty());
        screenshot(QStringLiteral("05b-factory-reset-confirmation"));
        QVERIFY(QMetaObject::invokeMethod(dialog, "reject"));
        QTRY_VERIFY(!dialog->property("visible").toBool());
        QTest::qWait(100);
        QCOMPARE(master.callCount(sensorPort, QStringLiteral("mst_WriteOD")), writesBefore);

        click(reset);
        QTRY_VERIFY(dialog->property("visible").toBool());
        QSignalSpy synchronised(currentDevice(), SIGNAL(syncTasksFinished()));
        QVERIFY(QMetaObject::invokeMethod(dialog, "accept"));
        QTRY_COMPARE(master.callCount(sensorPort, QStringLiteral("mst_WriteOD")), writesBefore + 1);
        // The reset reads every parameter again; the window is usable once that is done.
        QTRY_VERIFY_WITH_TIMEOUT(synchronised.count() > 0, 15000);
        QTRY_VERIFY_WITH_TIMEOUT(!object(QStringLiteral("connectionDialog"))->property("visible").toBool(), 15000);
        // The device's upload request after the reset may start a second read; it must be over as well.
        QTest::qWait(1000);
        QTRY_VERIFY_WITH_TIMEOUT(!object(QStringLiteral("connectionDialog"))->property("visible").toBool(), 15000);
    }

    void processDataIsChartedAndExported()
    {
        showTab(QStringLiteral("processDataTab"));
        QQuickItem *page = item(QStringLiteral("processDataPage"));
        QTRY_VERIFY(!shownItems(QStringLiteral("processDataChart"), page).isEmpty());
        QQuickItem *chart = shownItems(QStringLiteral("processDataChart"), page).first();
        QVERIFY(item(QStringLiteral("chartView"), chart)->property("count").toInt() > 0);
        const auto points = [chart]() {
            auto *line = qobject_cast<QtCharts::QXYSeries *>(chart->property("valueSeries").value<QObject *>());
            return line ? line->count() : 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(points() > 0, 1000);
        QVERIFY(isShown(item(QStringLiteral("processDataBox"))));
        screenshot(QStringLiteral("06-process-data-tab"));

        // What the save dialog's acceptance does with the file the user chose.
        const QString csv = ioddFolder.filePath(QStringLiteral("export/process data.csv"));
        QDir().mkpath(QFileInfo(csv).path());
        QVERIFY(QMetaObject::invokeMethod(page, "saveTo", Q_ARG(QVariant, QUrl::fromLocalFile(csv))));
        QTRY_VERIFY(isShown(item(QStringLiteral("saveNotice"))));
        QVERIFY2(text(item(QStringLiteral("saveNotice"))).contains(QDir::toNativeSeparators(csv)), qPrintable(text(item(QStringLiteral("saveNotice")))));
        screenshot(QStringLiteral("07-export-confirmed"));
        QVERIFY(QFileInfo(csv).size() > 0);

        // A file that cannot be written is reported, not silently lost.
        const QString unwritable = ioddFolder.filePath(QStringLiteral("missing folder/data.csv"));
        QVERIFY(QMetaObject::invokeMethod(page, "saveTo", Q_ARG(QVariant, QUrl::fromLocalFile(unwritable))));
        QObject *failure = object(QStringLiteral("saveFailedDialog"));
        QTRY_VERIFY(failure->property("opened").toBool());
        QVERIFY2(text(item(QStringLiteral("saveFailedText"))).contains(QDir::toNativeSeparators(unwritable)),
                 qPrintable(text(item(QStringLiteral("saveFailedText")))));
        screenshot(QStringLiteral("07-save-failed-dialog"));
        closeDialog(QStringLiteral("saveFailedDialog"));

        click(shownItems(QStringLiteral("chartSettingsButton"), page).first());
        QObject *settings = object(QStringLiteral("chartSettingsDialog"));
        QTRY_VERIFY(settings->property("opened").toBool());
        // A typed number reaches the field and passes its check.
        QQuickItem *yMax = item(QStringLiteral("yMaxSpin"));
        const int typed = int((yMax->property("realFrom").toDouble() + yMax->property("realTo").toDouble()) / 2);
        click(yMax->property("contentItem").value<QQuickItem *>());
        QTest::keySequence(window, QKeySequence::SelectAll);
        for (const char key : QByteArray::number(typed))
            QTest::keyClick(window, key);
        QVERIFY(yMax->property("contentItem").value<QQuickItem *>()->property("acceptableInput").toBool());
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE(yMax->property("realValue").toDouble(), double(typed));
        QVERIFY(QMetaObject::invokeMethod(settings, "reject"));
        QTRY_VERIFY(!settings->property("visible").toBool());
    }

    void eventStaysInTheEventsTabAfterThePopUp()
    {
        QObject *history = currentDevice()->property("eventHistory").value<QObject *>();
        QVERIFY(history);
        const int errorsBefore = history->property("activeErrorCount").toInt();
        // Emitter failure: an error of the sample device, appearing.
        SimulatedMaster::instance().queueEvent(sensorPort, 0xF4, 0x1801);
        QObject *popup = object(QStringLiteral("alertPopup"));
        QTRY_VERIFY(text(item(QStringLiteral("alertText"))).contains(QStringLiteral("Emitter failure")));
        QTRY_VERIFY_WITH_TIMEOUT(!popup->property("visible").toBool(), 15000);

        showTab(QStringLiteral("eventsTab"));
        QQuickItem *tab = item(QStringLiteral("eventsTab"));
        QTRY_COMPARE(history->property("activeErrorCount").toInt(), errorsBefore + 1);
        const int active = history->property("activeErrorCount").toInt() + history->property("activeWarningCount").toInt();
        QTRY_COMPARE(tab->property("text").toString(), QStringLiteral("Events (%1)").arg(active));
        const QList<QQuickItem *> texts = shownItems(QStringLiteral("eventText"), item(QStringLiteral("eventsPage")));
        QVERIFY(std::any_of(texts.cbegin(), texts.cend(),
                            [](QQuickItem *label) { return text(label) == QStringLiteral("Emitter failure"); }));
        screenshot(QStringLiteral("06-events-tab"));

        // Still there after another tab was shown.
        showTab(QStringLiteral("processDataTab"));
        showTab(QStringLiteral("eventsTab"));
        QTRY_VERIFY(!shownItems(QStringLiteral("eventText"), item(QStringLiteral("eventsPage"))).isEmpty());
        SimulatedMaster::instance().queueEvent(sensorPort, 0xB4, 0x1801);
        QTRY_COMPARE(history->property("activeErrorCount").toInt(), errorsBefore);
    }

    void communicationLogShowsTimesNamesAndFilters()
    {
        showTab(QStringLiteral("identificationTab"));
        click(item(QStringLiteral("communicationButton")));
        QObject *communication = object(QStringLiteral("communicationDialog"));
        QTRY_VERIFY(communication->property("opened").toBool());
        QQuickItem *list = item(QStringLiteral("communicationList"));
        QObject *filter = object(QStringLiteral("communicationFilter"));
        QVERIFY(filter);
        // The shown values are read again and again; the log grows until those reads are hidden.
        QTRY_VERIFY(list->property("count").toInt() > 4);
        QQuickItem *row = item(QStringLiteral("communicationRow"), list);
        QVERIFY(row);
        click(row);
        QTRY_VERIFY(isShown(item(QStringLiteral("communicationPayload"))));

        const int withPolling = list->property("count").toInt();
        click(item(QStringLiteral("hidePollingCheck")));
        QTRY_VERIFY(filter->property("hidePolling").toBool());
        const int withoutPolling = list->property("count").toInt();
        QVERIFY2(withoutPolling < withPolling, qPrintable(QStringLiteral("%1 / %2").arg(withoutPolling).arg(withPolling)));
        screenshot(QStringLiteral("08-communication-without-polling"));

        const QString csv = ioddFolder.filePath(QStringLiteral("export/communication.csv"));
        QVERIFY(QMetaObject::invokeMethod(communication, "saveTo", Q_ARG(QVariant, QUrl::fromLocalFile(csv))));
        QTRY_VERIFY(text(item(QStringLiteral("communicationNotice"))).contains(QDir::toNativeSeparators(csv)));
        // Rows carry the names of the device's variables; the file's columns and times are TestCommunicationLog's.
        const QString firstRow = TestEnvironment::readLines(csv).value(1);
        QVERIFY2(!firstRow.section(QLatin1Char(';'), 5, 5).isEmpty(), qPrintable(firstRow));
        click(item(QStringLiteral("hidePollingCheck")));
        // Rows arrive in batches, so the log must have grown past one batch before clearing means anything.
        QTRY_VERIFY(list->property("count").toInt() > 40);
        screenshot(QStringLiteral("08-communication-dialog"));
        // Polling goes on logging, so the log starts again from few rows.
        const int logged = list->property("count").toInt();
        click(item(QStringLiteral("clearCommunicationButton")));
        QTRY_VERIFY(list->property("count").toInt() < qMin(logged, 40));
        closeDialog(QStringLiteral("communicationDialog"));
    }

    void updatesAddressIsOfferedWhenNoBrowserOpens()
    {
        QVERIFY(QMetaObject::invokeMethod(window, "offerDownloads", Q_ARG(QVariant, false)));
        QObject *dialog = object(QStringLiteral("updatesDialog"));
        QTRY_VERIFY(dialog->property("opened").toBool());
        QCOMPARE(text(item(QStringLiteral("updatesAddress"))), QStringLiteral("https://korvell.example/downloads"));
        QGuiApplication::clipboard()->clear();
        click(item(QStringLiteral("copyAddressButton")));
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("https://korvell.example/downloads"));
        QVERIFY(isShown(item(QStringLiteral("updatesCopied"))));
        screenshot(QStringLiteral("10-updates-dialog"));
        closeDialog(QStringLiteral("updatesDialog"));
        // Where a browser opened, nothing else appears.
        QVERIFY(QMetaObject::invokeMethod(window, "offerDownloads", Q_ARG(QVariant, true)));
        QVERIFY(!dialog->property("visible").toBool());
    }

    // Saved and compared through the File menu; the restore is the sweep's, in each language.
    void parameterSetIsSavedAndComparedThroughTheMenus()
    {
        QObject *dialogs = object(QStringLiteral("parameterSetDialogs"));
        QVERIFY(dialogs);
        const QString file = parameterSetFile();
        QDir().mkpath(QFileInfo(file).path());
        chooseFile(QStringLiteral("saveParameterSetAction"), QStringLiteral("parameterSetSaveFileDialog"));
        QVERIFY(QMetaObject::invokeMethod(dialogs, "saveTo", Q_ARG(QVariant, QUrl::fromLocalFile(file))));
        QObject *message = object(QStringLiteral("parameterSetMessageDialog"));
        QTRY_VERIFY_WITH_TIMEOUT(message->property("opened").toBool(), 30000);
        QVERIFY2(text(item(QStringLiteral("parameterSetMessageText"))).contains(QStringLiteral("saved")),
                 qPrintable(text(item(QStringLiteral("parameterSetMessageText")))));
        QString error;
        const std::optional<ParameterSet> saved = ParameterSet::load(file, &error);
        QVERIFY2(saved, qPrintable(error));
        closeDialog(QStringLiteral("parameterSetMessageDialog"));

        chooseFile(QStringLiteral("compareParameterSetAction"), QStringLiteral("parameterSetOpenFileDialog"));
        compareWithChangedDevice(QStringLiteral("11-"));
        QCOMPARE(text(item(QStringLiteral("parameterTableSummary"))),
                 QStringLiteral("1 of %1 parameters differ.").arg(saved->parameters.size()));
        click(item(QStringLiteral("onlyDifferencesCheck")));
        QTRY_COMPARE(item(QStringLiteral("parameterTableRows"))->property("count").toInt(), saved->parameters.size());

        const QString csv = ioddFolder.filePath(QStringLiteral("sets/comparison.csv"));
        QVERIFY(QMetaObject::invokeMethod(dialogs, "exportTo", Q_ARG(QVariant, QUrl::fromLocalFile(csv))));
        QFile exported(csv);
        QVERIFY(exported.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(exported.readAll().count('\n'), saved->parameters.size() + 1);
        closeDialog(QStringLiteral("parameterTableDialog"));
        chooseFile(QStringLiteral("restoreParameterSetAction"), QStringLiteral("parameterSetOpenFileDialog"));
    }

    void importedOlderReleaseIsSummarisedAndNamedOnIdentification()
    {
        // An older release of the sample, and a package that is no zip at all; how packages are unpacked is
        // TestIoddPackages' part.
        QFile xml(QDir(ioddPath).filePath(SamplePackage::ioddFileName()));
        QVERIFY(xml.open(QIODevice::ReadOnly));
        const QString older = ioddFolder.filePath(QStringLiteral("Korvell-OVX100-20200101-IODD1.1.xml"));
        QVERIFY(TestEnvironment::writeFile(older, xml.readAll().replace("releaseDate=\"2026-12-01\"", "releaseDate=\"2020-01-01\"")));
        const QString brokenZip = ioddFolder.filePath(QStringLiteral("broken.zip"));
        QVERIFY(TestEnvironment::writeFile(brokenZip, "PK not really"));

        QObject *packages = published(QStringLiteral("ioddPackages"));
        QVERIFY(packages);
        const QVariantList files { QUrl::fromLocalFile(older), QUrl::fromLocalFile(brokenZip) };
        bool started = false;
        QVERIFY(QMetaObject::invokeMethod(packages, "importFiles", Q_RETURN_ARG(bool, started), Q_ARG(QVariantList, files)));
        QVERIFY(started);

        QObject *summary = object(QStringLiteral("ioddImportSummary"));
        QTRY_VERIFY(summary->property("opened").toBool());
        QTRY_VERIFY(!packages->property("busy").toBool());
        QTRY_COMPARE(item(QStringLiteral("ioddImportResults"))->property("count").toInt(), 2);
        QVERIFY(text(item(QStringLiteral("ioddImportHeadline"))).startsWith(QStringLiteral("Not every file")));
        screenshot(QStringLiteral("14-iodd-import-summary"));
        closeDialog(QStringLiteral("ioddImportSummary"));

        showTab(QStringLiteral("identificationTab"));
        QTRY_VERIFY(isShown(item(QStringLiteral("otherIodds"))));
        QCOMPARE(text(item(QStringLiteral("ioddFileText"))), SamplePackage::ioddFileName());
        QVERIFY(text(item(QStringLiteral("otherIoddsText"))).contains(QStringLiteral("Korvell-OVX100-20200101-IODD1.1.xml (released 2020-01-01)")));
        QCOMPARE(text(item(QStringLiteral("ioddRuleText"))), QStringLiteral("the latest release date"));
        screenshot(QStringLiteral("15-identification-why-this-iodd"));
    }

    // A language change while the management dialog is closed once left its confirmation without a window.
    void removingAnIoddAsksFirst()
    {
        ApplicationSettings::instance()->setLanguage(QStringLiteral("de"));
        ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
        chooseMenu(QStringLiteral("File"), QStringLiteral("manageIoddsAction"), QStringLiteral("ioddDialog"));
        QObject *dialog = object(QStringLiteral("ioddDialog"));
        QTRY_COMPARE(text(item(QStringLiteral("ioddCount"))), QStringLiteral("2"));
        auto *catalogue = qobject_cast<QAbstractItemModel *>(published(QStringLiteral("ioddModel")));
        const QModelIndexList older =
            catalogue->match(catalogue->index(0, 0), Qt::UserRole + 1, QStringLiteral("20200101"), 1, Qt::MatchContains);
        QCOMPARE(older.size(), 1);
        QVERIFY(QMetaObject::invokeMethod(dialog, "select", Q_ARG(QVariant, older.first().row())));
        QCOMPARE(text(item(QStringLiteral("ioddSearchPath"))), ioddPath);
        QTRY_COMPARE(text(item(QStringLiteral("ioddProductNameText"))), QStringLiteral("OVX100"));
        click(item(QStringLiteral("ioddRemoveButton")));
        QObject *confirmation = object(QStringLiteral("ioddRemoveDialog"));
        QTRY_VERIFY(confirmation->property("opened").toBool());
        QVERIFY(text(item(QStringLiteral("ioddRemoveQuestion"))).contains(QStringLiteral("Korvell-OVX100-20200101-IODD1.1.xml")));
        QVERIFY(text(item(QStringLiteral("ioddRemoveTargets"))).contains(QStringLiteral("Korvell GmbH-OVX100-2020-01-01")));
        screenshot(QStringLiteral("16-iodd-remove-confirmation"));
        click(item(QStringLiteral("ioddRemoveConfirmButton")));

        QTRY_COMPARE(text(item(QStringLiteral("ioddCount"))), QStringLiteral("1"));
        QVERIFY(!QFileInfo::exists(QDir(ioddPath).filePath(QStringLiteral("Korvell GmbH-OVX100-2020-01-01"))));
        closeDialog(QStringLiteral("ioddDialog"));
        showTab(QStringLiteral("identificationTab"));
        QTRY_VERIFY(!isShown(item(QStringLiteral("otherIodds"))));
    }

    // The settings and pages in each language are photographed by the sweep at the smallest size.
    void germanLabelsAfterTheLanguageChange()
    {
        chooseMenu(QStringLiteral("File"), QStringLiteral("settingsAction"), QStringLiteral("settingsDialog"));
        QVERIFY(item(QStringLiteral("simulatedMasterCheckBox"))->property("checked").toBool());

        click(item(QStringLiteral("languageCombo")));
        QQuickItem *german = nullptr;
        QTRY_VERIFY((german = shownItem("QQuickItemDelegate", QStringLiteral("Deutsch"))) != nullptr);
        click(german);
        QCOMPARE(ApplicationSettings::instance()->getLanguage(), QStringLiteral("de"));
        QTRY_COMPARE(text(item(QStringLiteral("parametersTab"))), QStringLiteral("Parameter"));
        closeDialog(QStringLiteral("settingsDialog"));

        ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
        QTRY_COMPARE(text(item(QStringLiteral("parametersTab"))), QStringLiteral("Parameters"));
    }

    void everyScreenFitsTheSmallestWindowInEachLanguage()
    {
        window->resize(1024, 600);
        QTRY_COMPARE(window->width(), 1024);
        const QList<QPair<QString, QString>> languages { { "en", "Parameter set restored" }, { "de", "Parametersatz wiederhergestellt" },
                                                         { "fr", "Jeu de paramètres restauré" } };
        for (const auto &language : languages) {
            ApplicationSettings::instance()->setLanguage(language.first);
            QTRY_VERIFY(item(QStringLiteral("parametersTab")));
            screenshotEveryScreen(language.first, language.second);
            if (QTest::currentTestFailed())
                break;
        }
        // French calls the dialog "Réglages", unlike the parameters tab.
        const QString settingsTitle = object(QStringLiteral("settingsDialog"))->property("title").toString();
        QVERIFY2(text(item(QStringLiteral("parametersTab"))) != settingsTitle, qPrintable(settingsTitle));
        QCOMPARE(text(item(QStringLiteral("deviceState"))), QStringLiteral("Connecté"));
        ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
        QTRY_COMPARE(text(item(QStringLiteral("parametersTab"))), QStringLiteral("Parameters"));
    }

    void disconnectReturnsToTheList()
    {
        click(item(QStringLiteral("disconnectButton"), item(QStringLiteral("deviceRow_0"))));
        QTRY_COMPARE(text(item(QStringLiteral("deviceState"))), QStringLiteral("Not connected"));
        QTRY_VERIFY(item(QStringLiteral("identificationTab"))->property("checked").toBool());
        QVERIFY(!isShown(item(QStringLiteral("parametersTab"))));
        QVERIFY(!isShown(item(QStringLiteral("processDataBox"))));
        QTRY_VERIFY(isShown(item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_0")))));
        QVERIFY(!SimulatedMaster::instance().isOpen(sensorPort));
    }

    void identityStaysGreyedAfterTheDisconnect()
    {
        // The list is read again after the disconnect; what was read stays on the page meanwhile.
        QCOMPARE(text(item(QStringLiteral("productNameText"))), QStringLiteral("OVX100"));
        QTRY_VERIFY_WITH_TIMEOUT(!devices()->isScanning(), 20000);
        QTRY_COMPARE(text(item(QStringLiteral("productNameText"))), QStringLiteral("OVX100"));
        QVERIFY(!text(item(QStringLiteral("serialNumberText"))).contains(QStringLiteral("Unknown")));
        screenshot(QStringLiteral("14-after-disconnect"));
    }

    // Asked of the application directly; German and French chosen in the settings are germanLabelsAfterTheLanguageChange's
    // and the sweep's. An unknown language falls back to English, not to the language shown before.
    void unknownLanguageFallsBackToEnglish()
    {
        application()->setLanguage(QStringLiteral("de"));
        QCOMPARE(text(item(QStringLiteral("deviceState"))), QStringLiteral("Nicht verbunden"));
        QVERIFY(ApplicationSettings::instance()->getCopyright().contains(QStringLiteral("Alle Rechte")));
        application()->setLanguage(QStringLiteral("xx"));
        QCOMPARE(text(item(QStringLiteral("deviceState"))), QStringLiteral("Not connected"));
        QVERIFY(!ApplicationSettings::instance()->getCopyright().contains(QStringLiteral("Alle Rechte")));
        application()->setLanguage(QStringLiteral("en"));
    }

    // Each master call takes half a second; the user cancels, keeps working and connects again.
    void cancelledConnectionLeavesTheWindowFree()
    {
        DevicesListModel *list = devices();
        // A rescan on the slowed master would replace the row's device under the click.
        QTRY_VERIFY_WITH_TIMEOUT(!list->isScanning() && list->itemAt(0) && list->itemAt(0)->getDevice(), 15000);
        QTRY_VERIFY(isShown(item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_0")))));
        // A rescan rebuilds the rows meanwhile; between two lookups the button may be gone for a moment.
        QTRY_VERIFY([this]() {
            QQuickItem *button = item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_0")));
            return button && button->isEnabled();
        }());
        SimulatedMaster::instance().setCallDelay(sensorPort, 500);
        click(item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_0"))));
        QObject *dialog = object(QStringLiteral("connectionDialog"));
        // A rescan may replace the device once it is back at notConnected.
        QPointer<QObject> device = currentDevice();
        QVERIFY(device);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->property("visible").toBool(), 15000);
        screenshot(QStringLiteral("14-connection-dialog-cancel"));

        click(item(QStringLiteral("dialogCloseButton"), item(QStringLiteral("connectionButtons"))));
        QTRY_VERIFY(!dialog->property("visible").toBool());
        // The window goes on answering while the master finishes its call: the settings open and close.
        chooseMenu(QStringLiteral("File"), QStringLiteral("settingsAction"), QStringLiteral("settingsDialog"));
        closeDialog(QStringLiteral("settingsDialog"));
        QTRY_VERIFY_WITH_TIMEOUT(!device || device->property("state").toString() == QLatin1String("notConnected"), 15000);
        QTRY_VERIFY_WITH_TIMEOUT(!SimulatedMaster::instance().isOpen(sensorPort), 15000);
        QTRY_COMPARE(text(item(QStringLiteral("deviceState"))), QStringLiteral("Not connected"));

        SimulatedMaster::instance().setCallDelay(sensorPort, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!list->isScanning() && list->itemAt(0) && list->itemAt(0)->getDevice(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(isShown(item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_0")))), 20000);
        click(item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_0"))));
        QTRY_COMPARE_WITH_TIMEOUT(text(item(QStringLiteral("deviceState"))), QStringLiteral("Connected"), 15000);
        QTRY_VERIFY(!dialog->property("visible").toBool());
        click(item(QStringLiteral("disconnectButton"), item(QStringLiteral("deviceRow_0"))));
        QTRY_COMPARE(text(item(QStringLiteral("deviceState"))), QStringLiteral("Not connected"));
    }

    // The simulated master served through the REST interface, as an Ethernet master on this machine.
    void networkMasterIsListedAndTested()
    {
        ServedMaster served;
        // The program lets go of the master before it stops.
        const auto forget = qScopeGuard([] { ApplicationSettings::instance()->setNetworkMasters({}); });
        QVERIFY(served.listen());
        NetworkMasterServer *server = served.server;
        ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
        window->resize(1024, 600);
        const QString address = QStringLiteral("127.0.0.1:%1 Port %2").arg(server->serverPort()).arg(sensorPort);
        ApplicationSettings::instance()->setNetworkMasters({ server->address() });

        click(item(QStringLiteral("scanButton")));
        const auto networkRow = [&]() -> QQuickItem * {
            for (int i = 0; i < 8; ++i) {
                QQuickItem *candidate = item(QStringLiteral("deviceRow_%1").arg(i));
                if (candidate && text(item(QStringLiteral("deviceHints"), candidate)).contains(address))
                    return candidate;
            }
            return nullptr;
        };
        // The master's port is listed with its address once the scan asked the master. The connection to it is the
        // one ovinex-check --master makes with every corpus device; the list's connect button is the same for all rows.
        QTRY_VERIFY_WITH_TIMEOUT(networkRow() != nullptr, 20000);
        screenshot(QStringLiteral("20-network-master-listed"));

        // The master in the Settings dialog, tested, in every language.
        chooseMenu(QStringLiteral("File"), QStringLiteral("settingsAction"), QStringLiteral("settingsDialog"));
        for (const QString &language : { QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr") }) {
            ApplicationSettings::instance()->setLanguage(language);
            click(item(QStringLiteral("networkMasterTestButton")));
            QTRY_VERIFY_WITH_TIMEOUT(text(item(QStringLiteral("networkMasterResult"))).contains(QLatin1String("Korvell GmbH")), 10000);
            screenshot(QStringLiteral("21-network-masters-settings-") + language);
        }
        ApplicationSettings::instance()->setLanguage(QStringLiteral("en"));
        closeDialog(QStringLiteral("settingsDialog"));
    }

    // Last: the exit leaves the application's event loops finished for good.
    void menuCommands()
    {
        UrlRecorder browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        QObject *checkForUpdates = object(QStringLiteral("checkForUpdatesAction"));
        QVERIFY(checkForUpdates);
        QVERIFY(QMetaObject::invokeMethod(checkForUpdates, "trigger"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(browser.urls, QList<QUrl> { QUrl(QStringLiteral("https://korvell.example/downloads")) });

        QSignalSpy quitRequests(application()->getEngine(), &QQmlEngine::quit);
        QObject *exit = object(QStringLiteral("exitAction"));
        QVERIFY(exit);
        QVERIFY(QMetaObject::invokeMethod(exit, "trigger"));
        // Not at once: the menu closes first, on the next turn of the event loop.
        QCOMPARE(quitRequests.count(), 0);
        QTRY_COMPARE(quitRequests.count(), 1);
    }

private:
    // Opens a menu of the header and clicks the entry of the named action; waits for the dialog it opens, if named.
    void chooseMenu(const QString &menuTitle, const QString &actionName, const QString &dialogName = QString())
    {
        click(shownItem("QQuickMenuBarItem", menuTitle));
        QQuickItem *entry = nullptr;
        QTRY_VERIFY([&]() {
            for (QQuickItem *candidate : shownItemsOf("QQuickMenuItem")) {
                auto *action = candidate->property("action").value<QObject *>();
                if (action && action->objectName() == actionName)
                    entry = candidate;
            }
            return entry != nullptr;
        }());
        click(entry);
        if (!dialogName.isEmpty())
            QTRY_VERIFY2(object(dialogName)->property("opened").toBool(), qPrintable(dialogName));
    }

    // Every identity value and every tab title can be read whole, or its whole text is one hover away.
    void verifyReadable(const QString &where)
    {
        for (const char *name : { "productNameText", "vendorNameText", "productIdText", "ioddVersionText", "deviceIdText",
                                  "vendorIdText", "serialNumberText" }) {
            QQuickItem *value = item(QLatin1String(name));
            if (!isShown(value))
                continue;
            // A value of one word never breaks inside it.
            const bool oneWord = !text(value).contains(QLatin1Char(' '));
            QVERIFY2(!value->property("truncated").toBool() && (!oneWord || value->property("lineCount").toInt() == 1),
                     qPrintable(where + QLatin1Char(' ') + QLatin1String(name) + QStringLiteral(": ") + text(value)));
        }
        QList<QQuickItem *> tabs;
        collectItems(item(QStringLiteral("pageTabs")), QString(), tabs);
        for (QQuickItem *tab : qAsConst(tabs)) {
            if (!tab->inherits("QQuickTabButton") || !isShown(tab))
                continue;
            QQuickItem *title = tab->property("contentItem").value<QQuickItem *>();
            // Inside the window, and either whole or with its title as tool tip. An event arriving just now
            // widens the Events tab before the bar lays its tabs out again at the next frame.
            QTRY_VERIFY2(tab->mapToScene(QPointF(tab->width(), 0)).x() <= window->width() + 0.5, qPrintable(where + text(tab)));
            if (title && title->property("truncated").toBool())
                QVERIFY2(tab->property("width").toReal() > 40, qPrintable(where + text(tab)));
        }
    }

    void screenshotEveryScreen(const QString &language, const QString &restored)
    {
        const QString prefix = QStringLiteral("small-") + language + QLatin1Char('-');
        const QStringList tabs { "identificationTab", "quickstartTab", "diagnosisTab", "observationTab", "parametersTab",
                                 "processDataTab", "eventsTab" };
        for (const QString &tab : tabs) {
            if (!isShown(item(tab)))
                continue;
            showTab(tab);
            QTest::qWait(50); // lets the page lay itself out before the grab; nothing is asserted on time
            verifyReadable(prefix + tab);
            if (tab == QLatin1String("diagnosisTab"))
                QTRY_VERIFY(isShown(item(QStringLiteral("healthBadge"))));
            screenshot(prefix + tab);
        }
        // Each menu of the header is as wide as its longest entry.
        const QList<QQuickItem *> menuBarItems = shownItemsOf("QQuickMenuBarItem");
        QVERIFY(!menuBarItems.isEmpty());
        for (QQuickItem *menuBarItem : menuBarItems) {
            click(menuBarItem);
            QList<QQuickItem *> entries;
            QTRY_VERIFY(!(entries = shownItemsOf("QQuickMenuItem")).isEmpty());
            for (QQuickItem *entry : qAsConst(entries))
                QVERIFY2(entry->width() + 0.5 >= entry->implicitWidth(), qPrintable(prefix + text(entry)));
            QObject *menu = entries.first()->property("menu").value<QObject *>();
            QVERIFY(menu && QMetaObject::invokeMethod(menu, "close"));
            QTRY_VERIFY(!menu->property("visible").toBool());
        }

        showTab(QStringLiteral("identificationTab"));
        click(item(QStringLiteral("communicationButton")));
        QTRY_VERIFY(object(QStringLiteral("communicationDialog"))->property("opened").toBool());
        screenshot(prefix + QStringLiteral("communication"));
        closeDialog(QStringLiteral("communicationDialog"));

        const QStringList dialogs { "ioddDialog", "settingsDialog", "aboutDialog", "updatesDialog" };
        for (const QString &dialog : dialogs) {
            QVERIFY(QMetaObject::invokeMethod(object(dialog), "open"));
            QTRY_VERIFY(object(dialog)->property("opened").toBool());
            if (dialog == QLatin1String("aboutDialog"))
                QCOMPARE(text(item(QStringLiteral("aboutCopyright"))), ApplicationSettings::instance()->getCopyright());
            screenshot(prefix + dialog);
            closeDialog(dialog);
        }
        // The sign-in a network master on plain http asks for when it answers 401, with the keychain chosen.
        QVERIFY(QMetaObject::invokeMethod(published(QStringLiteral("networkMasters")), "credentialsRequested",
                                          Q_ARG(QString, QStringLiteral("http://192.0.2.7/iolink/v1")),
                                          Q_ARG(QString, QStringLiteral("192.0.2.7")), Q_ARG(bool, true)));
        QTRY_VERIFY(object(QStringLiteral("masterCredentialsDialog"))->property("opened").toBool());
        click(item(QStringLiteral("masterRememberBox")));
        QTest::qWait(300); // the check mark animates in before the grab; nothing is asserted on time
        screenshot(prefix + QStringLiteral("masterSignIn"));
        closeDialog(QStringLiteral("masterCredentialsDialog"));
        showTab(QStringLiteral("processDataTab"));
        QQuickItem *page = item(QStringLiteral("processDataPage"));
        click(shownItems(QStringLiteral("chartSettingsButton"), page).first());
        QObject *settings = object(QStringLiteral("chartSettingsDialog"));
        QTRY_VERIFY(settings->property("opened").toBool());
        screenshot(prefix + QStringLiteral("chartSettingsDialog"));
        QVERIFY(QMetaObject::invokeMethod(settings, "reject"));
        QTRY_VERIFY(!settings->property("visible").toBool());
        screenshotParameterSetDialogs(prefix, restored);
    }

    QString parameterSetFile() const { return ioddFolder.filePath(QStringLiteral("sets/OVX100.ovxparams")); }

    // Each File menu entry opens its file chooser; its acceptance is what the dialogs' functions do with the file.
    void chooseFile(const QString &action, const QString &chooser)
    {
        chooseMenu(QStringLiteral("File"), action);
        QTRY_VERIFY(object(chooser)->property("visible").toBool());
        QVERIFY(QMetaObject::invokeMethod(object(chooser), "close"));
    }

    // The window width changes on the device behind the program's back; the comparison with the set saved earlier
    // shows that one difference.
    void compareWithChangedDevice(const QString &prefix)
    {
        DeviceParameterAccess access(currentDevice());
        bool written = false;
        access.write(67, 0, QByteArray::fromHex("00C8"), [&](const DeviceParameterAccess::Answer &answer) { written = answer.ok; });
        QTRY_VERIFY(written);
        QVERIFY(QMetaObject::invokeMethod(object(QStringLiteral("parameterSetDialogs")), "compareWith",
                                          Q_ARG(QVariant, QUrl::fromLocalFile(parameterSetFile()))));
        QTRY_VERIFY_WITH_TIMEOUT(object(QStringLiteral("parameterTableDialog"))->property("opened").toBool(), 30000);
        QTRY_COMPARE(item(QStringLiteral("parameterTableRows"))->property("count").toInt(), 1);
        screenshot(prefix + QStringLiteral("parameterSetComparison"));
    }

    // The comparison, the question before a restore and its report; the report's headline in the language shown.
    void screenshotParameterSetDialogs(const QString &prefix, const QString &restored)
    {
        compareWithChangedDevice(prefix);
        closeDialog(QStringLiteral("parameterTableDialog"));
        QVERIFY(QMetaObject::invokeMethod(object(QStringLiteral("parameterSetDialogs")), "restoreFrom",
                                          Q_ARG(QVariant, QUrl::fromLocalFile(parameterSetFile()))));
        QTRY_VERIFY(object(QStringLiteral("restoreConfirmDialog"))->property("opened").toBool());
        QVERIFY(text(item(QStringLiteral("restoreQuestion"))).contains(QStringLiteral("OVX100.ovxparams")));
        screenshot(prefix + QStringLiteral("parameterSetRestoreConfirmation"));
        click(item(QStringLiteral("restoreConfirmButton")));
        QTRY_VERIFY_WITH_TIMEOUT(object(QStringLiteral("parameterTableDialog"))->property("opened").toBool(), 30000);
        QVERIFY2(text(item(QStringLiteral("parameterTableSummary"))).startsWith(restored),
                 qPrintable(text(item(QStringLiteral("parameterTableSummary")))));
        QCOMPARE(SimulatedMaster::instance().parameter(sensorPort, 67), QByteArray::fromHex("0064"));
        screenshot(prefix + QStringLiteral("parameterSetRestoreReport"));
        closeDialog(QStringLiteral("parameterTableDialog"));
        // The restore may make the device ask for an upload, which reads every parameter again.
        QTRY_VERIFY_WITH_TIMEOUT(!object(QStringLiteral("connectionDialog"))->property("visible").toBool(), 15000);
    }

    void typeIntoSlider(QQuickItem *row, const QByteArray &keys)
    {
        click(item(QStringLiteral("sliderField"), row));
        QTest::keySequence(window, QKeySequence::SelectAll);
        for (const char key : keys)
            QTest::keyClick(window, key);
        click(item(QStringLiteral("sliderAccept"), row));
    }

    QTemporaryDir ioddFolder;
    QString ioddPath;
};

OVINEX_APPLICATION_TEST(TestMainWindow)

#include "tst_mainwindow.moc"
