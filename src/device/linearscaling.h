#pragma once

#include <QString>

// The IODD's linear display scaling of a number: shown = raw × gradient + offset. Menus, process data
// and charts all show values through it, so that a value reads the same everywhere.
class LinearScaling
{
public:
    LinearScaling() = default;
    // A zero or non-finite gradient means 1 (a zero would show every value as 0), a non-finite offset 0.
    LinearScaling(double gradient, double offset);
    // Absent or unreadable texts count as absent, with a warning for the unreadable ones.
    static LinearScaling fromTexts(const QString &gradientText, const QString &offsetText);

    double getGradient() const { return gradient; }
    double getOffset() const { return offset; }
    double shown(double raw) const { return raw * gradient + offset; }
    double raw(double shown) const { return (shown - offset) / gradient; }
    // The decimals the scaling needs when no display format names them: those of the gradient and of
    // the offset's fraction (an offset of -17.78 needs one even with a gradient of 1).
    int digits() const;

private:
    double gradient = 1.0;
    double offset = 0.0;
};
