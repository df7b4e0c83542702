#pragma once

#include "menuentry.h"

// Stands in for a menu reference that no other kind can show.
class MenuEntryUndefined : public MenuEntry
{
    Q_OBJECT

public:
    explicit MenuEntryUndefined(QObject *parent = nullptr);

    QString getQmlFileName() const override;
};
