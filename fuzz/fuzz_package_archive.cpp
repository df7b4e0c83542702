// The checks of an IODD package import on arbitrary archive bytes: the directory scan, the limits, zips in
// zips and the inflation of every entry, without writing anything.
#include "fuzzsupport.h"

#include "iodd/package/packagearchive.h"

#include <QBuffer>

namespace PackageArchiveFuzz {

void setUp() {}

void runOne(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        abort();
    PackageArchive archive;
    // A refusal must always say why.
    if (!archive.check(&buffer) && archive.errorString().isEmpty())
        abort();
}

} // namespace PackageArchiveFuzz

OVINEX_FUZZ_ENTRY(packageArchive, PackageArchiveFuzz::setUp, PackageArchiveFuzz::runOne)
