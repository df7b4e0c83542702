#pragma once

#include <KZip>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtEndian>

// Zip files built at test time: through KArchive's writer, or byte by byte where a hostile case needs
// fields that no well-behaved writer produces.
namespace TestZips {

struct RawEntry
{
    QByteArray name;
    QByteArray data;
    quint16 flags = 0;
    quint16 madeBy = 20;
    quint32 externalAttributes = 0;
    qint64 declaredSize = -1;
    qint64 declaredCompressedSize = -1;
    qint64 declaredOffset = -1;
};

inline quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

inline void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// The fields a local header and its central directory record share: version needed, flags, stored,
// no time, checksum, sizes, name length, no extra field.
inline void putSharedFields(QByteArray &out, const RawEntry &entry)
{
    const quint32 size = entry.declaredSize >= 0 ? quint32(entry.declaredSize) : quint32(entry.data.size());
    const quint32 compressed = entry.declaredCompressedSize >= 0 ? quint32(entry.declaredCompressedSize) : quint32(entry.data.size());
    for (const quint16 field : { quint16(20), entry.flags, quint16(0) })
        put16(out, field);
    for (const quint32 field : { quint32(0), crc32(entry.data), compressed, size })
        put32(out, field);
    put16(out, entry.name.size());
    put16(out, 0);
}

// Stored (uncompressed) entries; sizes may be declared other than they are.
inline QByteArray rawZip(const QList<RawEntry> &entries)
{
    QByteArray out;
    QByteArray directory;
    for (const RawEntry &entry : entries) {
        const quint32 offset = out.size();
        put32(out, 0x04034b50);
        putSharedFields(out, entry);
        out += entry.name;
        out += entry.data;

        put32(directory, 0x02014b50);
        put16(directory, entry.madeBy);
        putSharedFields(directory, entry);
        // No comment, disk 0, no internal attributes.
        for (int field = 0; field < 3; ++field)
            put16(directory, 0);
        put32(directory, entry.externalAttributes);
        put32(directory, entry.declaredOffset >= 0 ? quint32(entry.declaredOffset) : offset);
        directory += entry.name;
    }
    const quint32 directoryOffset = out.size();
    out += directory;
    put32(out, 0x06054b50);
    // Disk 0, directory on disk 0, the entries on this disk and in all.
    for (const quint16 field : { quint16(0), quint16(0), quint16(entries.size()), quint16(entries.size()) })
        put16(out, field);
    put32(out, directory.size());
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}

// A deflated zip through KArchive's writer: name and content pairs.
inline bool writeZip(const QString &path, const QList<QPair<QString, QByteArray>> &files)
{
    KZip zip(path);
    if (!zip.open(QIODevice::WriteOnly))
        return false;
    for (const auto &file : files) {
        if (!zip.writeFile(file.first, file.second))
            return false;
    }
    return zip.close();
}

} // namespace TestZips
