#include "linearscaling.h"

#include "displaydigits.h"

#include <QDebug>

#include <cmath>

namespace {

// NaN when the text is not a finite number.
double parsed(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(number) ? number : std::nan("");
}

} // namespace

LinearScaling::LinearScaling(double gradient, double offset)
{
    if (std::isfinite(gradient) && gradient != 0.0)
        this->gradient = gradient;
    if (std::isfinite(offset))
        this->offset = offset;
}

LinearScaling LinearScaling::fromTexts(const QString &gradientText, const QString &offsetText)
{
    const double gradient = parsed(gradientText);
    if (std::isnan(gradient) && !gradientText.trimmed().isEmpty())
        qWarning() << "Unreadable gradient" << gradientText << "- values are shown unscaled";
    const double offset = parsed(offsetText);
    if (std::isnan(offset) && !offsetText.trimmed().isEmpty())
        qWarning() << "Unreadable offset" << offsetText << "- values are shown without it";
    return LinearScaling(gradient, offset);
}

int LinearScaling::digits() const
{
    double whole = 0.0;
    const double fraction = std::modf(offset, &whole);
    return qMax(DisplayDigits::ofGradient(gradient), DisplayDigits::ofGradient(fraction));
}
