// ovinex-cli read and write: raw ISDU access to one index of a connected device.

#include "clicommand.h"
#include "clicontext.h"
#include "connection/iolinkserialdevice.h"
#include "parameterset/deviceparameteraccess.h"
#include "parameterset/isduerror.h"

#include <QEventLoop>
#include <QRegularExpression>

namespace {

// Runs one request on the device and prints its outcome as one JSON line.
int exchange(CliContext &context, const QString &port, uint index, uint subindex, const QByteArray *data)
{
    QString error;
    std::unique_ptr<IOLinkSerialDevice> device = context.connectDevice(port, &error);
    if (!device) {
        context.message(error);
        return CliUsageError;
    }
    DeviceParameterAccess access(device.get());
    DeviceParameterAccess::Answer answer;
    QEventLoop loop;
    const auto done = [&](const DeviceParameterAccess::Answer &result) {
        answer = result;
        loop.quit();
    };
    if (data)
        access.write(index, subindex, *data, done);
    else
        access.read(index, subindex, done);
    loop.exec();
    context.disconnectDevice(*device);

    QJsonObject line { { "port", port }, { "index", int(index) }, { "subindex", int(subindex) }, { "ok", answer.ok } };
    if (answer.ok && !data)
        line.insert("raw", QString::fromLatin1(answer.data.toHex()).toUpper());
    if (!answer.ok) {
        if (answer.isduError)
            line.insert("isduError", IsduError::hex(answer.isduError));
        line.insert("error", DeviceParameterAccess::failureText(answer));
        context.message(DeviceParameterAccess::failureText(answer));
    }
    context.print(line);
    return answer.ok ? CliSuccess : CliRefused;
}

} // namespace

int runRead(CliContext &context)
{
    const QStringList &arguments = context.arguments();
    uint index = 0;
    uint subindex = 0;
    if (arguments.size() != 2)
        return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "read needs a port and an index.")));
    if (!CliContext::parseAddress(arguments.at(1), &index, &subindex))
        return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Not an index: %1")).arg(arguments.at(1)));
    return exchange(context, arguments.at(0), index, subindex, nullptr);
}

int runWrite(CliContext &context)
{
    const QStringList &arguments = context.arguments();
    uint index = 0;
    uint subindex = 0;
    if (arguments.size() != 3)
        return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "write needs a port, an index and hexadecimal octets.")));
    if (!CliContext::parseAddress(arguments.at(1), &index, &subindex))
        return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Not an index: %1")).arg(arguments.at(1)));
    static const QRegularExpression hex(QStringLiteral("^([0-9A-Fa-f]{2})+$"));
    if (!hex.match(arguments.at(2)).hasMatch())
        return context.usageError(CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "Not hexadecimal octets: %1")).arg(arguments.at(2)));
    const QByteArray data = QByteArray::fromHex(arguments.at(2).toLatin1());
    return exchange(context, arguments.at(0), index, subindex, &data);
}
