// ovinex-cli iodd import|list|remove: the IODD folder's packages, with the same rules as IODD Management.

#include "app/applicationsettings.h"
#include "clicommand.h"
#include "clicontext.h"
#include "iodd/package/ioddfolder.h"
#include "iodd/package/ioddimporter.h"
#include "iodd/package/ioddlisting.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

namespace {

int importPackages(CliContext &context, const QString &folder, const QStringList &files)
{
    if (files.isEmpty())
        return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "iodd import needs at least one file.")));
    QDir().mkpath(folder);
    IoddImporter importer(folder);
    const QList<IoddImportResult> results = importer.importFiles(files);
    for (const IoddImportResult &result : results)
        context.print(QJsonObject::fromVariantMap(result.toMap()));
    return IoddImporter::allSucceeded(results) ? CliSuccess : CliRefused;
}

int listPackages(CliContext &context, const QString &folder)
{
    for (const QJsonObject &line : IoddListing::describe(folder))
        context.print(line);
    return CliSuccess;
}

int removePackage(CliContext &context, const QString &folder, const QString &path)
{
    QString error;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!IoddFolder(folder).remove(absolute, &error)) {
        context.message(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "%1 was not removed: %2")).arg(path, error));
        return CliUsageError;
    }
    context.print(QJsonObject{ { QStringLiteral("removed"), absolute } });
    return CliSuccess;
}

} // namespace

int runIodd(CliContext &context)
{
    QStringList arguments = context.arguments();
    const QString action = arguments.isEmpty() ? QString() : arguments.takeFirst();
    const QString folder = ApplicationSettings::instance()->getIoddSearchPath();
    if (action == QLatin1String("import"))
        return importPackages(context, folder, arguments);
    if (action == QLatin1String("list") && arguments.isEmpty())
        return listPackages(context, folder);
    if (action == QLatin1String("remove") && arguments.size() == 1)
        return removePackage(context, folder, arguments.first());
    return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Use iodd import FILE..., iodd list or iodd remove PATH.")));
}
