#pragma once

#include <QStringList>

// What the user chose for master access, copied where it is read: the binding runs in the scan thread.
struct MasterChoice
{
    // Whether the simulated master is preferred over the vendor library.
    bool simulated = false;
    // The IODD files the simulated master plays; none means the sample device.
    QStringList simulatedDevices;
    // Ethernet masters to scan and their poll interval; they are scanned, not bound, so a change needs no rebinding.
    QStringList networkMasters;
    int networkPollInterval = 100;

    // The sample device shipped with the program.
    static QStringList sampleDevices();

    bool operator==(const MasterChoice &other) const
    {
        return simulated == other.simulated && simulatedDevices == other.simulatedDevices;
    }
    bool operator!=(const MasterChoice &other) const { return !(*this == other); }
};
