#include "processdatahandler.h"

#include "core/logcategories.h"
#include "processdata/processdataitemwrapper.h"
#include "processdata/recorditemwrapper.h"

#include "processdata/processdatarecorditeminfowrapper.h"
#include "processdata/processdatarefwrapper.h"
#include "processdata/processdatawrapper.h"

#include <QClipboard>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <QVector>

namespace {

const QString cellSeparator = QStringLiteral("; ");
const QString startTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

} // namespace

ProcessDataHandler::ProcessDataHandler(QObject *device)
    : QObject(device)
    , device(device)
{
    qCDebug(lcProcessData) << Q_FUNC_INFO;
}

ProcessDataHandler::~ProcessDataHandler()
{
    qCDebug(lcProcessData) << Q_FUNC_INFO << "void ProcessDataHandler::stop()";
    paused = false;
    running = false;
    emit runningChanged(false);
}

void ProcessDataHandler::setProcessDataRefs(const QList<ProcessDataRefWrapper *> &refs)
{
    QList<QPointer<ProcessDataRefWrapper>> newRefs;
    for (ProcessDataRefWrapper *ref : refs)
        newRefs.append(ref);
    if (newRefs == processDataRefs)
        return;

    for (const QPointer<ProcessDataRefWrapper> &ref : qAsConst(processDataRefs)) {
        if (ref)
            disconnect(this, &ProcessDataHandler::runningChanged, ref, &ProcessDataRefWrapper::runningChanged);
    }
    processDataRefs = newRefs;
    for (const QPointer<ProcessDataRefWrapper> &ref : qAsConst(processDataRefs)) {
        if (!ref)
            continue;
        connect(this, &ProcessDataHandler::runningChanged, ref, &ProcessDataRefWrapper::runningChanged);
        // References that arrive while recording runs record from now on.
        if (running)
            emit ref->runningChanged(true);
    }
    emit processDataRefsChanged();
}

void ProcessDataHandler::setProcessDatas(const QList<ProcessDataWrapper *> &datas)
{
    processDatas.clear();
    for (ProcessDataWrapper *data : datas)
        processDatas.append(data);
}

bool ProcessDataHandler::getOutputData(QByteArray &out) const
{
    // The definition selected by its condition decides the output layout; only when none is selected
    // does the first definition with an output speak.
    for (const QPointer<ProcessDataWrapper> &data : processDatas) {
        if (data && data->conditionApplies() && data->getOutputData(out))
            return true;
    }
    for (const QPointer<ProcessDataWrapper> &data : processDatas) {
        if (data && data->getOutputData(out))
            return true;
    }
    return false;
}

void ProcessDataHandler::restoreOutputData(const QByteArray &payload)
{
    ProcessDataItemWrapper *image = nullptr;
    for (const QPointer<ProcessDataWrapper> &data : qAsConst(processDatas)) {
        if (data && data->conditionApplies() && (image = data->image(true)))
            break;
    }
    for (const QPointer<ProcessDataWrapper> &data : qAsConst(processDatas)) {
        if (!image && data)
            image = data->image(true);
    }
    if (!image)
        return;
    for (RecordItemWrapper *recordItem : image->getRecordItems())
        recordItem->setData(payload, recordItem->getDuration());
}

QList<QObject *> ProcessDataHandler::getProcessDataRefs() const
{
    qCDebug(lcProcessData) << Q_FUNC_INFO;
    QList<QObject *> objects;
    for (const QPointer<ProcessDataRefWrapper> &ref : processDataRefs) {
        if (ref)
            objects.append(ref.data());
    }
    return objects;
}

void ProcessDataHandler::start()
{
    qCDebug(lcProcessData) << Q_FUNC_INFO;
    startTime = QDateTime::currentDateTime();
    lastPayloadAt = clock();
    startClock = lastPayloadAt;
    if (!paused)
        clearRefs();
    paused = false;
    running = true;
    emit runningChanged(true);
}

void ProcessDataHandler::pause()
{
    qCDebug(lcProcessData) << Q_FUNC_INFO;
    paused = true;
    running = false;
    emit runningChanged(false);
}

void ProcessDataHandler::stop()
{
    qCDebug(lcProcessData) << Q_FUNC_INFO;
    paused = false;
    running = false;
    emit runningChanged(false);
}

void ProcessDataHandler::clear()
{
    clearRefs();
}

void ProcessDataHandler::clearRefs()
{
    for (const QPointer<ProcessDataRefWrapper> &ref : qAsConst(processDataRefs)) {
        if (ref)
            ref->clear();
    }
}

void ProcessDataHandler::onProcessDataReceived(const QByteArray &data)
{
    const qint64 now = clock();
    // A payload before any start, or a clock that went back, counts as no time at all.
    const qint64 duration = lastPayloadAt >= 0 ? qMax<qint64>(0, now - lastPayloadAt) : 0;
    lastPayloadAt = now;
    if (running)
        lastRecordedAt = now;
    for (const QPointer<ProcessDataWrapper> &processData : qAsConst(processDatas)) {
        if (processData)
            processData->setData(data, duration);
    }
}

QString ProcessDataHandler::translate(const QString &textId) const
{
    if (translator)
        return translator(textId);
    QString text;
    if (askBinding("translate", textId, text))
        return text;
    return textId;
}

QString ProcessDataHandler::unitText(const QString &unitCode) const
{
    if (unitCode.isEmpty())
        return QString();
    if (unitTranslator)
        return unitTranslator(unitCode);
    // An untranslated unit code would read as a number in the title, so it is left out.
    QString text;
    return askBinding("translateUnit", unitCode, text) ? text : QString();
}

bool ProcessDataHandler::askBinding(const char *method, const QString &argument, QString &answer) const
{
    QObject *binding = device ? device->property("ioLink").value<QObject *>() : nullptr;
    return binding
        && QMetaObject::invokeMethod(binding, method, Qt::DirectConnection, Q_RETURN_ARG(QString, answer),
                                     Q_ARG(QString, argument));
}

QString ProcessDataHandler::columnTitle(const ProcessDataRecordItemInfoWrapper &info) const
{
    const QString unit = unitText(info.getUnit());
    const QString name = translate(info.getId());
    return unit.isEmpty() ? name : QStringLiteral("%1 [%2]").arg(name, unit);
}

QList<const ProcessDataRecordItemInfoWrapper *> ProcessDataHandler::exportedInfos() const
{
    QList<const ProcessDataRecordItemInfoWrapper *> infos;
    for (const QPointer<ProcessDataRefWrapper> &ref : processDataRefs) {
        if (!ref || !ref->conditionApplies())
            continue;
        for (const ProcessDataRecordItemInfoWrapper *info : ref->getInfos())
            infos.append(info);
    }
    return infos;
}

QDateTime ProcessDataHandler::firstRowTime() const
{
    // The rows take their times from the first column with samples; its last sample came with the last
    // recorded payload, and the durations before it lead back to the first row.
    for (const ProcessDataRecordItemInfoWrapper *info : exportedInfos()) {
        const std::deque<QPointF> &samples = info->getSamples();
        if (samples.empty())
            continue;
        const qint64 span = info->getWindowSum() - qint64(samples.front().x());
        return startTime.addMSecs(lastRecordedAt - startClock - span);
    }
    return startTime;
}

int ProcessDataHandler::exportedRowCount() const
{
    int rows = 0;
    for (const ProcessDataRecordItemInfoWrapper *info : exportedInfos())
        rows = qMax(rows, int(info->getSamples().size()));
    return rows;
}

QString ProcessDataHandler::exportText() const
{
    QVector<QStringList> rows(1);
    rows[0] << tr("Start time") << tr("Time[ms]");
    const QString start = firstRowTime().toString(startTimeFormat);
    int column = 0;
    for (const ProcessDataRecordItemInfoWrapper *info : exportedInfos())
        appendColumn(rows, *info, column++, start);

    QString text;
    for (const QStringList &cells : qAsConst(rows)) {
        for (const QString &cell : cells)
            text += cell + cellSeparator;
        text += QLatin1Char('\n');
    }
    return text;
}

void ProcessDataHandler::appendColumn(QVector<QStringList> &rows, const ProcessDataRecordItemInfoWrapper &info,
                                      int column, const QString &start) const
{
    const std::deque<QPointF> &samples = info.getSamples();
    if (rows.size() < int(samples.size()) + 1)
        rows.resize(int(samples.size()) + 1);
    rows[0] << columnTitle(info);
    // Every value lands under its own title, also when an earlier column has fewer samples.
    const int valueCell = 2 + column;
    qint64 position = 0;
    int row = 1;
    for (const QPointF &sample : samples) {
        QStringList &cells = rows[row];
        // The row's times come from the first column that reaches it.
        if (cells.isEmpty())
            cells << (row == 1 ? start : QString()) << QString::number(position);
        while (cells.size() < valueCell)
            cells << QString();
        cells << QString::number(sample.y(), 'g', 6);
        position += qint64(sample.x());
        ++row;
    }
}

void ProcessDataHandler::putOnClipboard(const QString &text) const
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        qWarning() << Q_FUNC_INFO << "no clipboard without a graphical application";
        return;
    }
    QGuiApplication::clipboard()->setText(text);
}

void ProcessDataHandler::copyToClipboard()
{
    qCDebug(lcProcessData) << Q_FUNC_INFO;
    putOnClipboard(exportText());
}

void ProcessDataHandler::saveToFile(const QUrl &path)
{
    qCDebug(lcProcessData) << Q_FUNC_INFO << path;
    const QString text = exportText();
    putOnClipboard(text);

    const QString fileName = path.isLocalFile() ? path.toLocalFile() : path.toString();
    // Written beside the target and renamed over it at the end, so a failed write keeps the old file;
    // where the folder takes no new files, the file itself is written.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (fileName.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qWarning() << "can not open" << path;
        reportSaveFailure(path, tr("The file %1 could not be opened for writing. "
                                   "The process data was copied to the clipboard instead."));
        return;
    }
    QTextStream stream(&file);
    stream << text;
    stream.flush();
    if (stream.status() != QTextStream::Ok || !file.commit()) {
        qWarning() << Q_FUNC_INFO << "can not write" << path << file.errorString();
        reportSaveFailure(path, tr("The file %1 could not be written. "
                                   "The process data was copied to the clipboard instead."));
        return;
    }
    emit saved(tr("Process data saved to %1 (rows: %2).").arg(QDir::toNativeSeparators(fileName), QString::number(exportedRowCount())));
}

void ProcessDataHandler::reportSaveFailure(const QUrl &path, const QString &message)
{
    const QString fileName = path.isLocalFile() ? path.toLocalFile() : path.toString();
    emit saveFailed(message.arg(QDir::toNativeSeparators(fileName)));
}
