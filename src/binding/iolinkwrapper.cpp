#include "iolinkwrapper.h"

#include "comm/communicationtask.h"
#include "core/backgroundpool.h"
#include "core/logcategories.h"
#include "device/variablewrapper.h"
#include "iodd/model/completionsupport.h"
#include "iodd/model/iodevicet.h"
#include "menu/menuentry.h"
#include "menu/menuentryprocessdata.h"
#include "menu/menuentryrecordgroup.h"
#include "menu/menuwrapper.h"
#include "processdata/processdataitemwrapper.h"
#include "processdata/processdatarefwrapper.h"
#include "processdata/processdatawrapper.h"
#include "processdata/recorditemwrapper.h"
#include "standarddocuments.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QThreadPool>

#include <algorithm>

using CompletionSupport::lastOf;

namespace {

constexpr int entryPaceMs = 100;

const QString readOnly = QStringLiteral("ro");
const QString translationFailed = QStringLiteral("failed");

const QStringList roleNames = { QStringLiteral("observer"), QStringLiteral("maintenance"),
                                QStringLiteral("specialist") };
const QStringList pageNames = { QStringLiteral("identification"), QStringLiteral("parameter"),
                                QStringLiteral("observation"), QStringLiteral("diagnosis") };
// The menus our own sensors name without role menu sets; observation has none.
const QStringList fixedMenuIds = { QStringLiteral("M_Identification"), QStringLiteral("M_Parameter"), QString(),
                                   QStringLiteral("M_Diagnosis") };

template <class Reference>
bool refersWritably(const QList<Reference *> &references, const QString &variableId)
{
    for (const Reference *reference : references) {
        if (reference->variableId.value == variableId && reference->accessRightRestriction.value != readOnly)
            return true;
    }
    return false;
}

} // namespace

IOLinkWrapper::IOLinkWrapper(const QString &path, const QString &language, QObject *parent)
    : QObject(parent)
    , document(std::make_unique<IODeviceT>())
    , ioddPath(path)
{
    // The signals carry these across threads and into spies.
    qRegisterMetaType<CommunicationTask *>();
    qRegisterMetaType<VariableWrapper *>();
    qRegisterMetaType<QList<uint>>();
    QElapsedTimer stopwatch;
    stopwatch.start();
    loadDocuments(language);
    qInfo() << "Reading IODD files took" << stopwatch.restart() << "milliseconds";

    qInfo() << "Initializing variables.";
    // Without the device's own description there is nothing to build a device from.
    if (productLoaded) {
        initVariables();
        initVariableWrappers();
    }
    qInfo() << "Initializing menues.";
    if (productLoaded)
        initMenuWrappers();
    qInfo() << "Initializing process data.";
    if (productLoaded) {
        initProcessData();
        initProcessDataEntries();
    }
    readVersion();
    qInfo() << "Initializing menus, variables and PD took" << stopwatch.elapsed() << "milliseconds";
}

IOLinkWrapper::~IOLinkWrapper()
{
    // Tasks already handed to the communication handler are its to answer and delete; only forget them.
    qInfo() << "Removing sync tasks:" << syncTasks.size();
    syncTasks.clear();
    qInfo() << "Removing PD reference wrappers:" << processDataRefWrappers.size();
    qDeleteAll(processDataRefWrappers);
    processDataRefWrappers.clear();
    qInfo() << "Removing PD wrappers:" << processDataWrappers.size();
    qDeleteAll(processDataWrappers);
    processDataWrappers.clear();
    qInfo() << "Removing variable wrappers:" << variableWrappers.size();
    qDeleteAll(variableWrappers);
    variableWrappers.clear();
    qInfo() << "Removing menu wrappers:" << menuWrappers.size();
    qDeleteAll(menuWrappers);
    menuWrappers.clear();
    // Freeing the model of a large description takes longer than the window may stand still, and nothing
    // refers to it any more.
    qInfo() << "Removing legacy IODeviceT.";
    if (QCoreApplication::instance())
        BackgroundPool::instance()->start([model = document.release()]() { delete model; });
    document.reset();
    qInfo() << "Completed cleanup of IOLink wrapper.";
}

QStringList IOLinkWrapper::languages()
{
    return StandardDocuments::languages();
}

void IOLinkWrapper::loadDocuments(const QString &language)
{
    // Device descriptions of the older schema name some standard variables differently.
    const bool older = IODeviceT::schemaVersionOf(ioddPath) == QLatin1String("1.0.1");
    StandardDocuments::lend(*document, language, older);
    document->language = language;
    productLoaded = loadDocument("Loading product XML:", ioddPath, int(XmlDocumentKind::ProductDescription));
}

bool IOLinkWrapper::loadDocument(const char *what, const QString &path, int kind)
{
    qInfo() << what << path;
    if (!document->loadXml(path, XmlDocumentKind(kind))) {
        qCritical() << Q_FUNC_INFO << "Could not read XML:" << path;
        return false;
    }
    qInfo() << "Loaded XML:" << path;
    return true;
}

void IOLinkWrapper::initVariables()
{
    document->variables.clear();
    document->variableElements.clear();
    const DeviceFunctionT *function = document->deviceFunction();
    const VariableCollectionT *collection = function ? lastOf(function->VariableCollection) : nullptr;
    if (!collection)
        return;
    auto append = [this](AbstractVariableT *element) {
        // A variable broken in its description is left out; the rest of the device still works.
        if (!element->variable.invalidReason.isEmpty()) {
            qWarning() << Q_FUNC_INFO << "Variable left out:" << element->variable.id << element->variable.invalidReason;
            return;
        }
        element->variable.referenced = false;
        document->variables.append(&element->variable);
        document->variableElements.append(element);
    };
    // The order of synchronisation.
    for (DirectParameterOverlayT *element : collection->DirectParameterOverlay)
        append(element);
    for (StdVariableRefT *element : collection->StdVariableRef)
        append(element);
    for (StdDirectParameterRefT *element : collection->StdDirectParameterRef)
        append(element);
    for (VariableT *element : collection->Variable)
        append(element);
}

void IOLinkWrapper::initVariableWrappers()
{
    for (const ::Variable *variable : qAsConst(document->variables))
        variableWrappers.append(new VariableWrapper(variable, this));
}

void IOLinkWrapper::initMenuWrappers()
{
    const DeviceFunctionT *function = document->deviceFunction();
    const UserInterfaceT *ui = function ? lastOf(function->UserInterface) : nullptr;
    if (!ui) {
        qCritical() << Q_FUNC_INFO << "ui is null";
        return;
    }
    const MenuCollectionT *collection = lastOf(ui->MenuCollection);
    if (!collection)
        return;
    QList<UnitT *> units;
    if (document->standardUnitDefinitions) {
        if (const UnitCollectionT *unitCollection = lastOf(document->standardUnitDefinitions->UnitCollection))
            units = unitCollection->Unit;
    }
    const QList<MenuT *> menus = collection->Menu;
    // The prototype comes first; its wrapper has no id and no entries.
    for (const MenuT *menu : menus)
        menuWrappers.append(new MenuWrapper(menu, variableWrappers, menus, units, this));
}

void IOLinkWrapper::initProcessData()
{
    processDataWrappers.clear();
    processDataRefWrappers.clear();
    const DeviceFunctionT *function = document->deviceFunction();
    const ProcessDataCollectionT *collection = function ? lastOf(function->ProcessDataCollection) : nullptr;
    if (!collection) {
        qCritical() << Q_FUNC_INFO << "processDataCollection is null";
        return;
    }
    // A document without process data still has the list's prototype, which has no id.
    for (const ProcessDataT *definition : collection->ProcessData) {
        if (!definition->id.value.isEmpty())
            processDataWrappers.append(new ProcessDataWrapper(definition, variableWrappers, this));
    }
    if (processDataWrappers.isEmpty())
        qWarning() << "IODD WARNING: missing process data in XML.";

    const UserInterfaceT *ui = lastOf(function->UserInterface);
    const ProcessDataRefCollectionT *references = ui ? lastOf(ui->ProcessDataRefCollection) : nullptr;
    if (references) {
        for (const ProcessDataRefT *reference : references->ProcessDataRef) {
            const QString id = reference->processDataId.value;
            if (id.isEmpty())
                continue;
            if (ProcessDataItemWrapper *item = findProcessDataItemById(processDataWrappers, id))
                processDataRefWrappers.append(new ProcessDataRefWrapper(reference, item, this));
            else
                qWarning() << "Process data not found by PD reference:" << id << ". Ignoring.";
        }
    }
    // Most descriptions have no references; their process data is shown item by item, scaled as their
    // menus show it. With several layouts a subindex may mean another item in each, so then as it is.
    const bool referencesShowSomething = std::any_of(processDataRefWrappers.cbegin(), processDataRefWrappers.cend(),
                                                     [](const ProcessDataRefWrapper *ref) { return !ref->getInfos().isEmpty(); });
    if (!referencesShowSomething) {
        qDeleteAll(processDataRefWrappers);
        const ProcessDataDisplayHints hints = processDataWrappers.size() == 1
            ? ProcessDataDisplayHints::fromMenus(ui ? lastOf(ui->MenuCollection) : nullptr)
            : ProcessDataDisplayHints();
        processDataRefWrappers = ProcessDataRefWrapper::forEveryImage(processDataWrappers, this, hints);
        qInfo() << "No process data references in the IODD; showing every process data item:"
                << processDataRefWrappers.size() << "images";
        return;
    }
    addUnreferencedInputs();
}

// References may cover only some layouts; an input no reference shows would leave the view empty
// whenever its layout is the one selected.
void IOLinkWrapper::addUnreferencedInputs()
{
    QSet<const ProcessDataItemWrapper *> shown;
    for (const ProcessDataRefWrapper *ref : qAsConst(processDataRefWrappers)) {
        if (!ref->getInfos().isEmpty())
            shown.insert(ref->getItem());
    }
    for (const ProcessDataWrapper *processData : qAsConst(processDataWrappers)) {
        for (ProcessDataItemWrapper *item : processData->getItems()) {
            if (item->isOutput() || shown.contains(item))
                continue;
            auto *ref = new ProcessDataRefWrapper(item, this);
            if (ref->getInfos().isEmpty()) {
                delete ref;
                continue;
            }
            qInfo() << "Process data input without reference shown item by item:" << item->getId();
            // Inputs stay above the outputs in the view.
            const auto firstOutput = std::find_if(processDataRefWrappers.begin(), processDataRefWrappers.end(),
                                                  [](const ProcessDataRefWrapper *shownRef) {
                                                      return shownRef->getItem() && shownRef->getItem()->isOutput();
                                                  });
            processDataRefWrappers.insert(firstOutput, ref);
        }
    }
}

void IOLinkWrapper::readVersion()
{
    if (!document->DocumentInfo.isEmpty())
        document->version = document->DocumentInfo.last()->version.value;
    qInfo() << "IODD version:" << document->version;
}

ProcessDataItemWrapper *IOLinkWrapper::findProcessDataItemById(const QList<ProcessDataWrapper *> &processDatas,
                                                               const QString &id)
{
    for (const ProcessDataWrapper *processData : processDatas) {
        if (ProcessDataItemWrapper *item = processData->findItem(id))
            return item;
    }
    return nullptr;
}

QList<MenuEntry *> IOLinkWrapper::getMenuEntries() const
{
    QList<MenuEntry *> entries;
    for (const MenuWrapper *menu : menuWrappers) {
        for (MenuEntry *entry : menu->getEntries()) {
            entries.append(entry);
            if (const auto *group = qobject_cast<const MenuEntryRecordGroup *>(entry))
                entries += group->getItems();
        }
    }
    return entries;
}

void IOLinkWrapper::initProcessDataEntries()
{
    for (MenuEntry *entry : getMenuEntries()) {
        auto *group = qobject_cast<MenuEntryRecordGroup *>(entry);
        // A reference to a whole process-data image shows each of its record items.
        if (group && !group->getVariableWrapper() && group->getItems().isEmpty()) {
            const bool output = group->getId().startsWith(QLatin1String("V_ProcessDataOut"));
            for (int subindex : ProcessDataWrapper::recordItemSubindexes(processDataWrappers, output))
                group->addItem(new MenuEntryProcessData(group->getId(), output, quint32(subindex), group));
        }
    }
    for (MenuEntry *entry : getMenuEntries()) {
        if (auto *shown = qobject_cast<MenuEntryProcessData *>(entry))
            processDataEntries.append(shown);
    }
    if (processDataEntries.isEmpty())
        return;
    // Every record item of an image is decoded before its last one reports; one signal per payload suffices.
    for (const ProcessDataWrapper *definition : qAsConst(processDataWrappers)) {
        const ProcessDataItemWrapper *input = definition->image(false);
        if (input && !input->getRecordItems().isEmpty())
            connect(input->getRecordItems().last(), &RecordItemWrapper::valueChanged, this, &IOLinkWrapper::onInputImage);
    }
    processDataEntryPace.setSingleShot(true);
    processDataEntryPace.setInterval(entryPaceMs);
    connect(&processDataEntryPace, &QTimer::timeout, this, [this]() {
        if (inputImagePending)
            onInputImage();
    });
    refreshProcessDataEntries();
}

// Images arrive with every poll, fifty a second; a reader follows ten, and each shown change costs a repaint.
void IOLinkWrapper::onInputImage()
{
    if (processDataEntryPace.isActive()) {
        inputImagePending = true;
        return;
    }
    inputImagePending = false;
    refreshProcessDataEntries();
    processDataEntryPace.start();
}

void IOLinkWrapper::refreshProcessDataEntries()
{
    for (const QPointer<MenuEntryProcessData> &entry : qAsConst(processDataEntries)) {
        if (!entry)
            continue;
        const RecordItemWrapper *item = ProcessDataWrapper::applicableRecordItem(processDataWrappers, entry->isOutput(),
                                                                                 int(entry->getSubindex()));
        if (item)
            entry->setProcessValue(item->getValue(), item->getName(), item->singleValueText());
        else
            entry->setProcessValue(QVariant(), QString(), QString());
    }
}

QString IOLinkWrapper::getCurrentLanguage() const
{
    return document->language;
}

CommunicationTask *IOLinkWrapper::createReadTask(VariableWrapper *var)
{
    return new CommunicationTask(var, 0, CommunicationTask::ReadCommand);
}

void IOLinkWrapper::syncReferencedVariables()
{
    qCDebug(lcBinding) << Q_FUNC_INFO << variableWrappers.size() << "entries";
    qInfo() << "Creating tasks to synchronise referenced variables.";
    // Only this synchronisation's reads: those of one still running were handed over already.
    QList<CommunicationTask *> created;
    for (int i = 0; i < variableWrappers.size(); ++i) {
        VariableWrapper *var = variableWrappers.at(i);
        if (!var->isReadable()) {
            qInfo() << "** NOT SYNCING non readable" << var->getId();
            continue;
        }
        const QList<quint32> referenced = var->getReferencedSubindexes();
        if (referenced.isEmpty()) {
            qInfo() << "** NOT SYNCING unreferenced:" << var->getId() << var->getIndex();
            continue;
        }
        qCDebug(lcBinding) << "** SYNCING" << var->getId() << var->getIndex() << "subindex access"
                          << var->isSubindexAccessSupported() << "referenced subindexes" << referenced;
        document->variables.at(i)->referenced = true;
        CommunicationTask *task = createReadTask(var);
        syncTasks.append(task);
        created.append(task);
        // The task is captured: asking for the sender costs a walk over every task's connection.
        connect(task, &CommunicationTask::finished, this,
                [this, task](bool success, uint index, uint, const QString &, VariableWrapper *read) {
                    onSyncTaskFinished(task, success, index, read);
                });
        // A task dropped without an answer (refused at admission) must not hold the progress up.
        // The captured pointer is only compared: by now the task is no longer a CommunicationTask.
        connect(task, &QObject::destroyed, this, [this, task]() {
            if (syncTasks.removeOne(task))
                finishSynchronisation();
        });
    }
    // Handed over after the count is known, as the first answers may come back at once.
    syncTasksTotal = uint(syncTasks.size());
    qInfo() << "Created tasks to synchronise referenced variables:" << syncTasksTotal;
    emit syncTasksTotalChanged();
    emit syncTasksRemainingChanged();
    // Nothing to wait for: no last task would ever report the end.
    if (syncTasks.isEmpty()) {
        finishSynchronisation();
        return;
    }
    if (!created.isEmpty())
        emit newCommunicationTasks(created);
}

void IOLinkWrapper::onSyncTaskFinished(CommunicationTask *task, bool success, uint index, VariableWrapper *var)
{
    if (success && var) {
        for (quint32 referenced : var->getReferencedSubindexes()) {
            const QVariant value = var->getValue(referenced);
            if (!value.isValid()) {
                qWarning() << "Subindex value not valid:" << var->getId() << referenced;
                continue;
            }
            emit variableSynced(index, referenced, value);
            if (index == measurementQualityIndex)
                emit varMeasQualitySynced(var);
        }
    }
    qCDebug(lcBinding) << Q_FUNC_INFO << index << syncTasks.size() << "tasks left";
    if (!syncTasks.removeOne(task))
        return;
    disconnect(task, nullptr, this, nullptr);
    finishSynchronisation();
}

// Publishes the progress and, once nothing is left, the end of the synchronisation.
void IOLinkWrapper::finishSynchronisation()
{
    emit syncTasksRemainingChanged();
    if (!syncTasks.isEmpty())
        return;
    qInfo() << "Synchronised variables. Total entries:" << syncTasksTotal;
    syncTasksTotal = 0;
    emit syncTasksTotalChanged();
    emit syncTasksFinished();
}

void IOLinkWrapper::onUploadRequest()
{
    syncReferencedVariables();
}

void IOLinkWrapper::onReadRequest(QList<uint> indexes)
{
    bool created = false;
    for (VariableWrapper *var : qAsConst(variableWrappers)) {
        if (!var->isReadable() || !indexes.contains(var->getIndex()))
            continue;
        qInfo() << "** SYNCING" << var->getId() << var->getIndex();
        emit newCommunicationTask(createReadTask(var));
        created = true;
    }
    if (!created) {
        qInfo() << "** Requested indexes not found on sensor, synchronising all variables.";
        syncReferencedVariables();
    }
}

QObject *IOLinkWrapper::getMenu(const QString &id) const
{
    MenuWrapper *found = nullptr;
    for (MenuWrapper *menu : menuWrappers) {
        if (!menu->getId().isEmpty() && menu->getId() == id)
            found = menu;
    }
    if (found)
        qCDebug(lcBinding) << Q_FUNC_INFO << "returning menu" << id;
    return found;
}

QObject *IOLinkWrapper::getMenuEntry(uint index) const
{
    MenuEntry *lastFound = nullptr;
    for (const MenuWrapper *menu : menuWrappers) {
        MenuEntry *entry = nullptr;
        for (MenuEntry *candidate : menu->getEntries()) {
            if (candidate->getVariableWrapper() && candidate->getIndex() == index) {
                entry = candidate;
                break;
            }
        }
        if (!entry)
            continue;
        lastFound = entry;
        const QString variableId = entry->getVariableWrapper()->getId();
        const MenuT *definition = menu->getMenu();
        if (definition && (refersWritably(definition->VariableRef, variableId)
                           || refersWritably(definition->RecordItemRef, variableId)))
            return entry;
    }
    return lastFound;
}

bool IOLinkWrapper::roleFromName(const QString &name, Role *role)
{
    const int found = roleNames.indexOf(name);
    if (found < 0)
        return false;
    *role = Role(found);
    return true;
}

bool IOLinkWrapper::pageFromName(const QString &name, Page *page)
{
    const int found = pageNames.indexOf(name);
    if (found < 0)
        return false;
    *page = Page(found);
    return true;
}

QString IOLinkWrapper::nameOf(Role role)
{
    return roleNames.value(int(role));
}

QString IOLinkWrapper::nameOf(Page page)
{
    return pageNames.value(int(page));
}

// The menu id in the page's slot of the role's menu set, as written; empty when the set or slot is missing.
QString IOLinkWrapper::roleMenuSetSlot(Role role, Page page) const
{
    const DeviceFunctionT *function = productLoaded ? document->deviceFunction() : nullptr;
    const UserInterfaceT *ui = function ? lastOf(function->UserInterface) : nullptr;
    if (!ui)
        return QString();
    const ChildList<MenuSetT> *sets[] = { &ui->ObserverRoleMenuSet, &ui->MaintenanceRoleMenuSet,
                                          &ui->SpecialistRoleMenuSet };
    const MenuSetT *set = lastOf(*sets[int(role)]);
    if (!set)
        return QString();
    const ChildList<UIMenuRefSimpleT> *menuSlots[] = { &set->IdentificationMenu, &set->ParameterMenu,
                                                   &set->ObservationMenu, &set->DiagnosisMenu };
    const UIMenuRefSimpleT *reference = lastOf(*menuSlots[int(page)]);
    return reference ? reference->menuId.value.trimmed() : QString();
}

bool IOLinkWrapper::roleMenuSetNames(Page page) const
{
    for (int role = int(Role::Observer); role <= int(Role::Specialist); ++role) {
        if (!roleMenuSetSlot(Role(role), page).isEmpty())
            return true;
    }
    return false;
}

QString IOLinkWrapper::menuIdFor(Role role, Page page) const
{
    // A role without its own menu for a page sees what the next richer role sees.
    for (int richer = int(role); richer <= int(Role::Specialist); ++richer) {
        const QString id = roleMenuSetSlot(Role(richer), page);
        if (id.isEmpty())
            continue;
        if (getMenu(id))
            return id;
        if (!reportedMissingMenus.contains(id)) {
            reportedMissingMenus.insert(id);
            qWarning() << "IODD WARNING: the" << nameOf(Role(richer)) << "role menu set names the missing menu" << id
                       << "for its" << nameOf(page) << "page; using the next one.";
        }
    }
    const QString fixed = fixedMenuIds.value(int(page));
    return !fixed.isEmpty() && getMenu(fixed) ? fixed : QString();
}

QString IOLinkWrapper::menuIdForRole(const QString &roleName, const QString &pageName) const
{
    Role role = Role::Specialist;
    roleFromName(roleName, &role);
    Page page = Page::Parameter;
    if (!pageFromName(pageName, &page)) {
        qWarning() << Q_FUNC_INFO << "unknown page" << pageName;
        return QString();
    }
    return menuIdFor(role, page);
}

QString IOLinkWrapper::translate(const QString &id) const
{
    const QString text = document->translate(id);
    if (text == translationFailed) {
        qWarning() << "can not translate " << id;
        return QStringLiteral("NO translation: ") + id;
    }
    return text;
}

QStringList IOLinkWrapper::translate(const QStringList &ids) const
{
    QStringList texts;
    texts.reserve(ids.size());
    for (const QString &id : ids)
        texts.append(translate(id));
    return texts;
}

QString IOLinkWrapper::translateUnit(const QString &id) const
{
    return document->unitAbbreviation(id);
}

QString IOLinkWrapper::translateEvent(uint eventCode) const
{
    if (eventCode > 0xFFFF)
        return QString();
    const EventRecord *event = document->findEvent(quint16(eventCode));
    return event ? translate(event->nameTextId) : QString();
}

QString IOLinkWrapper::deviceName() const
{
    if (document->ProfileBody.isEmpty() || document->ProfileBody.last()->DeviceIdentity.isEmpty())
        return QString();
    const DeviceIdentityT *identity = document->ProfileBody.last()->DeviceIdentity.last();
    QString name = identity->DeviceName.size() >= 2 ? document->translate(identity->DeviceName.last()->textId.value)
                                                    : QString();
    if (name == translationFailed)
        name.clear();
    const QString vendor = identity->vendorName.value.trimmed();
    if (vendor.isEmpty() || name.startsWith(vendor))
        return name;
    return name.isEmpty() ? vendor : vendor + QLatin1Char(' ') + name;
}

void IOLinkWrapper::setLanguage(const QString &code)
{
    StandardDocuments::lendTexts(*document, code);
    document->language = code;
    emit currentLanguageChanged(code);
}
