#include "parametersetcontroller.h"

#include "connection/iolinkdevice.h"
#include "binding/iolinkwrapper.h"
#include "deviceparameteraccess.h"
#include "iodd/model/iodevicet.h"
#include "parametercatalogue.h"
#include "parametercomparison.h"
#include "parameterreader.h"
#include "parametertablemodel.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

ParameterSetController::ParameterSetController(QObject *parent)
    : QObject(parent)
    , table(new ParameterTableModel(this))
{
}

ParameterSetController::~ParameterSetController()
{
    // The jobs use the access and the catalogue; they go first.
    delete reader;
    delete restoreJob;
}

QObject *ParameterSetController::getTable() const
{
    return table;
}

IOLinkDevice *ParameterSetController::usableDevice(QObject *object, QString *error) const
{
    auto *device = qobject_cast<IOLinkDevice *>(object);
    if (!device || device->getState() != QLatin1String(IOLinkDevice::connectedName)) {
        *error = tr("Please connect the device first.");
        return nullptr;
    }
    if (!device->getBinding() || !device->getBinding()->isProductLoaded()) {
        *error = tr("The device has no IODD; its parameters are not known.");
        return nullptr;
    }
    return device;
}

bool ParameterSetController::canUse(QObject *device) const
{
    QString error;
    return !busy && usableDevice(device, &error);
}

QString ParameterSetController::suggestedFileName(QObject *object) const
{
    auto *device = qobject_cast<IOLinkDevice *>(object);
    QString name = device ? device->getProductName() : QString();
    if (device && !device->getSerialNumber().isEmpty())
        name += QLatin1Char('_') + device->getSerialNumber();
    name += QLatin1Char('_') + QDate::currentDate().toString(Qt::ISODate);
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]+")), QStringLiteral("-"));
    return name + QLatin1Char('.') + QLatin1String(ParameterSet::fileSuffix);
}

bool ParameterSetController::begin(IOLinkDevice *device, const QString &what)
{
    if (busy)
        return false;
    delete reader;
    reader = nullptr;
    delete restoreJob;
    restoreJob = nullptr;
    access = std::make_unique<DeviceParameterAccess>(device);
    catalogue = std::make_unique<ParameterCatalogue>(device->getBinding());
    busy = true;
    activity = what;
    setProgress(0, 0);
    emit busyChanged();
    return true;
}

void ParameterSetController::end()
{
    busy = false;
    emit busyChanged();
}

void ParameterSetController::setProgress(int done, int total)
{
    progressDone = done;
    progressTotal = total;
    emit progressChanged();
}

void ParameterSetController::save(QObject *object, const QUrl &file)
{
    QString error;
    IOLinkDevice *device = usableDevice(object, &error);
    const QString path = file.toLocalFile();
    if (!device || !begin(device, tr("Reading the parameters of %1…").arg(device->getProductName()))) {
        emit failed(error.isEmpty() ? tr("Another parameter set operation is running.") : error);
        return;
    }
    reader = new ParameterReader(access.get(), this);
    connect(reader, &ParameterReader::progress, this, &ParameterSetController::setProgress);
    connect(reader, &ParameterReader::finished, this, [this, path, device = QPointer<IOLinkDevice>(device)] {
        end();
        // A half-read set would look like a whole one later.
        if (!device || !access->isConnected()) {
            emit saveFinished(false, tr("The device was disconnected; nothing was saved."));
            return;
        }
        const ParameterSet set = ParameterReader::toParameterSet(*device, *catalogue, reader->results());
        QString saveError;
        if (!set.save(path, &saveError)) {
            emit saveFinished(false, saveError);
            return;
        }
        QString message = tr("The parameter set was saved to %1 (parameters: %2).")
                              .arg(QDir::toNativeSeparators(path)).arg(set.parameters.size());
        if (!set.unreadable.isEmpty()) {
            QStringList names;
            for (const ParameterSet::Unreadable &entry : set.unreadable)
                names << QStringLiteral("%1 (%2)").arg(entry.name, entry.error);
            message += QStringLiteral("\n\n") + tr("The device refused to give these parameters; they are listed in the file "
                                                     "as unreadable: %1").arg(names.join(QStringLiteral(", ")));
        }
        emit saveFinished(set.unreadable.isEmpty(), message);
    });
    reader->start(catalogue->entries());
}

void ParameterSetController::compare(QObject *object, const QUrl &file)
{
    QString error;
    std::optional<ParameterSet> set = ParameterSet::load(file.toLocalFile(), &error);
    IOLinkDevice *device = set ? usableDevice(object, &error) : nullptr;
    if (!device || !begin(device, tr("Reading the parameters of %1…").arg(device->getProductName()))) {
        emit failed(error.isEmpty() ? tr("Another parameter set operation is running.") : error);
        return;
    }
    reader = new ParameterReader(access.get(), this);
    connect(reader, &ParameterReader::progress, this, &ParameterSetController::setProgress);
    connect(reader, &ParameterReader::finished, this, [this, loaded = *set] {
        end();
        showComparison(loaded);
        emit compareFinished();
    });
    reader->start(ParameterComparison::entriesToRead(*set, *catalogue));
}

void ParameterSetController::showComparison(const ParameterSet &set)
{
    const QList<ParameterComparison::Row> rows = ParameterComparison::compare(set, *catalogue, reader->results());
    QList<ParameterTableModel::Row> tableRows;
    for (const ParameterComparison::Row &row : rows)
        tableRows << ParameterTableModel::Row { row.id, row.index, row.name, row.fileText, row.deviceText, row.differs,
                                                row.differs ? tr("differs") : tr("equal"), QString() };
    table->setOnlyDifferences(true);
    table->setRows(tableRows);
    tableKind = QStringLiteral("comparison");
    const int differences = ParameterComparison::differenceCount(rows);
    summary = tr("%1 of %2 parameters differ.").arg(differences).arg(rows.size());
    notes.clear();
    if (!set.unreadable.isEmpty())
        notes = tr("Parameters that could not be read when the file was saved are not compared: %1.").arg(set.unreadable.size());
    restored = false;
    emit tableChanged();
}

QVariantMap ParameterSetController::prepareRestore(QObject *object, const QUrl &file)
{
    preparedDevice = nullptr;
    QString error;
    const QString path = file.toLocalFile();
    std::optional<ParameterSet> set = ParameterSet::load(path, &error);
    IOLinkDevice *device = set ? usableDevice(object, &error) : nullptr;
    if (!device)
        return { { "ok", false }, { "error", error } };
    if (busy)
        return { { "ok", false }, { "error", tr("Another parameter set operation is running.") } };
    const ParameterCatalogue deviceCatalogue(device->getBinding());
    preparedPlan = ParameterRestore::plan(*set, deviceCatalogue, DeviceParameterAccess::identityOf(*device),
                                          device->getBinding()->getDocument()->version);
    if (!preparedPlan.refusal.isEmpty())
        return { { "ok", false }, { "error", preparedPlan.refusal } };
    QStringList skipped;
    for (const ParameterRestore::SkippedParameter &parameter : qAsConst(preparedPlan.skipped))
        skipped << QStringLiteral("%1 (%2)").arg(parameter.name.isEmpty() ? parameter.id : parameter.name, parameter.reason);
    preparedDevice = device;
    const QString question = tr("Write the parameter set %1 into %2 (serial number %3) on %4? "
                                "Parameters whose value differs from the file are overwritten.")
                                 .arg(QFileInfo(path).fileName(), device->getProductName(), device->getSerialNumber(),
                                      device->getAddress());
    return { { "ok", true }, { "warnings", preparedPlan.warnings }, { "skipped", skipped }, { "question", question } };
}

void ParameterSetController::restore()
{
    IOLinkDevice *device = preparedDevice;
    QString error;
    if (!device || !usableDevice(device, &error)) {
        emit failed(error.isEmpty() ? tr("The device was disconnected; nothing was written.") : error);
        return;
    }
    if (!begin(device, tr("Restoring the parameters of %1…").arg(device->getProductName()))) {
        emit failed(tr("Another parameter set operation is running."));
        return;
    }
    // The plan was made with a catalogue of the same binding, in the same order.
    ParameterRestore::Plan plan = preparedPlan;
    for (ParameterRestore::Write &write : plan.writes) {
        if (const ParameterCatalogue::Entry *entry = catalogue->find(write.entry.id))
            write.entry = *entry;
    }
    preparedDevice = nullptr;
    restoreJob = new ParameterRestore(access.get(), this);
    connect(restoreJob, &ParameterRestore::progress, this, &ParameterSetController::setProgress);
    connect(restoreJob, &ParameterRestore::finished, this, [this] {
        end();
        showReport(restoreJob->report());
        emit restoreFinished();
    });
    restoreJob->start(plan, catalogue.get());
}

void ParameterSetController::showReport(const ParameterRestore::Report &report)
{
    QList<ParameterTableModel::Row> tableRows;
    for (const ParameterRestore::Row &row : report.rows) {
        const bool problem = row.outcome != ParameterRestore::Confirmed && row.outcome != ParameterRestore::AlreadyEqual;
        tableRows << ParameterTableModel::Row { row.id, row.index, row.name, row.fileText, row.deviceText, problem,
                                                ParameterRestore::outcomeText(row.outcome), row.detail };
    }
    table->setOnlyDifferences(false);
    table->setRows(tableRows);
    tableKind = QStringLiteral("report");
    summary = report.summary();
    notes = report.notes.join(QLatin1Char('\n'));
    restored = report.restored;
    emit tableChanged();
}

QString ParameterSetController::exportCsv(const QUrl &file) const
{
    const QString path = file.toLocalFile();
    QSaveFile output(path);
    const QByteArray csv = table->toCsv();
    if (!output.open(QIODevice::WriteOnly) || output.write(csv) != csv.size() || !output.commit())
        return tr("The file %1 cannot be written: %2").arg(QDir::toNativeSeparators(path), output.errorString());
    return QString();
}
