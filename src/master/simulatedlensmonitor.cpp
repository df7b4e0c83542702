#include "simulatedlensmonitor.h"

SimulatedLensMonitor::Change SimulatedLensMonitor::update(qint64 timeMs, double quality)
{
    if (quality < lowQuality) {
        if (lowSince < 0 || timeMs < lowSince)
            lowSince = timeMs;
        if (!dirty && timeMs - lowSince >= holdMs) {
            dirty = true;
            return Change::Appeared;
        }
        return Change::None;
    }
    lowSince = -1;
    if (dirty && quality > highQuality) {
        dirty = false;
        return Change::Disappeared;
    }
    return Change::None;
}

void SimulatedLensMonitor::reset()
{
    lowSince = -1;
    dirty = false;
}
