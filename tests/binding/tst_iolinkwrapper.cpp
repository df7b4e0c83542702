#include "datatable.h"
#include "loadeddescription.h"
#include "samplevariant.h"
#include "simulatedbench.h"
#include "testenvironment.h"

#include "binding/iolinkwrapper.h"
#include "comm/communicationtask.h"
#include "menu/menuentrymissing.h"
#include "menu/menuentryprocessdata.h"
#include "menu/menuentryrecordgroup.h"
#include "device/variablewrapper.h"
#include "iodd/model/iodevicet.h"
#include "iodd/model/variabledescription.h"
#include "menu/menuentry.h"
#include "menu/menuwrapper.h"
#include "processdata/processdataitemwrapper.h"
#include "processdata/processdatarefwrapper.h"
#include "processdata/processdatawrapper.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>

#include <memory>

namespace {

// An XML fragment of tests/data/binding to put into the sample.
QString fragment(const char *name)
{
    return TestEnvironment::readLines(TestEnvironment::testDataPath(QStringLiteral("binding/") + name)).join(QString());
}

// The sample with its role menu sets replaced by the given ones ("" for none).
QString writeWithRoleMenuSets(SampleVariant &variant, const QString &sets)
{
    variant.without(QStringLiteral("ObserverRoleMenuSet"))
        .without(QStringLiteral("MaintenanceRoleMenuSet"))
        .without(QStringLiteral("SpecialistRoleMenuSet"));
    if (!sets.isEmpty())
        variant.insertInto(QStringLiteral("UserInterface"), sets);
    return variant.write();
}

// Warnings that name the missing menu "M_Gone".
int missingMenuWarnings = 0;

void countMissingMenuWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("M_Gone")))
        ++missingMenuWarnings;
}

std::unique_ptr<LoadedDescription> load(const QString &path, const QString &language = QStringLiteral("en"))
{
    return std::make_unique<LoadedDescription>(path, language);
}

// The tasks a synchronisation hands out; the test plays the communication handler.
struct SyncRun
{
    explicit SyncRun(IOLinkWrapper *binding)
        : finished(binding, &IOLinkWrapper::syncTasksFinished)
        , synced(binding, &IOLinkWrapper::variableSynced)
        , quality(binding, &IOLinkWrapper::varMeasQualitySynced)
    {
        QObject::connect(binding, &IOLinkWrapper::newCommunicationTask, &receiver,
                         [this](CommunicationTask *task) { tasks.append(task); });
        QObject::connect(binding, &IOLinkWrapper::newCommunicationTasks, &receiver,
                         [this](const QList<CommunicationTask *> &list) { tasks.append(list); });
    }
    ~SyncRun() { qDeleteAll(tasks); }
    CommunicationTask *task(int i) const { return tasks.at(i); }

    QObject receiver;
    QList<CommunicationTask *> tasks;
    QSignalSpy finished;
    QSignalSpy synced;
    QSignalSpy quality;
};

} // namespace

class TestIOLinkWrapper : public QObject
{
    Q_OBJECT

private slots:
    void synchronisationCountsEveryAnswer()
    {
        auto binding = load(SimulatedBench::sampleIodd());
        QStringList ids;
        for (const VariableWrapper *var : binding->getVariableWrappers())
            ids << var->getId();
        // Standard variable references come before the device's own variables, each group in document order.
        QCOMPARE(ids.first(), QStringLiteral("V_SystemCommand"));
        QVERIFY(ids.indexOf("V_DetailedDeviceStatus") < ids.indexOf("V_TeachResult"));
        QCOMPARE(ids.last(), QStringLiteral("V_CalibrationCode"));

        SyncRun run(binding.get());
        QSignalSpy remaining(binding.get(), &IOLinkWrapper::syncTasksRemainingChanged);
        binding->syncReferencedVariables();

        int expected = 0;
        for (const VariableWrapper *var : binding->getVariableWrappers())
            expected += var->isReadable() && !var->getReferencedSubindexes().isEmpty() ? 1 : 0;
        QVERIFY(expected > 10);
        QCOMPARE(run.tasks.size(), expected);
        QCOMPARE(binding->getSyncTasksTotal(), uint(expected));
        QCOMPARE(binding->getSyncTasksRemaining(), uint(expected));

        // Failures count as answers; the measurement quality is announced after its value.
        for (int i = 0; i < run.tasks.size(); ++i) {
            CommunicationTask *task = run.task(i);
            task->start();
            if (task->getIndex() == IOLinkWrapper::measurementQualityIndex)
                task->onDataReceived(QByteArray(1, char(87)));
            else
                task->onError(QStringLiteral("refused"));
            QCOMPARE(run.finished.size(), i + 1 == run.tasks.size() ? 1 : 0);
        }
        QCOMPARE(run.synced.size(), 1);
        QCOMPARE(run.synced.first().at(0).toUInt(), 207u);
        QCOMPARE(run.synced.first().at(2).toUInt(), 87u);
        QCOMPARE(run.quality.size(), 1);
        QCOMPARE(binding->getSyncTasksTotal(), 0u);
        QCOMPARE(binding->getSyncTasksRemaining(), 0u);
        QCOMPARE(remaining.size(), expected + 1);

        // Nothing to read ends the synchronisation at once; a description that references nothing does so through
        // the connection (tst_iolinkdevice's deviceWithoutReferencedVariablesConnects).
        auto unreadable = load(TestEnvironment::testDataPath(QStringLiteral("does-not-exist.xml")));
        QVERIFY(!unreadable->isProductLoaded());
        QVERIFY(unreadable->getVariableWrappers().isEmpty());
        QVERIFY(unreadable->getMenuWrappers().isEmpty());
        SyncRun none(unreadable.get());
        unreadable->syncReferencedVariables();
        QCOMPARE(none.tasks.size(), 0);
        QCOMPARE(none.finished.size(), 1);
    }

    // Requested indexes are read on their own; an index no variable has asks for a whole synchronisation.
    void readRequests()
    {
        auto binding = load(SimulatedBench::sampleIodd());
        SyncRun run(binding.get());
        binding->onReadRequest({ 59, 204 });
        QCOMPARE(run.tasks.size(), 2);
        QCOMPARE(run.task(0)->getIndex(), 59u);
        QCOMPARE(run.task(1)->getIndex(), 204u);
        QCOMPARE(binding->getSyncTasksTotal(), 0u);

        binding->onReadRequest({ 4711 });
        QVERIFY(run.tasks.size() > 12);
        QCOMPARE(binding->getSyncTasksTotal(), uint(run.tasks.size() - 2));
        // A synchronisation over one still running hands over only its own reads; a task handed over
        // twice would stay queued after its answer had deleted it.
        const int first = run.tasks.size();
        binding->onUploadRequest();
        QCOMPARE(run.tasks.size(), 2 * first - 2);
        QCOMPARE(QSet<CommunicationTask *>(run.tasks.cbegin(), run.tasks.cend()).size(), run.tasks.size());

        // Tasks handed over are the handler's to delete, also once the binding is gone.
        QPointer<CommunicationTask> handedOver = run.task(2);
        binding.reset();
        QVERIFY(!handedOver.isNull());
    }

    // The menus of a description without process data, and the entry that edits an index.
    void withoutProcessDataStillBuildsMenus()
    {
        SampleVariant variant;
        // A first menu shows the filter read-only, a second one has an id already taken.
        auto binding = load(variant.without(QStringLiteral("ProcessDataCollection"))
                                .without(QStringLiteral("ProcessDataRefCollection"))
                                .insertInto(QStringLiteral("MenuCollection"), fragment("readonlyfirstmenu.xml"), true)
                                .insertInto(QStringLiteral("MenuCollection"), fragment("seconddiagnosismenu.xml"))
                                .write());
        QVERIFY(binding->getProcessDataWrappers().isEmpty());
        QVERIFY(binding->getProcessDataRefWrappers().isEmpty());
        QVERIFY(binding->getMenu(QStringLiteral("M_Identification")));
        QVERIFY(!binding->getMenuEntries().isEmpty());
        // Two menus with one id: the later one wins.
        auto *diagnosis = binding->menu(QStringLiteral("M_Diagnosis"));
        QVERIFY(diagnosis);
        QCOMPARE(diagnosis->getEntries().size(), 1);
        QVERIFY(!binding->getMenu(QString()));
        QVERIFY(!binding->getMenu(QStringLiteral("M_Nothing")));

        // The first menu shows the filter read-only; the entry to edit is the one of a later menu.
        auto *entry = qobject_cast<MenuEntry *>(binding->getMenuEntry(63));
        QVERIFY(entry);
        const MenuWrapper *readOnlyMenu = binding->menu(QStringLiteral("M_ReadOnlyFirst"));
        QVERIFY(readOnlyMenu && readOnlyMenu->getEntries().size() == 1);
        QVERIFY(!readOnlyMenu->getEntries().contains(entry));
        QCOMPARE(entry->getId(), QStringLiteral("V_Filter"));
        QVERIFY(!binding->getMenuEntry(4711));
    }

    void translationsInEachLanguage()
    {
        auto binding = load(SimulatedBench::sampleIodd());
        QCOMPARE(binding->translate(QStringLiteral("TN_V_SwitchDelay")), QStringLiteral("Switching delay"));
        QTest::ignoreMessage(QtWarningMsg, "can not translate  \"TN_Missing\"");
        QCOMPARE(binding->translate(QStringLiteral("TN_Missing")), QStringLiteral("NO translation: TN_Missing"));
        QTest::ignoreMessage(QtWarningMsg, "can not translate  \"TN_Missing\"");
        QCOMPARE(binding->translate(QStringList({ "STD_TN_V_SerialNumber", "TN_Missing", "TN_V_SwitchDelay" })),
                 QStringList({ "Serial number", "NO translation: TN_Missing", "Switching delay" }));
        QCOMPARE(binding->translateUnit(QStringLiteral("1013")), QStringLiteral("mm"));
        QCOMPARE(binding->translateUnit(QStringLiteral("99999")), QString());
        QCOMPARE(binding->translateEvent(6144), QStringLiteral("Lens dirty"));
        QCOMPARE(binding->translateEvent(0x1234), QString());
        QCOMPARE(binding->translateEvent(0x11800), QString());

        binding->setLanguage(QStringLiteral("de"));
        QCOMPARE(binding->translate(QStringLiteral("STD_TN_V_SerialNumber")), QStringLiteral("Seriennummer"));
        QCOMPARE(binding->translate(QStringLiteral("TN_V_SwitchDelay")), QStringLiteral("Schaltverzögerung"));
        QCOMPARE(binding->getCurrentLanguage(), QStringLiteral("de"));
        // The standard documents are shared between bindings; a switch of one leaves the other's texts.
        auto other = load(SimulatedBench::sampleIodd(), QStringLiteral("de"));
        QCOMPARE(other->getDocument()->standardDefinitions, binding->getDocument()->standardDefinitions);

        binding->setLanguage(QStringLiteral("fr"));
        QCOMPARE(binding->translate(QStringLiteral("STD_TN_V_SerialNumber")), QStringLiteral("Numéro de série"));
        QCOMPARE(binding->translate(QStringLiteral("TN_V_SwitchDelay")), QStringLiteral("Temporisation de commutation"));
        QCOMPARE(other->translate(QStringLiteral("STD_TN_V_SerialNumber")), QStringLiteral("Seriennummer"));
        binding->setLanguage(QStringLiteral("en"));
        QCOMPARE(binding->translate(QStringLiteral("STD_TN_V_SerialNumber")), QStringLiteral("Serial number"));
    }

    void olderSchemaUsesItsOwnDefinitions()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Variable left out: \"V_Window\" .*Ulen"));
        auto binding = load(TestEnvironment::testDataPath(QStringLiteral("tools/olderschema.xml")), QStringLiteral("de"));
        QVERIFY(binding->getDocument()->secondaryStandardDefinitions);
        QHash<QString, const Variable *> variables;
        for (const VariableWrapper *var : binding->getVariableWrappers())
            variables.insert(var->getId(), var->getVariable());

        // That every other variable completes from the older definitions is tst_ovinexcheck's olderSchemaDeviceRunsThrough.
        const Variable *name = variables.value(QStringLiteral("V_ApplicationSpecificName"));
        QVERIFY(name);
        QCOMPARE(name->name, QStringLiteral("Anlagenkennzeichen"));
        // An id both schemas know follows the older one: there the first direct parameter page is read-only.
        QCOMPARE(variables.value(QStringLiteral("V_DirectParameters_1"))->accessRights, QStringLiteral("ro"));

        binding->setLanguage(QStringLiteral("fr"));
        QCOMPARE(binding->translate(QStringLiteral("STD_TI_ApplicationSpecificName")), QStringLiteral("Repère d'application"));

        // Descriptions of the current schema get no secondary definitions.
        QVERIFY(!load(SimulatedBench::sampleIodd())->getDocument()->secondaryStandardDefinitions);
    }

    void pageMenus_data()
    {
        DataTable::addRows(QStringLiteral("binding/pagemenus.tsv"));
    }

    void pageMenus()
    {
        QFETCH(QString, sets);
        QFETCH(QString, role);
        QFETCH(QString, page);
        SampleVariant variant;
        auto binding = load(sets == QLatin1String("sample") ? SimulatedBench::sampleIodd() : writeWithRoleMenuSets(variant, sets));
        QVERIFY(binding->isProductLoaded());
        QTEST(binding->menuIdForRole(role, page), "menu");
    }

    void missingRoleMenuIsReportedOnceAndAnUnknownPageNever()
    {
        SampleVariant variant;
        auto binding = load(writeWithRoleMenuSets(
            variant, QStringLiteral("<ObserverRoleMenuSet><ParameterMenu menuId=\"M_Gone\"/></ObserverRoleMenuSet>")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unknown page"));
        QCOMPARE(binding->menuIdForRole(QStringLiteral("observer"), QStringLiteral("settings")), QString());
        missingMenuWarnings = 0;
        const QtMessageHandler previous = qInstallMessageHandler(countMissingMenuWarnings);
        const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
        for (int i = 0; i < 3; ++i)
            QCOMPARE(binding->menuIdFor(IOLinkWrapper::Role::Observer, IOLinkWrapper::Page::Parameter),
                     QStringLiteral("M_Parameter"));
        QCOMPARE(missingMenuWarnings, 1);
        QVERIFY(binding->roleMenuSetNames(IOLinkWrapper::Page::Parameter));
        QVERIFY(!binding->roleMenuSetNames(IOLinkWrapper::Page::Diagnosis));
    }

    void processDataWithoutReferences()
    {
        SampleVariant variant;
        auto binding = load(variant.without(QStringLiteral("ProcessDataRefCollection")).write());
        // One per image of every definition (their items and order are the process-data tests' to check).
        const int refs = binding->getProcessDataRefWrappers().size();
        int images = 0;
        for (const ProcessDataWrapper *processData : binding->getProcessDataWrappers())
            images += processData->getItems().size();
        QCOMPARE(refs, images);

        // References naming nothing that exists show nothing, so every item is shown instead.
        SampleVariant dangling;
        auto danglingBinding = load(dangling.without(QStringLiteral("ProcessDataRef"))
                                        .insertInto(QStringLiteral("ProcessDataRefCollection"),
                                                    QStringLiteral("<ProcessDataRef processDataId=\"PI_Gone\"/>"))
                                        .write());
        QCOMPARE(danglingBinding->getProcessDataRefWrappers().size(), images);

        // References covering one layout only: the inputs of the others are shown item by item beside them.
        SampleVariant partial;
        auto partialBinding = load(partial.without(QStringLiteral("ProcessDataRef"))
                                       .insertInto(QStringLiteral("ProcessDataRefCollection"), fragment("standardrefsonly.xml"))
                                       .write());
        QStringList shown;
        for (const ProcessDataRefWrapper *ref : partialBinding->getProcessDataRefWrappers())
            shown << ref->getItem()->getId() + (ref->getDefinition() ? QStringLiteral(" referenced") : QString());
        QCOMPARE(shown, QStringList({ "PI_Standard referenced", "PI_Extended", "PI_Compact", "PO_Standard referenced" }));
        QCOMPARE(partialBinding->getProcessDataRefWrappers().first()->getInfos().size(), 1);
    }

    void processDataInMenusFollowsTheCyclicData()
    {
        SampleVariant variant;
        // A menu of process-data references and one to a variable the sample lacks.
        auto binding = load(variant.insertInto(QStringLiteral("MenuCollection"), fragment("processdatamenu.xml")).write());
        auto *menu = binding->menu(QStringLiteral("M_PdShown"));
        QVERIFY(menu);
        const QList<MenuEntry *> entries = menu->getEntries();
        QCOMPARE(entries.size(), 4);
        auto *input = qobject_cast<MenuEntryProcessData *>(entries.at(0));
        auto *output = qobject_cast<MenuEntryProcessData *>(entries.at(1));
        auto *whole = qobject_cast<MenuEntryRecordGroup *>(entries.at(2));
        QVERIFY(input && output && whole);
        QVERIFY(!input->isOutput());
        QVERIFY(output->isOutput());
        QVERIFY(qobject_cast<MenuEntryMissing *>(entries.at(3)));
        // Every subindex of every layout; those the layout in force lacks show no value.
        QCOMPARE(whole->getItems().size(), 5);
        for (const MenuEntry *item : whole->getItems())
            QVERIFY(qobject_cast<const MenuEntryProcessData *>(item));

        // Process data is never read by ISDU: nothing of index 40 or 41 is synchronised.
        SyncRun run(binding.get());
        binding->syncReferencedVariables();
        for (int i = 0; i < run.tasks.size(); ++i)
            QVERIFY2(run.task(i)->getIndex() != 40 && run.task(i)->getIndex() != 41, "process data read by ISDU");

        QSignalSpy changes(input, &MenuEntry::valueChanged);
        // Standard layout (the default selection): distance 1234 in the first two octets, shown times 0.1.
        binding->deliver(QByteArray::fromHex("04d20000"));
        QCOMPARE(input->getTextId(), QStringLiteral("TN_PD_Distance"));
        QCOMPARE(input->getValue().toDouble(), 123.4);
        QVERIFY(input->isValid());
        QVERIFY(!changes.isEmpty());

        // Another layout selected: the same subindex is now the compact item, 100 in bits 2..15.
        binding->set(QStringLiteral("V_ProcessDataSelect"), 2);
        // Images follow each other faster than a reader can; the last one is shown shortly after.
        binding->deliver(QByteArray::fromHex("0191"));
        QTRY_COMPARE(input->getTextId(), QStringLiteral("TN_PD_DistanceCoarse"));
        QCOMPARE(input->getValue().toDouble(), 10.0);
    }
};

OVINEX_TEST_MAIN(TestIOLinkWrapper)
#include "tst_iolinkwrapper.moc"
