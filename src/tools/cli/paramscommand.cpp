// ovinex-cli params save|compare|restore: parameter sets of a connected device.

#include "clicommand.h"
#include "clicontext.h"
#include "connection/iolinkserialdevice.h"
#include "binding/iolinkwrapper.h"
#include "iodd/model/iodevicet.h"
#include "parameterset/deviceparameteraccess.h"
#include "parameterset/parametercatalogue.h"
#include "parameterset/parametercomparison.h"
#include "parameterset/parameterreader.h"
#include "parameterset/parameterrestore.h"
#include "parameterset/parameterset.h"

#include <QEventLoop>
#include <QFileInfo>

namespace {

const QString yesOption = QStringLiteral("yes");

QString hex(const QByteArray &raw)
{
    return ParameterSet::toHex(raw);
}

// Waits for the object's finished() signal.
template<typename Job>
void waitFor(Job &job)
{
    if (!job.isRunning())
        return;
    QEventLoop loop;
    QObject::connect(&job, &Job::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

QList<ParameterReader::Result> readAll(DeviceParameterAccess &access, const QList<ParameterCatalogue::Entry> &entries)
{
    ParameterReader reader(&access);
    reader.start(entries);
    waitFor(reader);
    return reader.results();
}

int save(CliContext &context, IOLinkSerialDevice &device, const ParameterCatalogue &catalogue, const QString &file)
{
    DeviceParameterAccess access(&device);
    const ParameterSet set = ParameterReader::toParameterSet(device, catalogue, readAll(access, catalogue.entries()));
    // A half-read set would look like a whole one later.
    if (!access.isConnected()) {
        context.message(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "The connection to the device was lost; nothing was saved.")));
        return CliRefused;
    }
    QString error;
    if (!set.save(file, &error)) {
        context.message(error);
        return CliUsageError;
    }
    for (const ParameterSet::Unreadable &entry : set.unreadable)
        context.message(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Not readable: %1 (index %2): %3"))
                            .arg(entry.name).arg(entry.index).arg(entry.error));
    context.print({ { "file", file },
                    { "parameters", set.parameters.size() },
                    { "unreadable", set.unreadable.size() } });
    return set.unreadable.isEmpty() ? CliSuccess : CliRefused;
}

int compare(CliContext &context, IOLinkSerialDevice &device, const ParameterCatalogue &catalogue, const ParameterSet &set)
{
    DeviceParameterAccess access(&device);
    const QList<ParameterReader::Result> read = readAll(access, ParameterComparison::entriesToRead(set, catalogue));
    const QList<ParameterComparison::Row> rows = ParameterComparison::compare(set, catalogue, read);
    for (const ParameterComparison::Row &row : rows) {
        if (!row.differs)
            continue;
        context.print({ { "id", row.id },
                        { "index", int(row.index) },
                        { "subindex", int(row.subindex) },
                        { "name", row.name },
                        { "file", hex(row.fileRaw) },
                        { "device", hex(row.deviceRaw) } });
    }
    const int differences = ParameterComparison::differenceCount(rows);
    context.print({ { "summary", CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "%1 of %2 parameters differ"))
                                     .arg(differences).arg(rows.size()) },
                    { "differ", differences },
                    { "parameters", rows.size() } });
    return differences == 0 ? CliSuccess : CliRefused;
}

int restore(CliContext &context, IOLinkSerialDevice &device, const ParameterCatalogue &catalogue, const ParameterSet &set,
            const QString &file)
{
    const IOLinkWrapper *binding = device.getBinding();
    const ParameterRestore::Plan plan = ParameterRestore::plan(set, catalogue, DeviceParameterAccess::identityOf(device),
                                                               binding->getDocument()->version);
    if (!plan.refusal.isEmpty()) {
        context.message(plan.refusal);
        return CliUsageError;
    }
    for (const QString &warning : plan.warnings)
        context.message(warning);
    for (const ParameterRestore::SkippedParameter &skipped : plan.skipped)
        context.message(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Skipped: %1 (index %2): %3"))
                            .arg(skipped.name).arg(skipped.index).arg(skipped.reason));
    // Without a terminal to ask, only --yes allows writing.
    if (!context.isSet(yesOption)) {
        context.message(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Restoring %1 into %2 (serial number %3) needs --yes; nothing was written."))
                            .arg(QFileInfo(file).fileName(), device.getProductName(), device.getSerialNumber()));
        return CliUsageError;
    }
    DeviceParameterAccess access(&device);
    ParameterRestore job(&access);
    job.start(plan, &catalogue);
    waitFor(job);
    const ParameterRestore::Report &report = job.report();
    for (const ParameterRestore::Row &row : report.rows) {
        QJsonObject line { { "id", row.id }, { "index", int(row.index) }, { "subindex", int(row.subindex) },
                           { "name", row.name }, { "outcome", QString::fromLatin1(QMetaEnum::fromType<ParameterRestore::Outcome>().valueToKey(row.outcome)) } };
        if (!row.detail.isEmpty())
            line.insert("detail", row.detail);
        context.print(line);
    }
    for (const QString &note : report.notes)
        context.message(note);
    context.print({ { "summary", report.summary() }, { "restored", report.restored } });
    return report.restored ? CliSuccess : CliRefused;
}

} // namespace

QList<QCommandLineOption> paramsOptions()
{
    return { QCommandLineOption(yesOption, CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "params restore: write without asking."))) };
}

int runParams(CliContext &context)
{
    const QStringList &arguments = context.arguments();
    const QStringList actions = { QStringLiteral("save"), QStringLiteral("compare"), QStringLiteral("restore") };
    if (arguments.size() != 3 || !actions.contains(arguments.at(0)))
        return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "params needs save, compare or restore, a port and a file.")));
    const QString action = arguments.at(0);
    const QString file = arguments.at(2);

    // A file is checked before the device is touched.
    std::optional<ParameterSet> set;
    if (action != QLatin1String("save")) {
        QString error;
        set = ParameterSet::load(file, &error);
        if (!set) {
            context.message(error);
            return CliUsageError;
        }
    }
    QString error;
    std::unique_ptr<IOLinkSerialDevice> device = context.connectDevice(arguments.at(1), &error);
    if (!device) {
        context.message(error);
        return CliUsageError;
    }
    if (!device->getBinding() || !device->getBinding()->isProductLoaded()) {
        context.message(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Parameter sets need the device's IODD; none could be loaded.")));
        context.disconnectDevice(*device);
        return CliUsageError;
    }
    const ParameterCatalogue catalogue(device->getBinding());
    int status = CliUsageError;
    if (action == QLatin1String("save"))
        status = save(context, *device, catalogue, file);
    else if (action == QLatin1String("compare"))
        status = compare(context, *device, catalogue, *set);
    else
        status = restore(context, *device, catalogue, *set, file);
    context.disconnectDevice(*device);
    return status;
}
