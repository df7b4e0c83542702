// The catalogue's quick scan of one IODD file, on arbitrary file content.
#include "fuzzsupport.h"

#include "iodd/catalogue/ioddentry.h"

namespace CatalogueScanFuzz {

void setUp() {}

void runOne(const uint8_t *data, size_t size)
{
    const QString path = FuzzSupport::writeScratchFile(data, size, QStringLiteral("Vendor-Device-IODD1.1.xml"));
    IODDEntry entry{QFileInfo(path), QStringList()};
    entry.parse();
    // What the catalogue shows of the entry, so every path that fills it is exercised.
    (void)entry.isValid();
    (void)entry.getFirstDeviceIconPath();
    (void)entry.getFirstDeviceSymbolPath();
    (void)entry.isMatchingProductId(entry.getProductName());
    (void)entry.getDeviceIconPath(entry.getVendorName());
}

} // namespace CatalogueScanFuzz

OVINEX_FUZZ_ENTRY(catalogueScan, CatalogueScanFuzz::setUp, CatalogueScanFuzz::runOne)
