#pragma once

#include <QtGlobal>

#include <functional>

// Milliseconds of a monotonic clock. The throttles and the payload timing read time through a function of
// this shape, so that tests and benchmarks can drive time by hand.
class ProcessDataClock
{
public:
    using Function = std::function<qint64()>;

    static qint64 monotonicMs();
    static Function system() { return &ProcessDataClock::monotonicMs; }
};
