#include "processdatarecorditeminfowrapper.h"

#include "core/logcategories.h"
#include "device/displaydigits.h"
#include "device/payloadconverter.h"
#include "iodd/model/userinterfaceelements.h"
#include "processdata/recorditemwrapper.h"

#include <QDebug>
#include <QVector>
#include <QtCharts/QXYSeries>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Long:
    case QMetaType::Short:
    case QMetaType::ULong:
    case QMetaType::UShort:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

} // namespace

ProcessDataRecordItemInfoWrapper::ProcessDataRecordItemInfoWrapper(const ProcessDataRecordItemInfoT *definition,
                                                                   RecordItemWrapper *recordItem, bool isOutput,
                                                                   QObject *parent)
    : QObject(parent)
    , definition(definition)
    , recordItem(recordItem)
    , output(isOutput)
{
    if (definition)
        init(LinearScaling::fromTexts(definition->gradient.value, definition->offset.value), definition->unitCode.value,
             definition->displayFormat.value);
    else
        init(LinearScaling(), QString(), QString());
}

ProcessDataRecordItemInfoWrapper::ProcessDataRecordItemInfoWrapper(const ProcessDataInfoT *imageInfo,
                                                                   RecordItemWrapper *recordItem, bool isOutput,
                                                                   QObject *parent)
    : QObject(parent)
    , imageInfo(imageInfo)
    , recordItem(recordItem)
    , output(isOutput)
{
    if (imageInfo)
        init(LinearScaling::fromTexts(imageInfo->gradient.value, imageInfo->offset.value), imageInfo->unitCode.value,
             imageInfo->displayFormat.value);
    else
        init(LinearScaling(), QString(), QString());
}

ProcessDataRecordItemInfoWrapper::ProcessDataRecordItemInfoWrapper(RecordItemWrapper *recordItem, bool isOutput,
                                                                   QObject *parent)
    : ProcessDataRecordItemInfoWrapper(recordItem, isOutput, nullptr, parent)
{
}

ProcessDataRecordItemInfoWrapper::ProcessDataRecordItemInfoWrapper(RecordItemWrapper *recordItem, bool isOutput,
                                                                   const ProcessDataDisplayHints::Hint *menuHint,
                                                                   QObject *parent)
    : QObject(parent)
    , recordItem(recordItem)
    , output(isOutput)
{
    if (menuHint)
        init(menuHint->scaling, menuHint->unitCode, menuHint->displayFormat);
    else
        init(LinearScaling(), QString(), QString());
    if (!hasDigits) {
        hasDigits = true;
        digits = recordItem && recordItem->getType() == ValueKind::Float32 ? floatDigits : scaling.digits();
    }
}

void ProcessDataRecordItemInfoWrapper::init(const LinearScaling &itemScaling, const QString &unitCode,
                                            const QString &displayFormat)
{
    scaling = itemScaling;
    unit = unitCode;

    const int decimals = DisplayDigits::ofDisplayFormat(displayFormat);
    if (decimals >= 0) {
        digits = decimals;
        hasDigits = true;
    }

    if (!recordItem) {
        qCritical() << Q_FUNC_INFO << "record item is null";
        return;
    }
    connect(recordItem, &RecordItemWrapper::valueChanged, this, &ProcessDataRecordItemInfoWrapper::onValueChanged);

    // A negative gradient turns the range around; the axis still runs from the lower to the upper end.
    lowLimit = qMin(scaling.shown(recordItem->getLow()), scaling.shown(recordItem->getHigh()));
    highLimit = qMax(scaling.shown(recordItem->getLow()), scaling.shown(recordItem->getHigh()));
    minY = lowLimit;
    maxY = highLimit;
    followsData = recordItem->getType() == ValueKind::Float32
                  && (recordItem->getLow() <= -double(FLT_MAX) || recordItem->getHigh() >= double(FLT_MAX));
    if (followsData) {
        minY = 0.0;
        maxY = 1.0;
    }
    qInfo() << "Process data UI reference" << recordItem->getName() << "gradient" << scaling.getGradient() << "offset"
            << scaling.getOffset() << "unit" << unit
            << "minY" << minY << "maxY" << maxY;
}

QString ProcessDataRecordItemInfoWrapper::getId() const
{
    return recordItem ? recordItem->getName() : QString();
}

QVariant ProcessDataRecordItemInfoWrapper::scaled(const QVariant &raw) const
{
    if (isNumber(raw))
        return scaling.shown(raw.toDouble());
    return raw;
}

QVariant ProcessDataRecordItemInfoWrapper::getValue() const
{
    return recordItem ? scaled(recordItem->getValue()) : QVariant();
}

void ProcessDataRecordItemInfoWrapper::setValueOut(const QVariant &value)
{
    if (!output || !recordItem) {
        qWarning() << Q_FUNC_INFO << "not an output" << getId();
        return;
    }
    if (value.userType() == QMetaType::Bool) {
        recordItem->setValue(value);
        return;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok)
        recordItem->setValue(scaling.raw(number));
    else
        recordItem->setValue(value);
}

QString ProcessDataRecordItemInfoWrapper::getUnit() const
{
    qCDebug(lcProcessData) << Q_FUNC_INFO << unit;
    return unit;
}

int ProcessDataRecordItemInfoWrapper::getDigits() const
{
    return hasDigits ? digits : scaling.digits();
}

bool ProcessDataRecordItemInfoWrapper::isBoolean() const
{
    return recordItem && recordItem->isBoolean();
}

double ProcessDataRecordItemInfoWrapper::getLowYaxisLimit() const
{
    return -2147483648.0 / std::pow(10.0, getDigits());
}

double ProcessDataRecordItemInfoWrapper::getHighYaxisLimit() const
{
    return 2147483647.0 / std::pow(10.0, getDigits());
}

void ProcessDataRecordItemInfoWrapper::setMinX(const QDateTime &value)
{
    minX = value;
    emit minXChanged();
}

void ProcessDataRecordItemInfoWrapper::setMaxX(const QDateTime &value)
{
    maxX = value;
    emit maxXChanged();
}

void ProcessDataRecordItemInfoWrapper::setMinY(double value)
{
    followsData = false;
    minY = value;
    emit minYChanged();
}

void ProcessDataRecordItemInfoWrapper::setMaxY(double value)
{
    followsData = false;
    maxY = value;
    emit maxYChanged();
}

bool ProcessDataRecordItemInfoWrapper::isOutOfRange() const
{
    return recordItem && recordItem->isOutOfRange();
}

QString ProcessDataRecordItemInfoWrapper::getSingleValue() const
{
    return recordItem ? recordItem->singleValueText() : QString();
}

void ProcessDataRecordItemInfoWrapper::onValueChanged()
{
    qCDebug(lcProcessData) << Q_FUNC_INFO << ": chart running: " << chartRunning;

    if (chartRunning && recordItem) {
        const double y = scaling.shown(recordItem->getValue().toDouble());
        appendSample(recordItem->getDuration(), y);
        followData(y);
        samplesPending = true;
    }
    announceValue();
}

// Values arrive as long as the device is polled, so a value held back is announced with the next one.
// On a grid of the clock that every item shares: items throttled each from its own first sample drift
// apart by a poll, and the window then draws twice per interval instead of once.
void ProcessDataRecordItemInfoWrapper::announceValue()
{
    const qint64 slot = clock() / valueThrottleMs;
    if (slot == announcedSlot)
        return;
    announcedSlot = slot;
    announce();
}

void ProcessDataRecordItemInfoWrapper::announce()
{
    emit valueChanged();
    if (samplesPending) {
        samplesPending = false;
        emit chartChanged();
    }
}

void ProcessDataRecordItemInfoWrapper::appendSample(qint64 duration, double y)
{
    const qint64 windowLength = maxX.toMSecsSinceEpoch();
    windowSum += duration;
    while (windowSum > windowLength && !samples.empty()) {
        windowSum -= qint64(samples.front().x());
        samples.pop_front();
    }
    samples.emplace_back(double(duration), y);
}

// Widens the axis to a value outside it, with a margin, on round numbers; it never narrows while the
// chart runs, so that the picture does not jump.
void ProcessDataRecordItemInfoWrapper::followData(double y)
{
    if (!followsData || !std::isfinite(y) || (dataSeen && y >= minY && y <= maxY))
        return;
    const double low = dataSeen ? qMin(minY, y) : y;
    const double high = dataSeen ? qMax(maxY, y) : y;
    const double span = high > low ? high - low : qMax(std::abs(y), 1.0);
    const double rough = span / 4;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude * 10;
    for (const double factor : { 1.0, 2.0, 2.5, 5.0 }) {
        if (magnitude * factor >= rough) {
            step = magnitude * factor;
            break;
        }
    }
    dataSeen = true;
    minY = std::floor((low - span / 10) / step) * step;
    maxY = std::ceil((high + span / 10) / step) * step;
    emit minYChanged();
    emit maxYChanged();
}

void ProcessDataRecordItemInfoWrapper::onRunningChanged(bool running)
{
    if (chartRunning)
        emit chartChanged();
    chartRunning = running;
    samplesPending = false;
}

void ProcessDataRecordItemInfoWrapper::resetChart()
{
    qCDebug(lcProcessData) << Q_FUNC_INFO;
    samples.clear();
    windowSum = 0;
    dataSeen = false;
    emit valueChanged();
    emit chartChanged();
}

double ProcessDataRecordItemInfoWrapper::clampedForDrawing(double y) const
{
    // Values off the axis, and floats that are no number, are pinned to the nearer edge, where a marker
    // tells them from values that lie on it.
    if (std::isnan(y) || y < minY)
        return minY;
    if (y > maxY)
        return maxY;
    return y;
}

void ProcessDataRecordItemInfoWrapper::updateSeries(QtCharts::QAbstractSeries *series, QtCharts::QAbstractSeries *markers)
{
    qCDebug(lcProcessData) << Q_FUNC_INFO;
    auto *xySeries = qobject_cast<QtCharts::QXYSeries *>(series);
    if (!xySeries)
        return;
    // An emptied window (after clearing) empties the chart as well.
    QVector<QPointF> points;
    QVector<QPointF> pinned;
    points.reserve(int(samples.size()));
    double position = 0.0;
    for (const QPointF &sample : samples) {
        const double drawn = clampedForDrawing(sample.y());
        points.append(QPointF(position, drawn));
        if (!(drawn == sample.y()))
            pinned.append(points.constLast());
        position += sample.x();
    }
    xySeries->replace(points);
    if (auto *markerSeries = qobject_cast<QtCharts::QXYSeries *>(markers))
        markerSeries->replace(pinned);
}

QVariant ProcessDataRecordItemInfoWrapper::sampleAt(double position) const
{
    // The sample nearest to the position, as it was received (not as it is drawn).
    double start = 0.0;
    double bestDistance = std::numeric_limits<double>::infinity();
    QVariant best;
    for (const QPointF &sample : samples) {
        const double distance = std::fabs(start - position);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = sample.y();
        }
        start += sample.x();
    }
    return best;
}

void ProcessDataRecordItemInfoWrapper::updateCursor(QtCharts::QAbstractSeries *cursorLine, double cursorXpos,
                                                    bool visible)
{
    auto *line = qobject_cast<QtCharts::QXYSeries *>(cursorLine);
    if (!line)
        return;
    line->clear();
    if (visible) {
        line->append(cursorXpos, getLowYaxisLimit());
        line->append(cursorXpos, getHighYaxisLimit());
    }
}

QPointF ProcessDataRecordItemInfoWrapper::findCursorPosition(QtCharts::QAbstractSeries *valueSeries, double cursorXpos,
                                                             bool interpolation)
{
    const QPointF noValue(cursorXpos, getLowYaxisLimit());
    auto *xySeries = qobject_cast<QtCharts::QXYSeries *>(valueSeries);
    if (!xySeries)
        return noValue;

    const int count = xySeries->count();
    int lo = 0;
    int hi = count - 1;
    while (lo < hi - 1) {
        const int mid = (lo + hi) / 2;
        if (xySeries->at(mid).x() >= cursorXpos)
            hi = mid;
        else
            lo = mid;
    }
    // The cursor must lie before the last segment of the series.
    if (hi >= count - 1)
        return noValue;

    const QPointF low = xySeries->at(lo);
    const QPointF high = xySeries->at(hi);
    if (interpolation) {
        // Two samples at the same time have no slope between them.
        if (high.x() == low.x())
            return QPointF(cursorXpos, high.y());
        return QPointF(cursorXpos, (cursorXpos - low.x()) / (high.x() - low.x()) * (high.y() - low.y()) + low.y());
    }
    const bool lowIsNearer = std::fabs(cursorXpos - low.x()) < std::fabs(high.x() - cursorXpos);
    return QPointF(cursorXpos, lowIsNearer ? low.y() : high.y());
}
