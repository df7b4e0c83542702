#include "ioddimportresult.h"

#include <QCoreApplication>

QString IoddImportResult::statusText() const
{
    switch (status) {
    case Imported:
        return QCoreApplication::translate("IoddImportResult", "imported");
    case AlreadyPresent:
        return QCoreApplication::translate("IoddImportResult", "already present");
    case NotUsed:
        return QCoreApplication::translate("IoddImportResult", "not used: a newer release is present");
    case Refused:
        break;
    }
    return QCoreApplication::translate("IoddImportResult", "refused");
}

QString IoddImportResult::statusKey() const
{
    switch (status) {
    case Imported:
        return QStringLiteral("imported");
    case AlreadyPresent:
        return QStringLiteral("already present");
    case NotUsed:
        return QStringLiteral("not used");
    case Refused:
        break;
    }
    return QStringLiteral("refused");
}

QVariantMap IoddImportResult::toMap() const
{
    return {
        { QStringLiteral("source"), source },
        { QStringLiteral("iodd"), iodd },
        { QStringLiteral("status"), statusKey() },
        { QStringLiteral("statusText"), statusText() },
        { QStringLiteral("success"), isSuccess() },
        { QStringLiteral("reason"), reason },
        { QStringLiteral("folder"), folder },
        { QStringLiteral("skipped"), skipped },
    };
}
