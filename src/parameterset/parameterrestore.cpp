#include "parameterrestore.h"

#include "isduerror.h"

#include <algorithm>

ParameterRestore::ParameterRestore(DeviceParameterAccess *deviceAccess, QObject *parent)
    : QObject(parent)
    , access(deviceAccess)
{
}

ParameterRestore::Plan ParameterRestore::plan(const ParameterSet &set, const ParameterCatalogue &catalogue,
                                              const ParameterSet::Device &device, const QString &ioddVersion)
{
    Plan plan;
    if (set.device.vendorId != device.vendorId || set.device.deviceId != device.deviceId) {
        plan.refusal = tr("The parameter set is for another device: it was saved from vendor id %1, device id %2 "
                          "(%3); the connected device has vendor id %4, device id %5 (%6). Nothing was written.")
                           .arg(set.device.vendorId).arg(set.device.deviceId).arg(set.device.productName)
                           .arg(device.vendorId).arg(device.deviceId).arg(device.productName);
        return plan;
    }
    if (set.device.productId != device.productId)
        plan.warnings << tr("The file was saved from product %1; the connected device is product %2.")
                             .arg(set.device.productId, device.productId);
    if (set.device.serialNumber != device.serialNumber)
        plan.warnings << tr("The file was saved from another unit (serial number %1); the connected device has "
                            "serial number %2.").arg(set.device.serialNumber, device.serialNumber);
    if (set.iodd.version != ioddVersion)
        plan.warnings << tr("The file was saved with IODD version %1; the device is described by IODD version %2.")
                             .arg(set.iodd.version, ioddVersion);

    for (const ParameterSet::Parameter &parameter : set.parameters) {
        const ParameterCatalogue::Entry *entry = catalogue.find(parameter.id);
        QString reason;
        if (!entry)
            reason = tr("not a parameter of this device's IODD");
        else if (parameter.subindex != 0)
            reason = tr("only whole variables are restored");
        else if (const QString problem = catalogue.lengthProblem(*entry, parameter.raw); !problem.isEmpty())
            reason = tr("wrong length: %1").arg(problem);
        if (!reason.isEmpty())
            plan.skipped.append({ parameter.id, parameter.index, parameter.subindex, parameter.name, reason });
    }
    // The IODD's order, not the file's: devices may check a value against those written before it.
    for (const ParameterCatalogue::Entry &entry : catalogue.entries()) {
        const ParameterSet::Parameter *parameter = set.find(entry.id);
        if (!parameter || parameter->subindex != 0 || !catalogue.lengthProblem(entry, parameter->raw).isEmpty())
            continue;
        plan.writes.append({ entry, parameter->raw, catalogue.displayText(entry, parameter->raw) });
    }
    plan.block = catalogue.offersSystemCommand(ParameterCatalogue::paramDownloadStart)
        && catalogue.offersSystemCommand(ParameterCatalogue::paramDownloadEnd);
    plan.store = plan.block && catalogue.offersSystemCommand(ParameterCatalogue::paramDownloadStore);
    return plan;
}

QString ParameterRestore::outcomeText(Outcome outcome)
{
    switch (outcome) {
    case Confirmed:
        return tr("written and confirmed");
    case AlreadyEqual:
        return tr("already equal");
    case Refused:
        return tr("refused");
    case Differs:
        return tr("differs after writing");
    case NotWritten:
        return tr("not written");
    case Skipped:
        return tr("skipped");
    }
    return QString();
}

int ParameterRestore::Report::count(Outcome outcome) const
{
    return int(std::count_if(rows.begin(), rows.end(), [outcome](const Row &row) { return row.outcome == outcome; }));
}

QString ParameterRestore::Report::summary() const
{
    if (restored)
        return tr("Parameter set restored: %1 written and confirmed, %2 already equal.")
            .arg(count(Confirmed)).arg(count(AlreadyEqual));
    return tr("The parameter set was not restored completely: %1 written and confirmed, %2 already equal, "
              "%3 refused, %4 differ after writing, %5 not written, %6 skipped.")
        .arg(count(Confirmed)).arg(count(AlreadyEqual)).arg(count(Refused)).arg(count(Differs))
        .arg(count(NotWritten)).arg(count(Skipped));
}

void ParameterRestore::start(const Plan &plan, const ParameterCatalogue *parameterCatalogue)
{
    current = plan;
    catalogue = parameterCatalogue;
    result = Report();
    before.clear();
    writeAnswers.clear();
    attempted.clear();
    toWrite.clear();
    blockOpen = false;
    running = true;
    done = 0;
    // Read before, write what differs, read after.
    total = plan.writes.size() * 2;
    emit progress(0, total);
    if (!plan.refusal.isEmpty()) {
        result.notes << plan.refusal;
        finish();
        return;
    }
    preReadNext(0);
}

void ParameterRestore::step()
{
    emit progress(++done, total);
}

void ParameterRestore::preReadNext(int position)
{
    if (position >= current.writes.size()) {
        beginWrites();
        return;
    }
    access->read(current.writes.at(position).entry.index, 0, [this, position](const DeviceParameterAccess::Answer &answer) {
        before << answer;
        step();
        preReadNext(position + 1);
    });
}

void ParameterRestore::sendCommand(uchar command, const std::function<void(const DeviceParameterAccess::Answer &)> &then)
{
    access->write(ParameterCatalogue::systemCommandIndex, 0, QByteArray(1, char(command)), then);
}

void ParameterRestore::beginWrites()
{
    for (int position = 0; position < current.writes.size(); ++position) {
        attempted << false;
        writeAnswers << DeviceParameterAccess::Answer();
        const DeviceParameterAccess::Answer &old = before.at(position);
        if (!old.ok || old.data != current.writes.at(position).raw)
            toWrite << position;
    }
    total = done + toWrite.size() + current.writes.size();
    emit progress(done, total);
    if (toWrite.isEmpty() || !current.block) {
        writeNext(0);
        return;
    }
    sendCommand(ParameterCatalogue::paramDownloadStart, [this](const DeviceParameterAccess::Answer &answer) {
        blockOpen = answer.ok;
        if (!answer.ok)
            result.notes << tr("The device refused to start a block parameterisation (%1); the values were "
                               "written one by one.").arg(DeviceParameterAccess::failureText(answer));
        writeNext(0);
    });
}

void ParameterRestore::writeNext(int position)
{
    if (position >= toWrite.size()) {
        endBlock();
        return;
    }
    const int write = toWrite.at(position);
    const Write &planned = current.writes.at(write);
    attempted[write] = true;
    access->write(planned.entry.index, 0, planned.raw, [this, position, write](const DeviceParameterAccess::Answer &answer) {
        writeAnswers[write] = answer;
        step();
        if (answer.ok || !blockOpen) {
            writeNext(position + 1);
            return;
        }
        // The device takes a block whole or not at all; after a refusal the rest would be discarded anyway.
        result.notes << tr("The device refused %1; the block parameterisation was cancelled (ParamBreak) and the "
                           "restore stopped.").arg(current.writes.at(write).entry.name);
        blockOpen = false;
        sendCommand(ParameterCatalogue::paramBreak, [this](const DeviceParameterAccess::Answer &breakAnswer) {
            result.commandRefused = result.commandRefused || !breakAnswer.ok;
            if (!breakAnswer.ok)
                result.notes << tr("The device refused ParamBreak: %1.").arg(DeviceParameterAccess::failureText(breakAnswer));
            total = done + current.writes.size();
            reReadNext(0);
        });
    });
}

void ParameterRestore::endBlock()
{
    if (!blockOpen) {
        reReadNext(0);
        return;
    }
    blockOpen = false;
    sendCommand(ParameterCatalogue::paramDownloadEnd, [this](const DeviceParameterAccess::Answer &answer) {
        if (!answer.ok) {
            result.commandRefused = true;
            result.notes << tr("The device did not accept the parameter set as a whole (ParamDownloadEnd: %1).")
                                .arg(DeviceParameterAccess::failureText(answer));
            reReadNext(0);
            return;
        }
        storeBlock();
    });
}

void ParameterRestore::storeBlock()
{
    if (!current.store) {
        reReadNext(0);
        return;
    }
    sendCommand(ParameterCatalogue::paramDownloadStore, [this](const DeviceParameterAccess::Answer &answer) {
        result.commandRefused = result.commandRefused || !answer.ok;
        if (!answer.ok)
            result.notes << tr("The device did not store the set in its data storage (ParamDownloadStore: %1).")
                                .arg(DeviceParameterAccess::failureText(answer));
        reReadNext(0);
    });
}

void ParameterRestore::reReadNext(int position)
{
    if (position >= current.writes.size()) {
        finish();
        return;
    }
    const Write &planned = current.writes.at(position);
    access->read(planned.entry.index, 0, [this, position](const DeviceParameterAccess::Answer &after) {
        const Write &planned = current.writes.at(position);
        Row row { planned.entry.id, planned.entry.index, 0, planned.entry.name, NotWritten, QString(), planned.fileText,
                  QString() };
        if (after.ok && catalogue)
            row.deviceText = catalogue->displayText(planned.entry, after.data);
        const bool equalNow = after.ok && after.data == planned.raw;
        const DeviceParameterAccess::Answer &written = writeAnswers.value(position);
        if (!attempted.value(position) && before.value(position).ok && before.value(position).data == planned.raw) {
            row.outcome = equalNow ? AlreadyEqual : Differs;
        } else if (!attempted.value(position)) {
            row.outcome = NotWritten;
        } else if (!written.ok) {
            row.outcome = Refused;
            row.detail = DeviceParameterAccess::failureText(written);
        } else {
            row.outcome = equalNow ? Confirmed : Differs;
        }
        if (!after.ok)
            row.detail = tr("not readable afterwards: %1").arg(DeviceParameterAccess::failureText(after));
        result.rows << row;
        step();
        reReadNext(position + 1);
    });
}

void ParameterRestore::finish()
{
    for (const SkippedParameter &skipped : qAsConst(current.skipped))
        result.rows << Row { skipped.id, skipped.index, skipped.subindex, skipped.name, Skipped, skipped.reason, QString(), QString() };
    result.restored = current.refusal.isEmpty() && !result.commandRefused
        && std::all_of(result.rows.begin(), result.rows.end(),
                       [](const Row &row) { return row.outcome == Confirmed || row.outcome == AlreadyEqual; })
        && !result.rows.isEmpty();
    running = false;
    emit finished();
}
