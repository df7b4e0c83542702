#pragma once

#include <QCoreApplication>
#include <QString>

// Texts of the ISDU error codes a device answers a refused read or write with.
class IsduError
{
    Q_DECLARE_TR_FUNCTIONS(IsduError)

public:
    // The user-readable text of a code; the code itself in hex when it is not a standard one.
    static QString text(uint code);
    // "0x8030 (value out of range)", for lists and logs.
    static QString describe(uint code);
    static QString hex(uint code);
};
