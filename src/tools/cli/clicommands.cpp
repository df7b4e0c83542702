#include "clicommand.h"

#include <QCoreApplication>

namespace {

QList<QCommandLineOption> noOptions()
{
    return {};
}

} // namespace

const QList<CliCommand> &cliCommands()
{
    static const QList<CliCommand> commands = {
        { "ports", "", QT_TRANSLATE_NOOP("ovinex-cli", "List the master ports with the device on each, one JSON object per line."),
          runPorts, noOptions },
        { "read", "PORT INDEX[.SUBINDEX]", QT_TRANSLATE_NOOP("ovinex-cli", "Read an index of the device and print its octets."),
          runRead, noOptions },
        { "write", "PORT INDEX[.SUBINDEX] HEX", QT_TRANSLATE_NOOP("ovinex-cli", "Write octets to an index of the device."),
          runWrite, noOptions },
        { "params", "save|compare|restore PORT FILE [--yes]",
          QT_TRANSLATE_NOOP("ovinex-cli", "Save the device's parameters to a file, compare them with a file, or restore them from a file."),
          runParams, paramsOptions },
    };
    return commands;
}
