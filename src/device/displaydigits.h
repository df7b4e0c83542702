#pragma once

#include <QString>

// How many decimals a number is shown with, the same for menus and process data: those the display
// format names ("Dec.2"), otherwise as many as the gradient's magnitude needs (0.1 and -0.1 give 1).
class DisplayDigits
{
public:
    // More would only show the noise of a double, and the views cannot format hundreds.
    static constexpr int maximum = 15;

    // The decimals a display format names, or -1 when it names none.
    static int ofDisplayFormat(const QString &displayFormat);
    static int ofGradient(double gradient);
};
