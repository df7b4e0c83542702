#include "menuentrysubmenu.h"

#include "core/logcategories.h"
#include "device/conditionwrapper.h"
#include "device/variablewrapper.h"
#include "iodd/model/userinterfaceelements.h"

#include <QDebug>

MenuEntrySubMenu::MenuEntrySubMenu(const UIMenuRefT *reference, const QList<VariableWrapper *> &variables,
                                   QObject *parent)
    : MenuEntry(parent)
{
    if (!reference)
        return;
    setId(reference->menuId.value);
    // The list starts with its prototype; a second entry means the document gave a condition.
    if (reference->Condition.size() > 1) {
        qCDebug(lcMenu) << getId() << "has condition";
        condition = new ConditionWrapper(reference->Condition.last(), variables, this);
        connect(condition, &ConditionWrapper::conditionChanged, this, &MenuEntry::visibleChanged);
    }
}

QString MenuEntrySubMenu::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/desktop/MenuEntrySubMenu.qml");
}

QString MenuEntrySubMenu::getMobileQmlFileName() const
{
    return QStringLiteral("qrc:/qml/mobile/MenuEntrySubMenu.qml");
}

bool MenuEntrySubMenu::isVisible() const
{
    if (!condition)
        return true;
    const bool applies = condition->applies();
    qCDebug(lcMenu) << Q_FUNC_INFO << getId() << applies;
    return applies;
}

void MenuEntrySubMenu::setExpanded(bool newExpanded)
{
    if (newExpanded == expanded)
        return;
    expanded = newExpanded;
    emit expandedChanged();
}
