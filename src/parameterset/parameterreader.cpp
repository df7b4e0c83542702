#include "parameterreader.h"

#include "connection/iolinkdevice.h"
#include "binding/iolinkwrapper.h"
#include "device/variablewrapper.h"
#include "deviceparameteraccess.h"
#include "iodd/model/iodevicet.h"

#include <QCoreApplication>
#include <QFileInfo>

ParameterReader::ParameterReader(DeviceParameterAccess *deviceAccess, QObject *parent)
    : QObject(parent)
    , access(deviceAccess)
{
}

void ParameterReader::start(const QList<ParameterCatalogue::Entry> &entries)
{
    pending = entries;
    variables.clear();
    for (const ParameterCatalogue::Entry &entry : entries)
        variables << QPointer<VariableWrapper>(entry.variable);
    done.clear();
    total = entries.size();
    running = true;
    emit progress(0, total);
    readNext();
}

const ParameterReader::Result *ParameterReader::result(const QString &id) const
{
    for (const Result &candidate : done) {
        if (candidate.id == id)
            return &candidate;
    }
    return nullptr;
}

void ParameterReader::readNext()
{
    if (pending.isEmpty()) {
        running = false;
        emit finished();
        return;
    }
    const ParameterCatalogue::Entry entry = pending.takeFirst();
    const QPointer<VariableWrapper> variable = variables.takeFirst();
    access->read(entry.index, 0, [this, entry, variable](const DeviceParameterAccess::Answer &answer) {
        Result result { entry.id, entry.index, entry.name, answer.ok, answer.data, answer.isduError,
                        answer.ok ? QString() : DeviceParameterAccess::failureText(answer) };
        if (answer.ok && variable)
            variable->setDataFromDevice(0, answer.data);
        done.append(result);
        emit progress(done.size(), total);
        readNext();
    });
}

ParameterSet ParameterReader::toParameterSet(const IOLinkDevice &device, const ParameterCatalogue &catalogue,
                                             const QList<Result> &results)
{
    ParameterSet set;
    set.created = QDateTime::currentDateTime();
    set.application = QCoreApplication::applicationName();
    set.applicationVersion = QCoreApplication::applicationVersion();
    if (set.applicationVersion.isEmpty())
        set.applicationVersion = QStringLiteral(OVINEX_VERSION);
    set.device = DeviceParameterAccess::identityOf(device);
    if (const IOLinkWrapper *binding = device.getBinding()) {
        set.iodd.fileName = QFileInfo(binding->getIoddPath()).fileName();
        if (const IODeviceT *document = binding->getDocument()) {
            set.iodd.version = document->version;
            if (!document->DocumentInfo.isEmpty())
                set.iodd.releaseDate = document->DocumentInfo.last()->releaseDate.value;
        }
    }
    for (const Result &result : results) {
        const ParameterCatalogue::Entry *entry = catalogue.find(result.id);
        if (result.ok && entry)
            set.parameters.append({ result.id, result.index, 0, result.name, catalogue.displayText(*entry, result.raw), result.raw });
        else
            set.unreadable.append({ result.id, result.index, 0, result.name, result.isduError, result.error });
    }
    return set;
}
