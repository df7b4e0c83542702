#include "testenvironment.h"

#include "app/applicationsettings.h"
#include "iodd/catalogue/ioddlistmodel.h"
#include "iodd/catalogue/samplepackage.h"
#include "tst_screens_fakedevices.h"
#include "tst_screens_fakeiolink.h"
#include "tst_screens_fakeprocessdata.h"

#include <QMutex>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

QStringList qmlWarnings;
QMutex warningsMutex;
QtMessageHandler previousHandler = nullptr;

// Every warning that names one of our QML files is a fault of the screens.
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

} // namespace

// The desktop window over stand-ins of the device objects: what it shows and what it calls.
class TestScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void loadsQuietlyAndScansFirst();
    void deviceRowsShowHintsAndOnlyUsefulButtons();
    void connectingShowsProgressThenTheDeviceTabs();
    void otherRowsIgnoreClicksWhileConnected();
    void identificationShowsTheSelectedDevice();
    void menuPagesShowOneViewPerEntryKind();
    void menuEntriesSendUserInput();
    void tooLongTextIsRefusedWithTheExcessSelected();
    void sliderValueOutOfRangeIsRestored();
    void deviceLanguageChangeRetranslatesEntries();
    void processDataTabChartsShownItems();
    void processDataToolBarControlsRecording();
    void chartCursorIsSharedByAllCharts();
    void chartSettingsSetWindowAndRange();
    void saveFailureIsShownToTheUser();
    void processDataBoxShowsEachFormOfValue();
    void alertIsShownForFiveSeconds();
    void communicationLogCanBeCleared();
    void settingsDialogWritesTheSettings();
    void aboutAndIoddDialogsShowTheirContent();
    void germanAndFrenchTextsFitTheScreens_data();
    void germanAndFrenchTextsFitTheScreens();
    void disconnectReturnsToTheListAndRescans();
    void emptyCatalogueOpensTheIoddDialogWithInstallHint();
    void loadsQuietlyWithoutTheDeviceObjects();

private:
    void loadWindow();
    void connectSensor();
    QQuickItem *item(const QString &name, QObject *root = nullptr) const;
    QObject *object(const QString &name) const;
    QList<QQuickItem *> items(const QString &name) const;
    bool isShown(QQuickItem *item) const;
    void click(QQuickItem *target);
    void clickAt(QQuickItem *target, const QPointF &local);
    void showTab(const QString &tabName);
    void screenshot(const QString &name);
    void callWindow(const char *signalName);

    QTemporaryDir ioddFolder;
    IODDListModel *catalogue = nullptr;
    FakeDevicesListModel *devices = nullptr;
    FakeDevicesFilterModel *filter = nullptr;
    QQmlApplicationEngine *engine = nullptr;
    QQuickWindow *window = nullptr;
};

void TestScreens::initTestCase()
{
    previousHandler = qInstallMessageHandler(collectQmlWarnings);
    QVERIFY(ioddFolder.isValid());
    const QString sampleFolder = ioddFolder.filePath(QStringLiteral("IODDs"));
    QVERIFY(SamplePackage::installInto(sampleFolder));
    ApplicationSettings::instance()->setIoddSearchPath(sampleFolder);
    catalogue = new IODDListModel(this);
    QVERIFY(catalogue->getCount() > 0);

    devices = new FakeDevicesListModel(this);
    // The sensor row matches the sample's IODD, as the real list would find it.
    FakeDeviceItem *sensor = devices->item(0);
    sensor->ioddEntry = catalogue->getEntry(0);
    sensor->deviceSymbol = QUrl::fromLocalFile(catalogue->data(catalogue->index(0), IODDListModel::DeviceSymbolPathRole).toString()).toString();
    sensor->deviceIcon = QUrl::fromLocalFile(catalogue->data(catalogue->index(0), IODDListModel::DeviceIconPathRole).toString()).toString();
    filter = new FakeDevicesFilterModel(this);
    filter->setSourceModel(devices);
    loadWindow();
}

void TestScreens::loadWindow()
{
    engine = new QQmlApplicationEngine(this);
    engine->rootContext()->setContextProperty(QStringLiteral("devicesModel"), devices);
    engine->rootContext()->setContextProperty(QStringLiteral("devicesFilterModel"), filter);
    engine->rootContext()->setContextProperty(QStringLiteral("ioddModel"), catalogue);
    engine->rootContext()->setContextProperty(QStringLiteral("settings"), ApplicationSettings::instance());
    engine->addImportPath(QStringLiteral("qrc:/"));
    engine->addImportPath(QStringLiteral("qrc:/qml/common/"));
    engine->addImportPath(QStringLiteral("qrc:/qml/desktop/"));
    engine->load(QUrl(QStringLiteral("qrc:/qml/desktop/ContentDesktop.qml")));
    QVERIFY(!engine->rootObjects().isEmpty());
    window = qobject_cast<QQuickWindow *>(engine->rootObjects().first());
    QVERIFY(window);
    window->resize(1280, 800);
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void TestScreens::init()
{
    QMutexLocker lock(&warningsMutex);
    qmlWarnings.clear();
}

void TestScreens::cleanup()
{
    QMutexLocker lock(&warningsMutex);
    QVERIFY2(qmlWarnings.isEmpty(), qPrintable(qmlWarnings.join(QLatin1Char('\n'))));
}

void TestScreens::cleanupTestCase()
{
    delete engine;
    engine = nullptr;
    qInstallMessageHandler(previousHandler);
}

// Views made by lists and loaders hang in the visual tree only, so the search walks it.
static void collectItems(QQuickItem *from, const QString &name, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : from->childItems()) {
        if (child->objectName() == name)
            found.append(child);
        collectItems(child, name, found);
    }
}

QQuickItem *TestScreens::item(const QString &name, QObject *root) const
{
    auto *from = root ? qobject_cast<QQuickItem *>(root) : window->contentItem();
    if (!from)
        return nullptr;
    QList<QQuickItem *> found;
    collectItems(from, name, found);
    // Closed pop-ups are not in the visual tree.
    if (found.isEmpty() && !root)
        found = window->findChildren<QQuickItem *>(name);
    for (QQuickItem *candidate : found) {
        if (isShown(candidate))
            return candidate;
    }
    return found.isEmpty() ? nullptr : found.first();
}

static QObject *findObject(QQuickItem *from, const QString &name)
{
    if (QObject *direct = from->findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
        return direct;
    for (QQuickItem *child : from->childItems()) {
        if (QObject *found = findObject(child, name))
            return found;
    }
    return nullptr;
}

QObject *TestScreens::object(const QString &name) const
{
    if (QObject *found = window->findChild<QObject *>(name))
        return found;
    return findObject(window->contentItem(), name);
}

QList<QQuickItem *> TestScreens::items(const QString &name) const
{
    QList<QQuickItem *> found;
    collectItems(window->contentItem(), name, found);
    QList<QQuickItem *> shown;
    for (QQuickItem *candidate : found) {
        if (isShown(candidate))
            shown.append(candidate);
    }
    return shown;
}

bool TestScreens::isShown(QQuickItem *candidate) const
{
    return candidate && candidate->isVisible() && candidate->width() > 0 && candidate->height() > 0;
}

void TestScreens::click(QQuickItem *target)
{
    clickAt(target, QPointF(target->width() / 2, target->height() / 2));
}

void TestScreens::clickAt(QQuickItem *target, const QPointF &local)
{
    QVERIFY(target);
    QVERIFY2(isShown(target), qPrintable(target->objectName()));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, target->mapToScene(local).toPoint());
}

void TestScreens::showTab(const QString &tabName)
{
    QQuickItem *tab = item(tabName);
    QVERIFY2(isShown(tab), qPrintable(tabName));
    click(tab);
    QTRY_VERIFY(tab->property("checked").toBool());
}

void TestScreens::screenshot(const QString &name)
{
    QTest::qWait(50);
    QSharedPointer<const QQuickItemGrabResult> grab = window->contentItem()->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(const_cast<QQuickItemGrabResult *>(grab.data()), &QQuickItemGrabResult::ready);
    QVERIFY(ready.wait(5000));
    QDir().mkpath(TestEnvironment::buildPath(QStringLiteral("screenshots")));
    QVERIFY(grab->saveToFile(TestEnvironment::buildPath(QStringLiteral("screenshots/") + name + QStringLiteral(".png"))));
}

void TestScreens::callWindow(const char *signalName)
{
    QVERIFY(QMetaObject::invokeMethod(window, signalName));
}

void TestScreens::connectSensor()
{
    if (devices->currentDevice && devices->currentDevice->state == QLatin1String("connected"))
        return;
    QTRY_VERIFY(!object(QStringLiteral("rescanTimer"))->property("running").toBool());
    QQuickItem *row = item(QStringLiteral("deviceRow_0"));
    QVERIFY(row);
    click(item(QStringLiteral("connectButton"), row));
    QCOMPARE(devices->connectRequests.last(), 0);
    devices->setDeviceState(0, QStringLiteral("connecting"));
    devices->setDeviceState(0, QStringLiteral("syncing"));
    devices->setDeviceState(0, QStringLiteral("connected"));
    QTRY_VERIFY(!object(QStringLiteral("connectionDialog"))->property("visible").toBool());
}

void TestScreens::loadsQuietlyAndScansFirst()
{
    // The first scan is asked for shortly after the list exists.
    QTRY_COMPARE(devices->scans, 1);
    QCOMPARE(item(QStringLiteral("deviceState"))->property("text").toString(), QStringLiteral("Not connected"));
    QVERIFY(!object(QStringLiteral("ioddDialog"))->property("visible").toBool());
    QVERIFY(isShown(item(QStringLiteral("identificationTab"))));
    for (const char *hidden : { "smartAdjustTab", "quickstartTab", "diagnosisTab", "parametersTab", "processDataTab" })
        QVERIFY2(!isShown(item(QLatin1String(hidden))), hidden);
    QVERIFY(isShown(item(QStringLiteral("noDeviceText"))));
    QVERIFY(!isShown(item(QStringLiteral("processDataBox"))));
    screenshot(QStringLiteral("01-main-window-no-device"));
}

void TestScreens::deviceRowsShowHintsAndOnlyUsefulButtons()
{
    QTRY_COMPARE(items(QStringLiteral("deviceName")).size(), 4);
    const auto hints = [this](int row) { return item(QStringLiteral("deviceHints"), item(QStringLiteral("deviceRow_%1").arg(row)))->property("text").toString(); };
    const auto hasConnect = [this](int row) { return isShown(item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_%1").arg(row)))); };
    QCOMPARE(hints(0), QStringLiteral("COM Port 7"));
    QCOMPARE(hints(1), QStringLiteral("COM Port 8  (Missing IODD)"));
    QCOMPARE(hints(2), QStringLiteral("COM Port 3  (Sensor not accessible)"));
    QCOMPARE(hints(3), QStringLiteral("COM Port 12  (Latest IODD)"));
    QVERIFY(hasConnect(0));
    QVERIFY(!hasConnect(1));
    QVERIFY(!hasConnect(2));
    QVERIFY(hasConnect(3));

    // No Connect while a scan runs.
    devices->setScanning(true);
    QTRY_VERIFY(isShown(item(QStringLiteral("scanBusyIndicator"))));
    QVERIFY(!item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_0")))->isEnabled());
    devices->setScanning(false);
    QTRY_VERIFY(item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_0")))->isEnabled());
    click(item(QStringLiteral("scanButton")));
    QCOMPARE(devices->scans, 2);

    // With nothing connected any row can be selected; the identification follows it.
    click(item(QStringLiteral("deviceName"), item(QStringLiteral("deviceRow_2"))));
    QCOMPARE(devices->currentIndex, 2);
    QTRY_COMPARE(item(QStringLiteral("productNameText"))->property("text").toString(), QStringLiteral("USB Serial Port"));
    QVERIFY(!isShown(item(QStringLiteral("noDeviceText"))));
}

void TestScreens::connectingShowsProgressThenTheDeviceTabs()
{
    click(item(QStringLiteral("connectButton"), item(QStringLiteral("deviceRow_0"))));
    QCOMPARE(devices->connectRequests, QList<int>({ 0 }));
    QCOMPARE(devices->currentIndex, 0);

    QObject *dialog = object(QStringLiteral("connectionDialog"));
    QQuickItem *text = item(QStringLiteral("connectionText"));
    devices->setDeviceState(0, QStringLiteral("connecting"));
    QTRY_VERIFY(dialog->property("visible").toBool());
    QCOMPARE(text->property("text").toString(), QStringLiteral("Waiting For Device"));
    QVERIFY(isShown(item(QStringLiteral("connectingIndicator"), item(QStringLiteral("deviceRow_0")))));
    screenshot(QStringLiteral("02-connection-dialog-waiting"));

    devices->setDeviceState(0, QStringLiteral("syncing"));
    devices->currentDevice->ioLink->setSync(40, 12);
    QTRY_COMPARE(text->property("text").toString(), QStringLiteral("Updating Parameter 28 / 40"));
    QVERIFY(isShown(item(QStringLiteral("connectionProgress"))));
    QVERIFY(isShown(item(QStringLiteral("syncProgress"))));
    screenshot(QStringLiteral("03-connection-dialog-syncing"));

    devices->currentDevice->ioLink->setSync(0, 0);
    devices->setDeviceState(0, QStringLiteral("connected"));
    QTRY_VERIFY(!dialog->property("visible").toBool());
    QVERIFY(!isShown(item(QStringLiteral("syncProgress"))));
    QCOMPARE(item(QStringLiteral("deviceState"))->property("text").toString(), QStringLiteral("connected"));
    QCOMPARE(item(QStringLiteral("deviceAddress"))->property("text").toString(), QStringLiteral("COM Port 7"));
    // Menus with rows get their tab; the empty smart-adjust menu does not.
    for (const char *shown : { "quickstartTab", "diagnosisTab", "parametersTab", "processDataTab" })
        QTRY_VERIFY2(isShown(item(QLatin1String(shown))), shown);
    QVERIFY(!isShown(item(QStringLiteral("smartAdjustTab"))));
    QVERIFY(isShown(item(QStringLiteral("disconnectButton"), item(QStringLiteral("deviceRow_0")))));
}

void TestScreens::otherRowsIgnoreClicksWhileConnected()
{
    connectSensor();
    for (int row = 1; row < 4; ++row) {
        QQuickItem *other = item(QStringLiteral("deviceRow_%1").arg(row));
        QVERIFY(!isShown(item(QStringLiteral("connectButton"), other)));
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, other->mapToScene(QPointF(20, 25)).toPoint());
        QCOMPARE(devices->currentIndex, 0);
    }
}

void TestScreens::identificationShowsTheSelectedDevice()
{
    connectSensor();
    showTab(QStringLiteral("identificationTab"));
    const auto value = [this](const char *name) { return item(QLatin1String(name) + QStringLiteral("Text"))->property("text").toString(); };
    QCOMPARE(value("productName"), QStringLiteral("OVX100 Optical Distance Sensor"));
    QCOMPARE(value("vendorName"), QStringLiteral("Korvell GmbH"));
    QCOMPARE(value("serialNumber"), QStringLiteral("KV-000123"));
    QVERIFY(value("ioddVersion").contains(QStringLiteral(", ")));
    QVERIFY(!value("ioddVersion").contains(QStringLiteral("Unknown")));
    QVERIFY(!isShown(item(QStringLiteral("multipleIodd"))));
    QCOMPARE(item(QStringLiteral("deviceSymbol"))->property("status").toInt(), 1); // Image.Ready
    QTRY_VERIFY(!items(QStringLiteral("textEditField")).isEmpty());
    screenshot(QStringLiteral("04-identification-tab"));

    // A device without IODD data reads "Unknown" where nothing is known.
    devices->setCurrentIndex(1);
    QCOMPARE(value("ioddVersion"), QStringLiteral("Unknown"));
    QCOMPARE(value("serialNumber"), QStringLiteral("Unknown"));
    devices->setCurrentIndex(3);
    QVERIFY(isShown(item(QStringLiteral("multipleIodd"))));
    QCOMPARE(value("multipleIodd"), QStringLiteral("Using latest version"));
    devices->setCurrentIndex(0);
}

void TestScreens::menuPagesShowOneViewPerEntryKind()
{
    connectSensor();
    showTab(QStringLiteral("parametersTab"));
    QQuickItem *page = item(QStringLiteral("parametersPage"));
    QTRY_VERIFY(isShown(item(QStringLiteral("systemCommandButton"), page)));
    for (const char *view : { "subMenuTitle", "boolCheckBox", "slider", "textEditField", "recordSelectionCombo",
                              "recordDisplayValue", "singleDisplayValue", "arrayDisplayTitle", "undefinedEntryText" })
        QVERIFY2(item(QLatin1String(view), page), view);
    QCOMPARE(item(QStringLiteral("undefinedEntryText"), page)->property("text").toString(),
             QStringLiteral("Undefined Entry, id: V_Unknown"));
    QCOMPARE(item(QStringLiteral("recordDisplayValue"), page)->property("text").toString(), QStringLiteral("Operating properly"));
    QCOMPARE(item(QStringLiteral("singleDisplayValue"), page)->property("text").toString(),
             QStringLiteral("%1 °C").arg(QLocale().toString(23.456, 'f', 1)));
    QCOMPARE(item(QStringLiteral("recordSelectionCombo"), page)->property("currentText").toString(), QStringLiteral("Far range"));
    // The hidden entry's row takes no room until its entry becomes visible.
    const auto shownSwitches = [this]() {
        QStringList labels;
        for (QQuickItem *box : items(QStringLiteral("boolCheckBox")))
            labels.append(box->property("text").toString());
        return labels;
    };
    QVERIFY(!shownSwitches().contains(QStringLiteral("Hidden entry")));
    FakeMenuEntry *hidden = devices->currentDevice->ioLink->entry(QStringLiteral("V_Hidden"));
    hidden->setVisible(true);
    QTRY_VERIFY(shownSwitches().contains(QStringLiteral("Hidden entry")));
    hidden->setVisible(false);
    QTRY_VERIFY(!shownSwitches().contains(QStringLiteral("Hidden entry")));
    screenshot(QStringLiteral("05-parameters-tab"));

    // A sub-menu opens the nested menu in place; an array lists its events.
    click(item(QStringLiteral("subMenuTitle"), page));
    QTRY_VERIFY(isShown(item(QStringLiteral("subMenuView"), page)));
    QCOMPARE(devices->currentDevice->ioLink->entry(QStringLiteral("M_Advanced"))->expanded, true);
    click(item(QStringLiteral("arrayDisplayTitle"), page));
    QTRY_COMPARE(items(QStringLiteral("arrayElement")).size(), 3);
    QStringList lines;
    for (QQuickItem *line : items(QStringLiteral("arrayElement")))
        lines.append(line->property("text").toString());
    QCOMPARE(lines, QStringList({ "Event [1]: Short circuit", "Event [2]: 0x001234", "Event [3]: None" }));
    screenshot(QStringLiteral("06-parameters-expanded"));
    click(item(QStringLiteral("arrayDisplayTitle"), page));
    click(item(QStringLiteral("subMenuTitle"), page));

    showTab(QStringLiteral("diagnosisTab"));
    QTRY_VERIFY(isShown(item(QStringLiteral("arrayDisplayTitle"), item(QStringLiteral("diagnosisPage")))));
    QCOMPARE(item(QStringLiteral("singleDisplayValue"), item(QStringLiteral("diagnosisPage")))->property("text").toString(),
             QStringLiteral("%1 °C").arg(QLocale().toString(23.456, 'f', 1)));
    screenshot(QStringLiteral("07-diagnosis-tab"));
    showTab(QStringLiteral("quickstartTab"));
    QTRY_VERIFY(isShown(item(QStringLiteral("slider"), item(QStringLiteral("quickstartPage")))));
    screenshot(QStringLiteral("08-quickstart-tab"));
}

void TestScreens::menuEntriesSendUserInput()
{
    connectSensor();
    showTab(QStringLiteral("parametersTab"));
    QQuickItem *page = item(QStringLiteral("parametersPage"));
    FakeIoLink *ioLink = devices->currentDevice->ioLink;

    QTRY_VERIFY(isShown(item(QStringLiteral("boolCheckBox"), page)));
    click(item(QStringLiteral("boolCheckBox"), page));
    QCOMPARE(ioLink->entry(QStringLiteral("V_SwitchOn"))->userInputs, QVariantList({ true }));

    click(item(QStringLiteral("systemCommandButton"), page));
    QCOMPARE(ioLink->entry(QStringLiteral("V_SystemCommand"))->buttonClicks, 1);
    // The command button reported its text length, so that all command buttons share one width.
    FakeMenuEntry *restore = ioLink->entry(QStringLiteral("V_SystemCommand"));
    QVERIFY(!restore->languageReports.isEmpty());
    QCOMPARE(restore->languageReports.last().first, QStringLiteral("Restore factory settings").size());

    QQuickItem *combo = item(QStringLiteral("recordSelectionCombo"), item(QStringLiteral("menuRow_V_Mode"), page));
    QVERIFY(QMetaObject::invokeMethod(combo, "forceActiveFocus"));
    QTest::keyClick(window, Qt::Key_Down);
    QCOMPARE(ioLink->entry(QStringLiteral("V_Mode"))->userInputs, QVariantList({ 2 }));

    // Releasing the slider writes its value.
    QQuickItem *slider = item(QStringLiteral("slider"), page);
    clickAt(slider, QPointF(slider->width() - 8, slider->height() / 2));
    FakeMenuEntry *switchPoint = ioLink->entry(QStringLiteral("V_SwitchPoint"));
    QCOMPARE(switchPoint->userInputs.size(), 1);
    QVERIFY(switchPoint->userInputs.first().toDouble() > 90);
}

void TestScreens::tooLongTextIsRefusedWithTheExcessSelected()
{
    connectSensor();
    showTab(QStringLiteral("identificationTab"));
    FakeMenuEntry *tag = devices->currentDevice->ioLink->entry(QStringLiteral("V_Tag"));
    tag->userInputs.clear();
    QQuickItem *field = item(QStringLiteral("textEditField"), item(QStringLiteral("identificationPage")));
    QVERIFY(field);
    QCOMPARE(field->property("text").toString(), QStringLiteral("Line 3"));

    field->setProperty("text", QStringLiteral("Conveyor 12"));
    field->forceActiveFocus();
    QTest::keyClick(window, Qt::Key_Return);
    QVERIFY(tag->userInputs.isEmpty());
    QCOMPARE(field->property("selectionStart").toInt(), 8);
    QCOMPARE(field->property("selectionEnd").toInt(), 11);
    QObject *hint = object(QStringLiteral("textEditLengthHint"));
    QTRY_VERIFY(hint->property("visible").toBool());
    QCOMPARE(hint->property("text").toString(), QStringLiteral("Maximum length is 8"));
    QCOMPARE(hint->property("timeout").toInt(), 5000);
    screenshot(QStringLiteral("09-text-too-long"));

    // A text that fits is sent; the cross brings the entry's text back.
    field->setProperty("text", QStringLiteral("Belt 4"));
    click(item(QStringLiteral("textEditAccept"), item(QStringLiteral("identificationPage"))));
    QCOMPARE(tag->userInputs, QVariantList({ QStringLiteral("Belt 4") }));
    field->setProperty("text", QStringLiteral("scratch"));
    click(item(QStringLiteral("textEditRestore"), item(QStringLiteral("identificationPage"))));
    QCOMPARE(field->property("text").toString(), QStringLiteral("Line 3"));
    QMetaObject::invokeMethod(hint, "close");
}

void TestScreens::sliderValueOutOfRangeIsRestored()
{
    connectSensor();
    showTab(QStringLiteral("quickstartTab"));
    QQuickItem *page = item(QStringLiteral("quickstartPage"));
    FakeMenuEntry *switchPoint = devices->currentDevice->ioLink->entry(QStringLiteral("V_SwitchPoint"));
    switchPoint->setValue(42.5);
    switchPoint->userInputs.clear();
    QQuickItem *field = item(QStringLiteral("sliderField"), page);
    QTRY_VERIFY(field);
    const QString shown = QLocale().toString(42.5, 'f', 1);
    QTRY_COMPARE(field->property("text").toString(), shown);

    for (const QString &typed : { QStringLiteral("150"), QStringLiteral("-1"), QStringLiteral("abc") }) {
        field->setProperty("text", typed);
        field->forceActiveFocus();
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(field->property("text").toString(), shown);
        QVERIFY2(switchPoint->userInputs.isEmpty(), qPrintable(typed));
    }

    field->setProperty("text", QLocale().toString(12.5, 'f', 1));
    click(item(QStringLiteral("sliderAccept"), page));
    QCOMPARE(switchPoint->userInputs, QVariantList({ 12.5 }));
    QCOMPARE(item(QStringLiteral("slider"), page)->property("value").toDouble(), 12.5);

    field->setProperty("text", QStringLiteral("77"));
    click(item(QStringLiteral("sliderRestore"), page));
    QCOMPARE(field->property("text").toString(), QLocale().toString(12.5, 'f', 1));
    QCOMPARE(switchPoint->userInputs.size(), 1);
}

void TestScreens::deviceLanguageChangeRetranslatesEntries()
{
    connectSensor();
    showTab(QStringLiteral("quickstartTab"));
    QQuickItem *combo = item(QStringLiteral("recordSelectionCombo"), item(QStringLiteral("quickstartPage")));
    QTRY_VERIFY(combo);
    const int before = combo->property("currentIndex").toInt();
    devices->currentDevice->ioLink->setLanguage(QStringLiteral("de"));
    QTRY_COMPARE(combo->property("displayText").toString(),
                 QStringList({ "Nahbereich", "Fernbereich", "Automatik" }).at(before));
    devices->currentDevice->ioLink->setLanguage(QStringLiteral("en"));
    QTRY_COMPARE(combo->property("displayText").toString(),
                 QStringList({ "Near range", "Far range", "Automatic" }).at(before));
}

void TestScreens::processDataTabChartsShownItems()
{
    connectSensor();
    showTab(QStringLiteral("processDataTab"));
    // Inputs of applying references only: distance, switch, quality and name.
    QTRY_COMPARE(items(QStringLiteral("processDataChart")).size(), 4);
    QList<int> heights;
    QStringList titles;
    for (QQuickItem *chart : items(QStringLiteral("processDataChart"))) {
        heights.append(int(chart->height()));
        titles.append(item(QStringLiteral("chartView"), chart)->property("title").toString());
    }
    QCOMPARE(heights, QList<int>({ 350, 200, 350, 350 }));
    QCOMPARE(titles.first(), QStringLiteral("Distance"));
    FakeRecordItemInfo *distance = devices->currentDevice->processData->info(QStringLiteral("TI_Distance"));
    QVERIFY(distance->seriesUpdates > 0);
    QCOMPARE(item(QStringLiteral("recordSelectionCombo"), item(QStringLiteral("processDataPage")))->property("currentText").toString(),
             QStringLiteral("Distance and switching state"));

    const int updates = distance->seriesUpdates;
    emit distance->chartChanged();
    QCOMPARE(distance->seriesUpdates, updates + 1);
    screenshot(QStringLiteral("10-process-data-tab"));

    // Behind another tab the charts wait, and catch up once when shown again.
    showTab(QStringLiteral("parametersTab"));
    emit distance->chartChanged();
    emit distance->chartChanged();
    QCOMPARE(distance->seriesUpdates, updates + 1);
    showTab(QStringLiteral("processDataTab"));
    QTRY_COMPARE(distance->seriesUpdates, updates + 2);

    // A new range redraws a paused chart; a running one redraws with its next samples anyway.
    distance->isChartRunning = false;
    emit distance->maxYChanged();
    QCOMPARE(distance->seriesUpdates, updates + 3);
    distance->isChartRunning = true;
    emit distance->maxYChanged();
    QCOMPARE(distance->seriesUpdates, updates + 3);
}

void TestScreens::processDataToolBarControlsRecording()
{
    connectSensor();
    showTab(QStringLiteral("processDataTab"));
    FakeProcessDataHandler *handler = devices->currentDevice->processData;
    handler->calls.clear();
    QQuickItem *play = item(QStringLiteral("playPauseButton"));
    QVERIFY(play->property("checked").toBool());
    click(play);
    QCOMPARE(handler->calls, QStringList({ "pause" }));
    QTRY_VERIFY(!play->property("checked").toBool());
    click(play);
    QCOMPARE(handler->calls, QStringList({ "pause", "start" }));
    QTRY_VERIFY(play->property("checked").toBool());

    const QUrl target = QUrl::fromLocalFile(QDir::temp().filePath(QStringLiteral("chart.csv")));
    QVERIFY(QMetaObject::invokeMethod(item(QStringLiteral("processDataPage")), "saveTo", Q_ARG(QVariant, target)));
    QCOMPARE(handler->savedTo, target);

    click(item(QStringLiteral("clearButton")));
    QCOMPARE(handler->calls.last(), QStringLiteral("clear"));

    // The copy notice shows, then fades out.
    QQuickItem *notice = item(QStringLiteral("copyNotice"));
    click(item(QStringLiteral("copyButton")));
    QCOMPARE(handler->calls.last(), QStringLiteral("copyToClipboard"));
    QTRY_COMPARE(notice->opacity(), 1.0);
    QVERIFY(notice->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 4000);
}

void TestScreens::chartCursorIsSharedByAllCharts()
{
    connectSensor();
    showTab(QStringLiteral("processDataTab"));
    QTRY_VERIFY(!items(QStringLiteral("processDataChart")).isEmpty());
    QQuickItem *firstChart = items(QStringLiteral("processDataChart")).first();
    QQuickItem *view = item(QStringLiteral("chartView"), firstChart);
    const QRectF plot = view->property("plotArea").toRectF();
    QVERIFY(plot.width() > 100);

    clickAt(view, plot.center());
    FakeProcessDataHandler *handler = devices->currentDevice->processData;
    FakeRecordItemInfo *distance = handler->info(QStringLiteral("TI_Distance"));
    FakeRecordItemInfo *switching = handler->info(QStringLiteral("TI_Switch1"));
    QTRY_VERIFY(distance->lastCursorVisible);
    QVERIFY(switching->lastCursorVisible);
    QCOMPARE(switching->lastCursorPosition, distance->lastCursorPosition);
    // The middle of the 30 s window.
    QVERIFY(qAbs(distance->lastCursorPosition - 15000) < 1000);
    QQuickItem *value = item(QStringLiteral("cursorValue"), firstChart);
    QTRY_VERIFY(isShown(value));
    QVERIFY(value->property("text").toString().contains(QLocale().decimalPoint()));
    screenshot(QStringLiteral("11-process-data-cursor"));

    // Pressing outside the plot area hides it again.
    clickAt(view, QPointF(2, 2));
    QTRY_VERIFY(!distance->lastCursorVisible);
    QVERIFY(!switching->lastCursorVisible);
}

void TestScreens::chartSettingsSetWindowAndRange()
{
    connectSensor();
    showTab(QStringLiteral("processDataTab"));
    QTRY_VERIFY(!items(QStringLiteral("chartSettingsButton")).isEmpty());
    click(items(QStringLiteral("chartSettingsButton")).first());
    QObject *dialog = object(QStringLiteral("chartSettingsDialog"));
    QTRY_VERIFY(dialog->property("opened").toBool());
    QQuickItem *xMax = item(QStringLiteral("xMaxSpin"));
    QQuickItem *yMax = item(QStringLiteral("yMaxSpin"));
    QCOMPARE(xMax->property("value").toInt(), 30);
    QCOMPARE(yMax->property("realValue").toDouble(), 250.0);
    screenshot(QStringLiteral("12-chart-settings"));

    xMax->setProperty("value", 90);
    yMax->setProperty("realValue", 120.5);
    QVERIFY(QMetaObject::invokeMethod(dialog, "accept"));
    FakeRecordItemInfo *distance = devices->currentDevice->processData->info(QStringLiteral("TI_Distance"));
    QCOMPARE(distance->maxY, 120.5);
    QCOMPARE(distance->maxX.toMSecsSinceEpoch(), 90000);
    QCOMPARE(item(QStringLiteral("processDataPage"))->property("maxAxis").toDateTime().toMSecsSinceEpoch(), 90000);

    // Boolean charts keep their fixed range.
    click(items(QStringLiteral("chartSettingsButton")).at(1));
    QTRY_VERIFY(dialog->property("opened").toBool());
    QVERIFY(!yMax->isEnabled());
    QVERIFY(QMetaObject::invokeMethod(dialog, "reject"));
    QTRY_VERIFY(!dialog->property("visible").toBool());
    QCOMPARE(distance->maxY, 120.5);
    item(QStringLiteral("processDataPage"))->setProperty("maxAxis", QDateTime::fromMSecsSinceEpoch(30000));
    distance->maxY = 250;
    emit distance->maxYChanged();
}

void TestScreens::saveFailureIsShownToTheUser()
{
    connectSensor();
    showTab(QStringLiteral("processDataTab"));
    emit devices->currentDevice->processData->saveFailed(QStringLiteral("Cannot write /readonly/data.csv"));
    QObject *dialog = object(QStringLiteral("saveFailedDialog"));
    QTRY_VERIFY(dialog->property("opened").toBool());
    QCOMPARE(item(QStringLiteral("saveFailedText"))->property("text").toString(), QStringLiteral("Cannot write /readonly/data.csv"));
    screenshot(QStringLiteral("13-save-failed"));
    QVERIFY(QMetaObject::invokeMethod(dialog, "accept"));
    QTRY_VERIFY(!dialog->property("visible").toBool());
}

void TestScreens::processDataBoxShowsEachFormOfValue()
{
    connectSensor();
    QQuickItem *box = item(QStringLiteral("processDataBox"));
    QTRY_VERIFY(isShown(box));
    QStringList texts;
    QList<QQuickItem *> rows;
    collectItems(box, QStringLiteral("processDataValueRow"), rows);
    QCOMPARE(rows.size(), 6);
    int lamps = 0;
    int switches = 0;
    for (QQuickItem *row : rows) {
        lamps += isShown(item(QStringLiteral("processDataLamp"), row)) ? 1 : 0;
        switches += isShown(item(QStringLiteral("processDataSwitch"), row)) ? 1 : 0;
        QQuickItem *value = item(QStringLiteral("processDataValue"), row);
        if (isShown(value))
            texts.append(value->property("text").toString());
    }
    QCOMPARE(lamps, 1);
    QCOMPARE(switches, 1);
    QCOMPARE(texts, QStringList({ QLocale().toString(123.45, 'f', 1) + QStringLiteral(" mm"), QStringLiteral("Out of range"),
                                  QStringLiteral("-- abc"), QStringLiteral("UNDEFINED") }));

    // The switch of a boolean output writes the output value.
    for (QQuickItem *row : rows) {
        if (isShown(item(QStringLiteral("processDataSwitch"), row)))
            click(item(QStringLiteral("processDataSwitch"), row));
    }
    QCOMPARE(devices->currentDevice->processData->info(QStringLiteral("TI_Output"))->writtenOut, QVariantList({ true }));
}

void TestScreens::alertIsShownForFiveSeconds()
{
    connectSensor();
    QObject *popup = object(QStringLiteral("alertPopup"));
    emit devices->currentDevice->alertTextChanged(QStringLiteral("Device lost: COM7"));
    QTRY_VERIFY(popup->property("visible").toBool());
    QCOMPARE(item(QStringLiteral("alertText"))->property("text").toString(), QStringLiteral("Device lost: COM7"));
    screenshot(QStringLiteral("14-alert"));
    QTest::qWait(4000);
    QVERIFY(popup->property("visible").toBool());
    QTRY_VERIFY_WITH_TIMEOUT(!popup->property("visible").toBool(), 3000);
}

void TestScreens::communicationLogCanBeCleared()
{
    connectSensor();
    showTab(QStringLiteral("identificationTab"));
    click(item(QStringLiteral("communicationButton")));
    QObject *dialog = object(QStringLiteral("communicationDialog"));
    QTRY_VERIFY(dialog->property("opened").toBool());
    QQuickItem *list = item(QStringLiteral("communicationList"));
    QTRY_COMPARE(list->property("count").toInt(), 3);
    screenshot(QStringLiteral("15-communication-log"));
    click(item(QStringLiteral("clearCommunicationButton")));
    QTRY_COMPARE(list->property("count").toInt(), 0);
    QCOMPARE(devices->currentDevice->communication->rowCount(), 0);
    QVERIFY(QMetaObject::invokeMethod(dialog, "close"));
    QTRY_VERIFY(!dialog->property("visible").toBool());
}

void TestScreens::settingsDialogWritesTheSettings()
{
    ApplicationSettings *settings = ApplicationSettings::instance();
    callWindow("settingsRequested");
    QObject *dialog = object(QStringLiteral("settingsDialog"));
    QTRY_VERIFY(dialog->property("opened").toBool());
    // No master library can be loaded here: the simulated master is in use and cannot be switched off.
    QQuickItem *simulated = item(QStringLiteral("simulatedMasterCheckBox"));
    QVERIFY(!simulated->isEnabled());
    QVERIFY(simulated->property("checked").toBool());
    QVERIFY(item(QStringLiteral("simulatedMasterRow"))->property("detail").toString().startsWith(QStringLiteral("Using the simulated master")));
    screenshot(QStringLiteral("16-settings-dialog"));

    const bool filtered = settings->getFilterUsbDevices();
    click(item(QStringLiteral("filterUsbCheckBox")));
    QCOMPARE(settings->getFilterUsbDevices(), !filtered);
    click(item(QStringLiteral("filterUsbCheckBox")));
    QCOMPARE(settings->getFilterUsbDevices(), filtered);

    QQuickItem *language = item(QStringLiteral("languageCombo"));
    QCOMPARE(language->property("currentText").toString(), settings->getLanguage());
    QVERIFY(QMetaObject::invokeMethod(language, "forceActiveFocus"));
    QTest::keyClick(window, Qt::Key_Down);
    QCOMPARE(settings->getLanguage(), QStringLiteral("de"));
    settings->setLanguage(QStringLiteral("en"));
    QVERIFY(QMetaObject::invokeMethod(dialog, "close"));
    QTRY_VERIFY(!dialog->property("visible").toBool());
}

void TestScreens::aboutAndIoddDialogsShowTheirContent()
{
    callWindow("aboutRequested");
    QObject *about = object(QStringLiteral("aboutDialog"));
    QTRY_VERIFY(about->property("opened").toBool());
    QCOMPARE(item(QStringLiteral("aboutCopyright"))->property("text").toString(), ApplicationSettings::instance()->getCopyright());
    QVERIFY(item(QStringLiteral("aboutOrganization"))->property("text").toString().contains(QStringLiteral("https://korvell.example")));
    screenshot(QStringLiteral("17-about-dialog"));
    QVERIFY(QMetaObject::invokeMethod(about, "close"));
    QTRY_VERIFY(!about->property("visible").toBool());

    callWindow("manageIoddsRequested");
    QObject *iodds = object(QStringLiteral("ioddDialog"));
    QTRY_VERIFY(iodds->property("opened").toBool());
    QCOMPARE(item(QStringLiteral("ioddCount"))->property("text").toString(), QString::number(catalogue->getCount()));
    QCOMPARE(item(QStringLiteral("ioddProductNameText"))->property("text").toString(),
             catalogue->data(catalogue->index(0), IODDListModel::ProductNameRole).toString());
    QVERIFY(item(QStringLiteral("ioddFiles"))->property("count").toInt() >= 2);
    QVERIFY(!isShown(item(QStringLiteral("ioddInstallHint"))));
    screenshot(QStringLiteral("18-iodd-dialog"));
    QVERIFY(QMetaObject::invokeMethod(iodds, "close"));
    QTRY_VERIFY(!iodds->property("visible").toBool());
}

void TestScreens::germanAndFrenchTextsFitTheScreens_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("parametersTab");
    QTest::addColumn<QString>("copyNotice");
    QTest::newRow("de") << "de" << "Parameter" << "Diagrammdaten in die Zwischenablage kopiert.";
    QTest::newRow("fr") << "fr" << "Paramètres" << "Données des graphiques copiées dans le presse-papiers.";
}

void TestScreens::germanAndFrenchTextsFitTheScreens()
{
    QFETCH(QString, language);
    QFETCH(QString, parametersTab);
    QFETCH(QString, copyNotice);
    connectSensor();
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/languages/ovinex_") + language + QStringLiteral(".qm")));
    QCoreApplication::installTranslator(&translator);
    engine->retranslate();
    QCOMPARE(item(QStringLiteral("parametersTab"))->property("text").toString(), parametersTab);
    showTab(QStringLiteral("processDataTab"));
    QCOMPARE(item(QStringLiteral("copyNotice"))->property("text").toString(), copyNotice);
    screenshot(QStringLiteral("20-process-data-") + language);
    callWindow("settingsRequested");
    QObject *settingsDialog = object(QStringLiteral("settingsDialog"));
    QTRY_VERIFY(settingsDialog->property("opened").toBool());
    screenshot(QStringLiteral("21-settings-") + language);
    QVERIFY(QMetaObject::invokeMethod(settingsDialog, "close"));
    QTRY_VERIFY(!settingsDialog->property("visible").toBool());
    showTab(QStringLiteral("identificationTab"));
    screenshot(QStringLiteral("22-identification-") + language);
    QCoreApplication::removeTranslator(&translator);
    engine->retranslate();
}

void TestScreens::disconnectReturnsToTheListAndRescans()
{
    connectSensor();
    showTab(QStringLiteral("parametersTab"));
    const int scans = devices->scans;
    click(item(QStringLiteral("disconnectButton"), item(QStringLiteral("deviceRow_0"))));
    QCOMPARE(devices->disconnectRequests, 1);
    QTRY_VERIFY(item(QStringLiteral("identificationTab"))->property("checked").toBool());
    QVERIFY(!isShown(item(QStringLiteral("parametersTab"))));
    QCOMPARE(item(QStringLiteral("deviceState"))->property("text").toString(), QStringLiteral("Not connected"));
    QTRY_COMPARE(devices->scans, scans + 1);
    QVERIFY(!isShown(item(QStringLiteral("processDataBox"))));
}

void TestScreens::emptyCatalogueOpensTheIoddDialogWithInstallHint()
{
    delete engine;
    engine = nullptr;
    // Two levels down, so that the scan of the parent folder finds nothing either.
    QTemporaryDir base;
    const QString emptyPath = base.filePath(QStringLiteral("outer/IODDs"));
    QVERIFY(QDir().mkpath(emptyPath));
    catalogue->setIoddSearchPath(emptyPath);
    QCOMPARE(catalogue->getCount(), 0);
    loadWindow();
    QObject *dialog = object(QStringLiteral("ioddDialog"));
    QTRY_VERIFY(dialog->property("opened").toBool());
    QVERIFY(isShown(item(QStringLiteral("ioddInstallHint"))));
    QCOMPARE(item(QStringLiteral("ioddSearchPath"))->property("text").toString(), emptyPath);
    screenshot(QStringLiteral("19-iodd-dialog-empty"));
}

void TestScreens::loadsQuietlyWithoutTheDeviceObjects()
{
    // Only the settings are published: parts of the program that are not there must not break the window.
    QQmlApplicationEngine bare;
    bare.rootContext()->setContextProperty(QStringLiteral("settings"), ApplicationSettings::instance());
    bare.addImportPath(QStringLiteral("qrc:/"));
    bare.addImportPath(QStringLiteral("qrc:/qml/common/"));
    bare.addImportPath(QStringLiteral("qrc:/qml/desktop/"));
    bare.load(QUrl(QStringLiteral("qrc:/qml/desktop/ContentDesktop.qml")));
    QCOMPARE(bare.rootObjects().size(), 1);
    auto *bareWindow = qobject_cast<QQuickWindow *>(bare.rootObjects().first());
    QVERIFY(QTest::qWaitForWindowExposed(bareWindow));
    // Past the first-scan timer.
    QTest::qWait(300);
    QVERIFY(QMetaObject::invokeMethod(bareWindow, "settingsRequested"));
    QVERIFY(QMetaObject::invokeMethod(bareWindow, "manageIoddsRequested"));
    QTest::qWait(100);
}

OVINEX_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
