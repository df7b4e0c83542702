#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Shared by the fuzz targets: silence for the code's logging (millions of runs would drown the
// fuzzer's own report), and one scratch file per process for code that reads from a path.
namespace FuzzSupport {

inline void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        fprintf(stderr, "qFatal: %s\n", qPrintable(message));
        abort();
    }
}

inline void silenceLogging()
{
    qInstallMessageHandler(quietMessages);
}

inline QString sourcePath(const char *relative)
{
    return QStringLiteral(OVINEX_SOURCE_DIR "/") + QLatin1String(relative);
}

// Writes the input to the same scratch file every time and returns its path.
inline QString writeScratchFile(const uint8_t *data, size_t size, const QString &fileName)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

} // namespace FuzzSupport

// Each target names its set-up and its run of one input. Built as a fuzzer they become libFuzzer's
// entry points; the regression test (OVINEX_FUZZ_REPLAY) includes the targets and calls them by name.
#ifdef OVINEX_FUZZ_REPLAY
#define OVINEX_FUZZ_ENTRY(name, setUp, runOne) \
    namespace FuzzReplay { \
    inline void name##SetUp() { setUp(); } \
    inline void name(const uint8_t *data, size_t size) { runOne(data, size); } \
    }
#else
#define OVINEX_FUZZ_ENTRY(name, setUp, runOne) \
    extern "C" int LLVMFuzzerInitialize(int *, char ***) \
    { \
        FuzzSupport::silenceLogging(); \
        setUp(); \
        return 0; \
    } \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) \
    { \
        runOne(data, size); \
        return 0; \
    }
#endif
