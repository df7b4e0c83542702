#pragma once

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
