#include "tst_screens_fakeprocessdata.h"

#include <QtCharts/QXYSeries>
#include <QtMath>

using QtCharts::QAbstractSeries;
using QtCharts::QXYSeries;

FakeRecordItemInfo::FakeRecordItemInfo(const QString &id, bool isBoolean, bool isOutput, QObject *parent)
    : QObject(parent), id(id), isOutput(isOutput), isBoolean(isBoolean)
{
}

double FakeRecordItemInfo::getLowYaxisLimit() const
{
    return -2147483648.0 / qPow(10, digits);
}

double FakeRecordItemInfo::getHighYaxisLimit() const
{
    return 2147483647.0 / qPow(10, digits);
}

// Canned samples over twenty seconds, so that every chart has a curve.
void FakeRecordItemInfo::updateSeries(QAbstractSeries *series)
{
    ++seriesUpdates;
    auto *xy = qobject_cast<QXYSeries *>(series);
    if (!xy)
        return;
    QVector<QPointF> points;
    for (int i = 0; i <= 200; ++i) {
        const double x = i * 100.0;
        const double wave = isBoolean ? ((i / 25) % 2) : minY + (maxY - minY) * (0.5 + 0.4 * qSin(i / 15.0));
        points.append(QPointF(x, wave));
    }
    xy->replace(points);
}

void FakeRecordItemInfo::updateCursor(QAbstractSeries *cursorLine, double cursorXpos, bool visible)
{
    ++cursorUpdates;
    lastCursorVisible = visible;
    lastCursorPosition = cursorXpos;
    auto *xy = qobject_cast<QXYSeries *>(cursorLine);
    if (!xy)
        return;
    xy->clear();
    if (visible) {
        xy->append(cursorXpos, getLowYaxisLimit());
        xy->append(cursorXpos, getHighYaxisLimit());
    }
}

QPointF FakeRecordItemInfo::findCursorPosition(QAbstractSeries *valueSeries, double cursorXpos, bool)
{
    auto *xy = qobject_cast<QXYSeries *>(valueSeries);
    if (!xy || xy->count() == 0)
        return QPointF(cursorXpos, getLowYaxisLimit());
    const QVector<QPointF> points = xy->pointsVector();
    QPointF nearest = points.first();
    for (const QPointF &point : points) {
        if (qAbs(point.x() - cursorXpos) < qAbs(nearest.x() - cursorXpos))
            nearest = point;
    }
    return QPointF(cursorXpos, nearest.y());
}

void FakeRecordItemInfo::setValue(const QVariant &newValue)
{
    value = newValue;
    emit valueChanged();
}

FakeProcessDataHandler::FakeProcessDataHandler(QObject *parent) : QObject(parent)
{
    auto *shown = new FakeProcessDataRef(true, this);
    auto *distance = new FakeRecordItemInfo(QStringLiteral("TI_Distance"), false, false, shown);
    distance->digits = 1;
    distance->minY = 0;
    distance->maxY = 250;
    distance->unit = QStringLiteral("1013");
    distance->value = 123.45;
    auto *switching = new FakeRecordItemInfo(QStringLiteral("TI_Switch1"), true, false, shown);
    switching->value = true;
    auto *enable = new FakeRecordItemInfo(QStringLiteral("TI_Output"), true, true, shown);
    enable->value = false;
    auto *quality = new FakeRecordItemInfo(QStringLiteral("TI_Quality"), false, false, shown);
    quality->isOutOfRange = true;
    quality->singleValue = QStringLiteral("TI_OutOfRange");
    quality->value = 255;
    auto *name = new FakeRecordItemInfo(QStringLiteral("TI_Name"), false, false, shown);
    name->value = QStringLiteral("abc");
    auto *level = new FakeRecordItemInfo(QStringLiteral("TI_Quality"), false, true, shown);
    level->value = 3;
    shown->recordItemInfos = { distance, switching, enable, quality, name, level };

    // A reference whose condition does not hold: neither charted nor listed.
    auto *hidden = new FakeProcessDataRef(false, this);
    hidden->recordItemInfos = { new FakeRecordItemInfo(QStringLiteral("TI_Hidden"), false, false, hidden) };
    processDataRefs = { shown, hidden };
}

FakeRecordItemInfo *FakeProcessDataHandler::info(const QString &id) const
{
    for (QObject *ref : processDataRefs) {
        for (QObject *candidate : static_cast<FakeProcessDataRef *>(ref)->recordItemInfos) {
            auto *info = static_cast<FakeRecordItemInfo *>(candidate);
            if (info->id == id)
                return info;
        }
    }
    return nullptr;
}

void FakeProcessDataHandler::start()
{
    calls.append(QStringLiteral("start"));
    running = true;
    emit runningChanged(true);
}

void FakeProcessDataHandler::pause()
{
    calls.append(QStringLiteral("pause"));
    running = false;
    emit runningChanged(false);
}

void FakeProcessDataHandler::saveToFile(const QUrl &path)
{
    calls.append(QStringLiteral("saveToFile"));
    savedTo = path;
}

FakeCommunicationModel::FakeCommunicationModel(QObject *parent) : QAbstractListModel(parent)
{
    rows = { { "read", QByteArray::fromHex("0102"), "local", 18, 0 },
             { "read", QByteArray("OVX100"), "remote", 18, 0 },
             { "write", QByteArray::fromHex("82"), "local", 2, 0 } };
}

QVariant FakeCommunicationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const Row &row = rows.at(index.row());
    switch (role) {
    case 0: return row.command;
    case 1: return row.message;
    case 2: return row.origin;
    case 3: return row.index;
    case 4: return row.subIndex;
    case 5: return uint(row.message.size());
    default: return QVariant();
    }
}

QHash<int, QByteArray> FakeCommunicationModel::roleNames() const
{
    return { { 0, "command" }, { 1, "message" }, { 2, "origin" },
             { 3, "ioLinkIndex" }, { 4, "ioLinkSubIndex" }, { 5, "payloadLength" } };
}

void FakeCommunicationModel::clear()
{
    beginResetModel();
    rows.clear();
    endResetModel();
}
