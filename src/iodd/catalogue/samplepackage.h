#pragma once

#include <QString>

// The IODD of our own sample sensor and its pictures, shipped among the resources and copied out for the catalogue.
class SamplePackage
{
public:
    static QString resourceFolder();
    // The sample's IODD file name inside resourceFolder().
    static QString ioddFileName();

    // Copies the package into folder when folder does not exist yet (first start); true when the folder holds it now
    // or already existed. A failed copy leaves no folder behind, so the next start tries again.
    static bool installInto(const QString &folder);
};
