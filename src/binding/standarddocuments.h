#pragma once

#include <QString>
#include <QStringList>

class IODeviceT;

// The standard-definition documents every device description is completed against. They are resources
// that never change, so each is read once per process and shared read-only by every tree, whichever
// thread builds it.
class StandardDocuments
{
public:
    // The languages whose standard texts the program ships.
    static QStringList languages();

    // Gives `device` the standard definitions and units, the standard texts with `language` in force and,
    // when asked, the secondary definitions of the older schema.
    static void lend(IODeviceT &device, const QString &language, bool secondary);
    // Puts the standard texts of another language in force.
    static void lendTexts(IODeviceT &device, const QString &language);
};
