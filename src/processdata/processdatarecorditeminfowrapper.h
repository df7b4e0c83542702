#pragma once

#include "device/linearscaling.h"
#include "processdata/processdatadisplayhints.h"
#include "processdata/processdataclock.h"
#include "processdata/recorditemwrapper.h"

#include <QDateTime>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QtCharts/QAbstractSeries>

#include <deque>

class ProcessDataInfoT;
class ProcessDataRecordItemInfoT;

// One record item as the process data view shows it: the value scaled as the IODD says, its display
// limits, and a sliding time window of samples that fills the chart while recording runs.
class ProcessDataRecordItemInfoWrapper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString id READ getId CONSTANT)
    Q_PROPERTY(bool isOutput READ isOutput CONSTANT)
    Q_PROPERTY(QVariant value READ getValue NOTIFY valueChanged)
    Q_PROPERTY(QVariant valueOut READ getValue WRITE setValueOut NOTIFY valueChanged)
    Q_PROPERTY(QString unit READ getUnit CONSTANT)
    Q_PROPERTY(int digits READ getDigits CONSTANT)
    Q_PROPERTY(bool isBoolean READ isBoolean CONSTANT)
    Q_PROPERTY(double lowLimit READ getLowLimit CONSTANT)
    Q_PROPERTY(double highLimit READ getHighLimit CONSTANT)
    Q_PROPERTY(double lowYaxisLimit READ getLowYaxisLimit CONSTANT)
    Q_PROPERTY(double highYaxisLimit READ getHighYaxisLimit CONSTANT)
    Q_PROPERTY(QDateTime minX READ getMinX WRITE setMinX NOTIFY minXChanged)
    Q_PROPERTY(QDateTime maxX READ getMaxX WRITE setMaxX NOTIFY maxXChanged)
    Q_PROPERTY(double minY READ getMinY WRITE setMinY NOTIFY minYChanged)
    Q_PROPERTY(double maxY READ getMaxY WRITE setMaxY NOTIFY maxYChanged)
    Q_PROPERTY(bool isOutOfRange READ isOutOfRange NOTIFY valueChanged)
    Q_PROPERTY(QString singleValue READ getSingleValue NOTIFY valueChanged)
    Q_PROPERTY(bool isChartRunning READ isChartRunning CONSTANT)

public:
    ProcessDataRecordItemInfoWrapper(const ProcessDataRecordItemInfoT *definition, RecordItemWrapper *recordItem,
                                     bool isOutput, QObject *parent = nullptr);
    // For an image of one simple type, shown with the ProcessDataInfo of its reference.
    ProcessDataRecordItemInfoWrapper(const ProcessDataInfoT *imageInfo, RecordItemWrapper *recordItem,
                                     bool isOutput, QObject *parent = nullptr);
    // For an item no reference describes: its own name and single values, unscaled, with the decimals
    // of its type.
    ProcessDataRecordItemInfoWrapper(RecordItemWrapper *recordItem, bool isOutput, QObject *parent = nullptr);
    // An item no reference describes, with what the menus say about it (none when null).
    ProcessDataRecordItemInfoWrapper(RecordItemWrapper *recordItem, bool isOutput,
                                     const ProcessDataDisplayHints::Hint *menuHint, QObject *parent);

    QString getId() const;
    bool isOutput() const { return output; }
    QVariant getValue() const;
    void setValueOut(const QVariant &value);
    QString getUnit() const;
    int getDigits() const;
    bool isBoolean() const;
    double getLowLimit() const { return lowLimit; }
    double getHighLimit() const { return highLimit; }
    double getLowYaxisLimit() const;
    double getHighYaxisLimit() const;
    QDateTime getMinX() const { return minX; }
    void setMinX(const QDateTime &value);
    QDateTime getMaxX() const { return maxX; }
    void setMaxX(const QDateTime &value);
    double getMinY() const { return minY; }
    void setMinY(double value);
    double getMaxY() const { return maxY; }
    void setMaxY(double value);
    bool isOutOfRange() const;
    QString getSingleValue() const;
    bool isChartRunning() const { return chartRunning; }

    double getGradient() const { return scaling.getGradient(); }
    RecordItemWrapper *getRecordItem() const { return recordItem; }
    // The window, oldest first: x is the sample's duration in ms, y its scaled value.
    const std::deque<QPointF> &getSamples() const { return samples; }
    qint64 getWindowSum() const { return windowSum; }
    void resetChart();
    void setClock(const ProcessDataClock::Function &newClock) { clock = newClock; }


signals:
    void valueChanged();
    void chartChanged();
    void minXChanged();
    void maxXChanged();
    void minYChanged();
    void maxYChanged();

public slots:
    void onRunningChanged(bool running);

private slots:
    void onValueChanged();

public:
    // The markers, if given, get the points pinned to an edge of the value axis.
    Q_INVOKABLE void updateSeries(QtCharts::QAbstractSeries *series, QtCharts::QAbstractSeries *markers = nullptr);
    Q_INVOKABLE QVariant sampleAt(double position) const;
    Q_INVOKABLE void updateCursor(QtCharts::QAbstractSeries *cursorLine, double cursorXpos, bool visible);
    Q_INVOKABLE QPointF findCursorPosition(QtCharts::QAbstractSeries *valueSeries, double cursorXpos,
                                           bool interpolation = false);

private:
    // Values and charts are read, not watched: ten times a second is enough, for every type. Both are
    // announced together, so that the window draws them in one frame; the samples are kept at the poll rate.
    static constexpr qint64 valueThrottleMs = 100;
    static constexpr int floatDigits = 3;

    void init(const LinearScaling &itemScaling, const QString &unitCode, const QString &displayFormat);
    QVariant scaled(const QVariant &raw) const;
    void announceValue();
    void announce();
    void appendSample(qint64 duration, double y);
    void followData(double y);
    double clampedForDrawing(double y) const;

    const ProcessDataRecordItemInfoT *definition = nullptr;
    const ProcessDataInfoT *imageInfo = nullptr;
    QPointer<RecordItemWrapper> recordItem;
    bool output = false;
    std::deque<QPointF> samples;
    qint64 windowSum = 0;
    bool chartRunning = false;
    bool samplesPending = false;
    qint64 announcedSlot = -1;
    ProcessDataClock::Function clock = ProcessDataClock::system();
    double minY = 0.0;
    double maxY = 1.0;
    // A float without a range of its own spans the whole type; its axis follows the values instead, until
    // the user sets the limits.
    bool followsData = false;
    bool dataSeen = false;
    double lowLimit = 0.0;
    double highLimit = 1.0;
    QDateTime minX = QDateTime::fromMSecsSinceEpoch(0, Qt::UTC);
    QDateTime maxX = QDateTime::fromMSecsSinceEpoch(30000, Qt::UTC);
    LinearScaling scaling;
    QString unit;
    qint32 digits = 0;
    bool hasDigits = false;
};
