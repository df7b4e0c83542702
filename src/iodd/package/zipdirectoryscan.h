#pragma once

#include <QList>
#include <QString>

class QIODevice;

// Reads a zip's central directory as stored, before any library normalises it: the entry names as written,
// the encryption flag and the file type that the checks of a package need.
class ZipDirectoryScan
{
public:
    struct Entry
    {
        QString name;
        quint16 flags = 0;
        qint64 compressedSize = 0;
        qint64 size = 0;
        bool symbolicLink = false;

        bool isEncrypted() const { return flags & 0x0001; }
        bool isDirectory() const { return name.endsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('\\')); }
    };

    // Fails on anything that is not a complete, plain zip directory (a zip64 archive included).
    bool scan(QIODevice *device);

    QList<Entry> entries() const { return scanned; }
    int entryCount() const { return declaredCount; }
    QString errorString() const { return error; }

private:
    bool fail(const QString &text);
    bool readEntries(const QByteArray &directory, qint64 directoryOffset);

    QList<Entry> scanned;
    int declaredCount = 0;
    QString error;
};
