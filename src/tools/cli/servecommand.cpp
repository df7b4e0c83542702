// ovinex-cli serve-simulator: the simulated master's devices served as an Ethernet master's REST interface.

#include "clicommand.h"
#include "clicontext.h"
#include "servesimulator.h"

namespace {

const QString listenOption = QStringLiteral("listen");

} // namespace

QList<QCommandLineOption> serveOptions()
{
    return { QCommandLineOption(listenOption,
                                CliContext::text(QT_TRANSLATE_NOOP("ovinex-cli", "serve-simulator: the address and port to listen on, e.g. 127.0.0.1:8080.")),
                                QStringLiteral("HOST:PORT")) };
}

int runServeSimulator(CliContext &context)
{
    QStringList arguments = context.arguments();
    if (context.isSet(listenOption))
        arguments.prepend(QStringLiteral("--listen=") + context.parser().value(listenOption));
    return ServeSimulator::run(arguments);
}
