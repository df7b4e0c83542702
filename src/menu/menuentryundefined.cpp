#include "core/logcategories.h"
#include "menuentryundefined.h"

#include <QDebug>

MenuEntryUndefined::MenuEntryUndefined(QObject *parent)
    : MenuEntry(parent)
{
    qCDebug(lcMenu) << Q_FUNC_INFO;
}

QString MenuEntryUndefined::getQmlFileName() const
{
    return QStringLiteral("qrc:/qml/common/MenuEntryUndefined.qml");
}
