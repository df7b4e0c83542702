#pragma once

#include <QtCharts/QXYSeries>
#include <QtMath>

#include <QAbstractListModel>
#include <QDateTime>
#include <QObject>
#include <QPointF>
#include <QUrl>
#include <QVariant>
#include <QtCharts/QAbstractSeries>

// Stand-ins for the process-data handler, its references and record item infos, and the communication log.

class FakeRecordItemInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString id MEMBER id CONSTANT)
    Q_PROPERTY(bool isOutput MEMBER isOutput CONSTANT)
    Q_PROPERTY(QVariant value MEMBER value NOTIFY valueChanged)
    Q_PROPERTY(QVariant valueOut READ getValueOut WRITE setValueOut NOTIFY valueChanged)
    Q_PROPERTY(QString unit MEMBER unit CONSTANT)
    Q_PROPERTY(int digits MEMBER digits CONSTANT)
    Q_PROPERTY(bool isBoolean MEMBER isBoolean CONSTANT)
    Q_PROPERTY(double lowYaxisLimit READ getLowYaxisLimit CONSTANT)
    Q_PROPERTY(double highYaxisLimit READ getHighYaxisLimit CONSTANT)
    Q_PROPERTY(QDateTime minX MEMBER minX NOTIFY minXChanged)
    Q_PROPERTY(QDateTime maxX MEMBER maxX NOTIFY maxXChanged)
    Q_PROPERTY(double minY MEMBER minY NOTIFY minYChanged)
    Q_PROPERTY(double maxY MEMBER maxY NOTIFY maxYChanged)
    Q_PROPERTY(bool isOutOfRange MEMBER isOutOfRange NOTIFY valueChanged)
    Q_PROPERTY(QString singleValue MEMBER singleValue NOTIFY valueChanged)
    Q_PROPERTY(bool isChartRunning MEMBER isChartRunning CONSTANT)

public:
    FakeRecordItemInfo(const QString &id, bool isBoolean, bool isOutput, QObject *parent);

    QVariant getValueOut() const { return value; }
    void setValueOut(const QVariant &newValue) { writtenOut.append(newValue); }
    double getLowYaxisLimit() const;
    double getHighYaxisLimit() const;

    Q_INVOKABLE void updateSeries(QtCharts::QAbstractSeries *series);
    Q_INVOKABLE void updateCursor(QtCharts::QAbstractSeries *cursorLine, double cursorXpos, bool visible);
    Q_INVOKABLE QPointF findCursorPosition(QtCharts::QAbstractSeries *valueSeries, double cursorXpos, bool interpolation);

    void setValue(const QVariant &newValue);

    QString id;
    bool isOutput = false;
    QVariant value;
    QString unit;
    int digits = 0;
    bool isBoolean = false;
    QDateTime minX = QDateTime::fromMSecsSinceEpoch(0, Qt::UTC);
    QDateTime maxX = QDateTime::fromMSecsSinceEpoch(30000, Qt::UTC);
    double minY = 0;
    double maxY = 1;
    bool isOutOfRange = false;
    QString singleValue;
    bool isChartRunning = true;

    QVariantList writtenOut;
    int seriesUpdates = 0;
    int cursorUpdates = 0;
    bool lastCursorVisible = false;
    double lastCursorPosition = -1;

signals:
    void valueChanged();
    void chartChanged();
    void minXChanged();
    void maxXChanged();
    void minYChanged();
    void maxYChanged();
};

class FakeProcessDataRef : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> recordItemInfos MEMBER recordItemInfos CONSTANT)
    Q_PROPERTY(bool conditionApplies MEMBER conditionApplies NOTIFY conditionAppliesChanged)

public:
    FakeProcessDataRef(bool applies, QObject *parent) : QObject(parent), conditionApplies(applies) {}

    QList<QObject *> recordItemInfos;
    bool conditionApplies;

signals:
    void conditionAppliesChanged();
};

class FakeProcessDataHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> processDataRefs MEMBER processDataRefs NOTIFY processDataRefsChanged)
    Q_PROPERTY(bool running MEMBER running NOTIFY runningChanged)

public:
    explicit FakeProcessDataHandler(QObject *parent = nullptr);

    FakeRecordItemInfo *info(const QString &id) const;

    QList<QObject *> processDataRefs;
    bool running = true;
    QStringList calls;
    QUrl savedTo;

signals:
    void processDataRefsChanged();
    void runningChanged(bool running);
    void saveFailed(const QString &message);

public slots:
    void start();
    void pause();
    void clear() { calls.append(QStringLiteral("clear")); }
    void copyToClipboard() { calls.append(QStringLiteral("copyToClipboard")); }
    void saveToFile(const QUrl &path);
};

class FakeCommunicationModel : public QAbstractListModel
{
    Q_OBJECT

public:
    struct Row
    {
        QString command;
        QByteArray message;
        QString origin;
        uint index;
        uint subIndex;
    };

    explicit FakeCommunicationModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : rows.size(); }
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    Q_INVOKABLE void clear();

private:
    QList<Row> rows;
};

// Implementation: included by the one test that uses these stand-ins.
using QtCharts::QAbstractSeries;
using QtCharts::QXYSeries;

inline FakeRecordItemInfo::FakeRecordItemInfo(const QString &id, bool isBoolean, bool isOutput, QObject *parent)
    : QObject(parent), id(id), isOutput(isOutput), isBoolean(isBoolean)
{
}

inline double FakeRecordItemInfo::getLowYaxisLimit() const
{
    return -2147483648.0 / qPow(10, digits);
}

inline double FakeRecordItemInfo::getHighYaxisLimit() const
{
    return 2147483647.0 / qPow(10, digits);
}

// Canned samples over twenty seconds, so that every chart has a curve.
inline void FakeRecordItemInfo::updateSeries(QAbstractSeries *series)
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

inline void FakeRecordItemInfo::updateCursor(QAbstractSeries *cursorLine, double cursorXpos, bool visible)
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

inline QPointF FakeRecordItemInfo::findCursorPosition(QAbstractSeries *valueSeries, double cursorXpos, bool)
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

inline void FakeRecordItemInfo::setValue(const QVariant &newValue)
{
    value = newValue;
    emit valueChanged();
}

inline FakeProcessDataHandler::FakeProcessDataHandler(QObject *parent) : QObject(parent)
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

inline FakeRecordItemInfo *FakeProcessDataHandler::info(const QString &id) const
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

inline void FakeProcessDataHandler::start()
{
    calls.append(QStringLiteral("start"));
    running = true;
    emit runningChanged(true);
}

inline void FakeProcessDataHandler::pause()
{
    calls.append(QStringLiteral("pause"));
    running = false;
    emit runningChanged(false);
}

inline void FakeProcessDataHandler::saveToFile(const QUrl &path)
{
    calls.append(QStringLiteral("saveToFile"));
    savedTo = path;
}

inline FakeCommunicationModel::FakeCommunicationModel(QObject *parent) : QAbstractListModel(parent)
{
    rows = { { "read", QByteArray::fromHex("0102"), "local", 18, 0 },
             { "read", QByteArray("OVX100"), "remote", 18, 0 },
             { "write", QByteArray::fromHex("82"), "local", 2, 0 } };
}

inline QVariant FakeCommunicationModel::data(const QModelIndex &index, int role) const
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

inline QHash<int, QByteArray> FakeCommunicationModel::roleNames() const
{
    return { { 0, "command" }, { 1, "message" }, { 2, "origin" },
             { 3, "ioLinkIndex" }, { 4, "ioLinkSubIndex" }, { 5, "payloadLength" } };
}

inline void FakeCommunicationModel::clear()
{
    beginResetModel();
    rows.clear();
    endResetModel();
}
