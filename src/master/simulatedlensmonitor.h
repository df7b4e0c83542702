#pragma once

#include <QtGlobal>

// The sample device's watch over its own optics: the lens counts as dirty once the signal quality has stayed
// below the low threshold for the hold time, and as clean again once the quality is back above the high one.
// The gap between the thresholds keeps a quality hovering near one of them from raising a flood of events.
class SimulatedLensMonitor
{
public:
    enum class Change { None, Appeared, Disappeared };

    static constexpr double lowQuality = 20;
    static constexpr double highQuality = 30;
    static constexpr qint64 holdMs = 2000;

    // Feeds the quality seen at timeMs; tells whether the warning just appeared or disappeared.
    Change update(qint64 timeMs, double quality);
    bool isDirty() const { return dirty; }
    void reset();

private:
    qint64 lowSince = -1;
    bool dirty = false;
};
