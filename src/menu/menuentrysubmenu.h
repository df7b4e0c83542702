#pragma once

#include "menuentry.h"

#include <QList>

class ConditionWrapper;
class UIMenuRefT;

// A link to another menu, shown only while its condition applies.
class MenuEntrySubMenu : public MenuEntry
{
    Q_OBJECT
    Q_PROPERTY(bool expanded READ isExpanded WRITE setExpanded NOTIFY expandedChanged)

public:
    MenuEntrySubMenu(const UIMenuRefT *reference, const QList<VariableWrapper *> &variables,
                     QObject *parent = nullptr);

    QString getQmlFileName() const override;
    QString getMobileQmlFileName() const override;
    bool isVisible() const override;

    bool isExpanded() const { return expanded; }
    void setExpanded(bool newExpanded);

signals:
    void expandedChanged();

private:
    ConditionWrapper *condition = nullptr;
    bool expanded = false;
};
