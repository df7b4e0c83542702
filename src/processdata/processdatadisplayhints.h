#pragma once

#include "device/linearscaling.h"

#include <QMap>
#include <QPair>
#include <QString>

class MenuCollectionT;

// What the menus say about the process data (unit, scaling, display format), for descriptions that
// describe it only there: their observation menus show V_ProcessDataInput's items scaled and with units.
class ProcessDataDisplayHints
{
public:
    struct Hint
    {
        LinearScaling scaling;
        QString unitCode;
        QString displayFormat;
    };

    // A subindex the menus describe in two different ways (e.g. °C or °F, as a setting decides) gets
    // no hint: showing the raw value beats showing it wrongly scaled.
    static ProcessDataDisplayHints fromMenus(const MenuCollectionT *menus);

    // The hint for an item of the input or output image; subindex 0 is an image of one simple type.
    const Hint *find(bool output, int subindex) const;
    bool isEmpty() const { return hints.isEmpty(); }

private:
    using Key = QPair<bool, int>;
    void add(const Key &key, const QStringList &texts);

    QMap<Key, QStringList> texts;
    QMap<Key, Hint> hints;
};
