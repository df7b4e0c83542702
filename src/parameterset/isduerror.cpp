#include "isduerror.h"

#include <QHash>

QString IsduError::text(uint code)
{
    static const QHash<uint, const char *> texts = {
        { 0x8000, QT_TR_NOOP("device application error") },
        { 0x8011, QT_TR_NOOP("index not available") },
        { 0x8012, QT_TR_NOOP("subindex not available") },
        { 0x8020, QT_TR_NOOP("service temporarily not available") },
        { 0x8021, QT_TR_NOOP("service temporarily not available, local control") },
        { 0x8022, QT_TR_NOOP("service temporarily not available, device control") },
        { 0x8023, QT_TR_NOOP("access denied") },
        { 0x8030, QT_TR_NOOP("value out of range") },
        { 0x8031, QT_TR_NOOP("value above limit") },
        { 0x8032, QT_TR_NOOP("value below limit") },
        { 0x8033, QT_TR_NOOP("length overrun") },
        { 0x8034, QT_TR_NOOP("length underrun") },
        { 0x8035, QT_TR_NOOP("function not available") },
        { 0x8036, QT_TR_NOOP("function temporarily unavailable") },
        { 0x8040, QT_TR_NOOP("invalid parameter set") },
        { 0x8041, QT_TR_NOOP("inconsistent parameter set") },
        { 0x8082, QT_TR_NOOP("application not ready") },
    };
    const char *known = texts.value(code);
    return known ? tr(known) : tr("ISDU error %1").arg(hex(code));
}

QString IsduError::describe(uint code)
{
    return QStringLiteral("%1 (%2)").arg(hex(code), text(code));
}

QString IsduError::hex(uint code)
{
    return QStringLiteral("0x%1").arg(code, 4, 16, QLatin1Char('0')).toUpper().replace(QLatin1String("0X"), QLatin1String("0x"));
}
