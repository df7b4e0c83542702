#include "ioddcheck.h"

#include "binding/iolinkwrapper.h"
#include "comm/communicationhandler.h"
#include "connection/devicestatewaiter.h"
#include "connection/iolinkserialdevice.h"
#include "device/variablewrapper.h"
#include "iodd/model/iodevicet.h"
#include "iodd/model/variabledescription.h"
#include "master/simulatedmaster.h"
#include "menu/menuentry.h"
#include "menu/menuentrymissing.h"
#include "menu/menuentryundefined.h"
#include "menu/menuwrapper.h"
#include "processdata/processdataitemwrapper.h"
#include "processdata/processdatarefwrapper.h"
#include "processdata/processdatawrapper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTimer>
#include <QXmlStreamReader>

#include <algorithm>
#include <memory>

std::atomic<int> IoddCheck::warningCount { 0 };

namespace {

const QString deviceRoot = QStringLiteral("IODevice");

// The document model does not load larger files either.
constexpr qint64 maxCheckedFileSize = 50 * 1024 * 1024;

QStringList productIds(const IOLinkWrapper *binding)
{
    QStringList ids;
    const IODeviceT *document = binding->getDocument();
    if (document->ProfileBody.isEmpty() || document->ProfileBody.last()->DeviceIdentity.isEmpty())
        return ids;
    const DeviceIdentityT *identity = document->ProfileBody.last()->DeviceIdentity.last();
    if (identity->DeviceVariantCollection.isEmpty())
        return ids;
    for (const DeviceVariantT *variant : identity->DeviceVariantCollection.last()->DeviceVariant) {
        if (!variant->productId.value.isEmpty())
            ids << variant->productId.value;
    }
    return ids;
}

// Variables that the binding left out because their description is broken, each with the reason.
QJsonArray omittedVariables(const IOLinkWrapper *binding)
{
    QJsonArray omitted;
    const DeviceFunctionT *function = binding->getDocument()->deviceFunction();
    const VariableCollectionT *collection = function && !function->VariableCollection.isEmpty()
        ? function->VariableCollection.last()
        : nullptr;
    if (!collection)
        return omitted;
    QList<const AbstractVariableT *> elements;
    for (const AbstractVariableT *element : collection->DirectParameterOverlay)
        elements << element;
    for (const AbstractVariableT *element : collection->StdVariableRef)
        elements << element;
    for (const AbstractVariableT *element : collection->StdDirectParameterRef)
        elements << element;
    for (const AbstractVariableT *element : collection->Variable)
        elements << element;
    for (const AbstractVariableT *element : qAsConst(elements)) {
        if (!element->variable.invalidReason.isEmpty())
            omitted.append(QJsonObject { { "id", element->variable.id }, { "reason", element->variable.invalidReason } });
    }
    return omitted;
}

} // namespace

IoddCheck::IoddCheck(const Options &checkOptions, QObject *parent)
    : QObject(parent)
    , options(checkOptions)
{
}

QStringList IoddCheck::filesToCheck(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        return { path };
    // The folder itself and its sub-folders, as the catalogue scans a search folder.
    QStringList folders = { info.absoluteFilePath() };
    const QDir top(info.absoluteFilePath());
    for (const QString &name : top.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << top.absoluteFilePath(name);
    QStringList files;
    for (const QString &folder : qAsConst(folders)) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList({ QStringLiteral("*.xml") }, QDir::Files, QDir::Name)) {
            const QString file = dir.absoluteFilePath(name);
            if (isDeviceDescription(file))
                files << file;
        }
    }
    return files;
}

bool IoddCheck::isDeviceDescription(const QString &file)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader reader(&input);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            return reader.name() == deviceRoot;
    }
    return false;
}

QString IoddCheck::documentError(const QString &file)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return QStringLiteral("the file cannot be read: %1").arg(input.errorString());
    if (input.size() > maxCheckedFileSize)
        return QStringLiteral("the file is larger than 50 MB");
    QXmlStreamReader reader(&input);
    QString root;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && root.isEmpty())
            root = reader.name().toString();
    }
    if (reader.hasError())
        return QStringLiteral("not well-formed XML: %1 (line %2, column %3)")
            .arg(reader.errorString())
            .arg(reader.lineNumber())
            .arg(reader.columnNumber());
    if (root != deviceRoot)
        return QStringLiteral("not a device description: the root element is %1").arg(root.isEmpty() ? QStringLiteral("missing") : root);
    return QString();
}

QJsonObject IoddCheck::run(const QString &file)
{
    QElapsedTimer stopwatch;
    stopwatch.start();
    warningCount = 0;
    QJsonObject result { { "file", file }, { "ok", false } };
    const auto finish = [&](const QString &error) {
        result.insert("ok", error.isEmpty());
        if (!error.isEmpty())
            result.insert("error", error);
        result.insert("warnings", warningCount.load());
        result.insert("ms", stopwatch.elapsed());
        return result;
    };

    const QString broken = documentError(file);
    if (!broken.isEmpty())
        return finish(broken);

    SimulatedMaster &master = SimulatedMaster::instance();
    master.setDeviceFiles({ file });
    master.setTime(0);
    const QList<SerialPortDescriptor> ports = master.availablePorts();
    if (ports.isEmpty())
        return finish(QStringLiteral("the simulated master could not build a device from the file"));

    // The device the program builds for a master port; the catalogue's match is the file itself.
    auto device = std::make_unique<IOLinkSerialDevice>(ports.first());
    device->setIoddFile(file);
    device->setLanguage(options.language);
    const QString error = checkDevice(*device, result, true);
    device.reset();
    return finish(error);
}

QString IoddCheck::checkDevice(IOLinkDevice &device, QJsonObject &result, bool simulatedTime)
{
    DeviceStateWaiter::waitFor(device, QString::fromLatin1(IOLinkDevice::notConnectedName), connectTimeoutMs);
    device.connectToDevice();
    const bool connected = DeviceStateWaiter::waitFor(device, QString::fromLatin1(IOLinkDevice::connectedName), connectTimeoutMs);
    result.insert("state", device.getState());
    QString error;
    result.insert("role", IOLinkWrapper::nameOf(options.role));
    if (device.getBinding()) {
        summariseBinding(device, result);
        const QString screens = summariseScreens(*device.getBinding(), result);
        if (!device.getBinding()->isProductLoaded())
            error = QStringLiteral("the IODD could not be read");
        else if (connected)
            error = screens;
    } else {
        error = QStringLiteral("no binding was built");
    }
    if (connected)
        result.insert("pdPayloads", pollFor(device, options.seconds * 1000, simulatedTime));
    else if (error.isEmpty())
        error = QStringLiteral("the device did not reach the connected state");

    device.disconnectFromDevice();
    DeviceStateWaiter::waitFor(device, QString::fromLatin1(IOLinkDevice::notConnectedName), connectTimeoutMs);

    if (error.isEmpty() && result.value("syncFailures").toInt() > 0)
        error = QStringLiteral("synchronisation reads failed");
    if (error.isEmpty() && !result.value("undefined").toArray().isEmpty()) {
        QStringList ids;
        for (const QJsonValue &id : result.value("undefined").toArray())
            ids << id.toString();
        error = QStringLiteral("menu references cannot be shown: ") + ids.join(QStringLiteral(", "));
    }
    return error;
}

void IoddCheck::summariseBinding(IOLinkDevice &device, QJsonObject &result) const
{
    const IOLinkWrapper *binding = device.getBinding();
    const QList<VariableWrapper *> &variables = binding->getVariableWrappers();
    int synced = 0;
    int failures = 0;
    QJsonArray failed;
    for (const VariableWrapper *var : variables) {
        const QList<quint32> referenced = var->getReferencedSubindexes();
        if (!var->isReadable() || referenced.isEmpty())
            continue;
        const bool valid = std::all_of(referenced.begin(), referenced.end(),
                                       [var](quint32 subindex) { return var->getValue(subindex).isValid(); });
        ++(valid ? synced : failures);
        if (!valid)
            failed.append(var->getId());
    }

    QJsonObject kinds;
    QJsonArray undefined;
    QJsonArray missing;
    for (const MenuEntry *entry : binding->getMenuEntries()) {
        const QString kind = QString::fromLatin1(entry->metaObject()->className());
        kinds.insert(kind, kinds.value(kind).toInt() + 1);
        const QString name = entry->getSubindex() ? QStringLiteral("%1/%2").arg(entry->getId()).arg(entry->getSubindex())
                                                  : entry->getId();
        if (qobject_cast<const MenuEntryUndefined *>(entry))
            undefined.append(name);
        else if (qobject_cast<const MenuEntryMissing *>(entry))
            missing.append(name);
    }

    int items = 0;
    for (const ProcessDataWrapper *processData : binding->getProcessDataWrappers())
        items += processData->getItems().size();

    result.insert("productIds", QJsonArray::fromStringList(productIds(binding)));
    result.insert("omitted", omittedVariables(binding));
    result.insert("variables", variables.size());
    result.insert("synced", synced);
    result.insert("syncFailures", failures);
    result.insert("syncFailed", failed);
    result.insert("entries", kinds);
    result.insert("undefined", undefined);
    result.insert("missing", missing);
    result.insert("pdItems", items);
}

QString IoddCheck::summariseScreens(const IOLinkWrapper &binding, QJsonObject &result) const
{
    QJsonObject pages;
    QStringList problems;
    for (int page = int(IOLinkWrapper::Page::Identification); page <= int(IOLinkWrapper::Page::Diagnosis); ++page) {
        const QString id = binding.menuIdFor(options.role, IOLinkWrapper::Page(page));
        const auto *menu = id.isEmpty() ? nullptr : qobject_cast<const MenuWrapper *>(binding.getMenu(id));
        // A sub-menu is one row of its parent page.
        const int rows = menu ? menu->getEntries().size() : 0;
        pages.insert(IOLinkWrapper::nameOf(IOLinkWrapper::Page(page)), QJsonObject { { "menu", id }, { "rows", rows } });
        if (page == int(IOLinkWrapper::Page::Parameter) && rows == 0 && binding.roleMenuSetNames(IOLinkWrapper::Page(page)))
            problems << QStringLiteral("the parameter page shows no rows");
    }

    int shownIn = 0;
    int shownOut = 0;
    for (const ProcessDataRefWrapper *ref : binding.getProcessDataRefWrappers()) {
        if (ref->conditionApplies() && ref->getItem())
            (ref->getItem()->isOutput() ? shownOut : shownIn) += ref->getInfos().size();
    }
    bool hasInput = false;
    for (const ProcessDataWrapper *processData : binding.getProcessDataWrappers()) {
        for (const ProcessDataItemWrapper *item : processData->getItems())
            hasInput = hasInput || (!item->isOutput() && !item->getRecordItems().isEmpty());
    }
    if (hasInput && shownIn == 0)
        problems << QStringLiteral("the process data input shows nothing");

    result.insert("pages", pages);
    result.insert("processData", QJsonObject { { "in", shownIn }, { "out", shownOut } });
    return problems.join(QStringLiteral("; "));
}

// Advances the simulated clock with every payload, so process data follows simulated time; a real master
// is polled for that long in real time.
int IoddCheck::pollFor(IOLinkDevice &device, int simulatedMs, bool simulatedTime)
{
    SimulatedMaster &master = SimulatedMaster::instance();
    int payloads = 0;
    QEventLoop loop;
    QTimer cap;
    cap.setSingleShot(true);
    connect(&cap, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(device.getCommunicationHandler(), &CommunicationHandler::processDataReceived, &loop, [&]() {
        ++payloads;
        if (!simulatedTime)
            return;
        master.advanceTime(pollIntervalMs);
        if (master.currentTime() >= simulatedMs)
            loop.quit();
    }, Qt::QueuedConnection);
    connect(&device, &IOLinkDevice::stateChanged, &loop, &QEventLoop::quit);
    // A device without process data delivers no payloads; real time bounds the wait.
    cap.start(simulatedTime ? simulatedMs * 2 + 1000 : simulatedMs);
    loop.exec();
    return payloads;
}
