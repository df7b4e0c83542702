#pragma once

#include "menuentry.h"

// Stands for a menu reference to a variable (or record item) that the device description does not define:
// a greyed row instead of an error, as the rest of the menu works.
class MenuEntryMissing : public MenuEntry
{
    Q_OBJECT

public:
    explicit MenuEntryMissing(const QString &variableId, quint32 subindex, QObject *parent = nullptr);

    QString getQmlFileName() const override;
};
