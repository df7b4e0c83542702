#include "zipdirectoryscan.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QtEndian>

namespace {
constexpr quint32 endOfDirectorySignature = 0x06054b50;
constexpr quint32 directoryEntrySignature = 0x02014b50;
constexpr int endOfDirectorySize = 22;
constexpr int directoryEntrySize = 46;
constexpr int localHeaderSize = 30;
constexpr int maxCommentSize = 0xffff;
// Made-by host 3 is Unix, whose external attributes carry the file type in their upper half.
constexpr int unixHost = 3;
constexpr quint32 fileTypeMask = 0170000;
constexpr quint32 symbolicLinkType = 0120000;

quint16 word(const char *at)
{
    return qFromLittleEndian<quint16>(at);
}

quint32 longWord(const char *at)
{
    return qFromLittleEndian<quint32>(at);
}

QString tr(const char *text)
{
    return QCoreApplication::translate("ZipDirectoryScan", text);
}
} // namespace

bool ZipDirectoryScan::fail(const QString &text)
{
    error = text;
    scanned.clear();
    return false;
}

bool ZipDirectoryScan::scan(QIODevice *device)
{
    scanned.clear();
    error.clear();
    const qint64 size = device->size();
    if (size < endOfDirectorySize || !device->isReadable())
        return fail(tr("The archive is damaged: it is too short to be a zip file."));
    const qint64 tailSize = qMin<qint64>(size, endOfDirectorySize + maxCommentSize);
    if (!device->seek(size - tailSize))
        return fail(tr("The archive cannot be read."));
    const QByteArray tail = device->read(tailSize);
    if (tail.size() != tailSize)
        return fail(tr("The archive cannot be read."));
    int end = -1;
    for (int at = tail.size() - endOfDirectorySize; at >= 0; --at) {
        if (longWord(tail.constData() + at) == endOfDirectorySignature) {
            end = at;
            break;
        }
    }
    if (end < 0)
        return fail(tr("The archive is damaged: its table of contents is missing."));
    const char *record = tail.constData() + end;
    declaredCount = word(record + 10);
    const quint32 directorySize = longWord(record + 12);
    const quint32 directoryOffset = longWord(record + 16);
    if (declaredCount == 0xffff || directoryOffset == 0xffffffff || directorySize == 0xffffffff)
        return fail(tr("The archive uses the zip64 format, which IODD packages never need."));
    if (qint64(directoryOffset) + directorySize > size - (tailSize - end))
        return fail(tr("The archive is damaged: its table of contents lies outside the file."));
    if (!device->seek(directoryOffset))
        return fail(tr("The archive cannot be read."));
    const QByteArray directory = device->read(directorySize);
    if (directory.size() != qint64(directorySize))
        return fail(tr("The archive cannot be read."));
    return readEntries(directory, directoryOffset);
}

bool ZipDirectoryScan::readEntries(const QByteArray &directory, qint64 directoryOffset)
{
    int at = 0;
    for (int index = 0; index < declaredCount; ++index) {
        if (directory.size() - at < directoryEntrySize || longWord(directory.constData() + at) != directoryEntrySignature)
            return fail(tr("The archive is damaged: its table of contents is cut short."));
        const char *header = directory.constData() + at;
        const int nameLength = word(header + 28);
        const int variableLength = nameLength + word(header + 30) + word(header + 32);
        if (directory.size() - at - directoryEntrySize < variableLength)
            return fail(tr("The archive is damaged: its table of contents is cut short."));
        // Every file's own header lies before the table of contents; an offset past it points nowhere.
        if (qint64(longWord(header + 42)) + localHeaderSize > directoryOffset)
            return fail(tr("The archive is damaged: a file lies outside the archive."));
        Entry entry;
        entry.flags = word(header + 8);
        entry.compressedSize = longWord(header + 20);
        entry.size = longWord(header + 24);
        // Names are UTF-8 when flag 11 says so; older tools write code page 437, where Latin-1 is close enough.
        const QByteArray rawName(header + directoryEntrySize, nameLength);
        entry.name = (entry.flags & 0x0800) ? QString::fromUtf8(rawName) : QString::fromLatin1(rawName);
        const quint32 attributes = longWord(header + 38);
        entry.symbolicLink = (word(header + 4) >> 8) == unixHost && ((attributes >> 16) & fileTypeMask) == symbolicLinkType;
        scanned.append(entry);
        at += directoryEntrySize + variableLength;
    }
    return true;
}
