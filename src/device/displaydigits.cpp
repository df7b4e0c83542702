#include "displaydigits.h"

#include <QStringList>

#include <cmath>

int DisplayDigits::ofDisplayFormat(const QString &displayFormat)
{
    const QStringList parts = displayFormat.split(QLatin1Char('.'));
    if (parts.size() != 2 || parts.first().compare(QLatin1String("dec"), Qt::CaseInsensitive) != 0)
        return -1;
    bool ok = false;
    const int decimals = parts.last().toInt(&ok, 10);
    if (!ok || decimals < 0)
        return -1;
    return qMin(decimals, maximum);
}

int DisplayDigits::ofGradient(double gradient)
{
    const double magnitude = std::fabs(gradient);
    if (!(magnitude > 0.0 && magnitude < 1.0))
        return 0;
    // The small allowance keeps exact powers of ten (0.1, 0.01), which are not exact in binary, from
    // rounding up a decimal.
    return qMin(int(std::ceil(-std::log10(magnitude) - 1e-9)), maximum);
}
