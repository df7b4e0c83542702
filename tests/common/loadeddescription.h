#pragma once

#include "binding/iolinkwrapper.h"
#include "device/variablewrapper.h"
#include "menu/menuwrapper.h"
#include "processdata/processdataitemwrapper.h"
#include "processdata/processdatarefwrapper.h"
#include "processdata/processdatawrapper.h"
#include "processdata/recorditemwrapper.h"

// A device description as the device binding builds it (its variables, menus and process data), without a
// device: the shared fixture of the tests that need what the binding builds. Values are set and payloads
// delivered by hand.
struct LoadedDescription : IOLinkWrapper
{
    explicit LoadedDescription(const QString &path, const QString &language = QStringLiteral("en"))
        : IOLinkWrapper(path, language)
        , processDatas(getProcessDataWrappers())
        , refs(getProcessDataRefWrappers())
    {
    }

    VariableWrapper *variable(const QString &id) const
    {
        for (VariableWrapper *candidate : getVariableWrappers()) {
            if (candidate->getId() == id)
                return candidate;
        }
        return nullptr;
    }

    MenuWrapper *menu(const QString &id) const { return qobject_cast<MenuWrapper *>(getMenu(id)); }

    void set(const QString &variableId, quint64 value) { variable(variableId)->setValue(QVariant(value), 0); }

    // A payload received by every process-data definition, as the polling hands it over.
    void deliver(const QByteArray &payload, qint64 duration = 0)
    {
        for (ProcessDataWrapper *processData : processDatas)
            processData->setData(payload, duration);
    }

    ProcessDataItemWrapper *item(const QString &id) const
    {
        for (ProcessDataWrapper *processData : processDatas) {
            if (ProcessDataItemWrapper *found = processData->findItem(id))
                return found;
        }
        return nullptr;
    }

    RecordItemWrapper *recordItem(const QString &itemId, int subindex) const
    {
        ProcessDataItemWrapper *found = item(itemId);
        return found ? found->getRecordItem(subindex) : nullptr;
    }

    ProcessDataRefWrapper *ref(const QString &itemId) const { return refOf(refs, itemId); }

    static ProcessDataRefWrapper *refOf(const QList<ProcessDataRefWrapper *> &list, const QString &itemId)
    {
        for (ProcessDataRefWrapper *candidate : list) {
            if (candidate->getItem() && candidate->getItem()->getId() == itemId)
                return candidate;
        }
        return nullptr;
    }

    const QList<ProcessDataWrapper *> processDatas;
    const QList<ProcessDataRefWrapper *> refs;
};
