// The document loader: the standard definitions first, as the program loads them, then an arbitrary
// product document, with its completion (variables, process data, event table) and text lookups.
#include "fuzzsupport.h"

#include "iodd/model/iodevicet.h"

namespace DocumentLoadFuzz {

const char *const standardDefinitions = "src/resources/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml";

void setUp() {}

void runOne(const uint8_t *data, size_t size)
{
    static const QString standardPath = FuzzSupport::sourcePath(standardDefinitions);
    const QString path = FuzzSupport::writeScratchFile(data, size, QStringLiteral("product.xml"));

    IODeviceT device;
    if (!device.loadXml(standardPath, XmlDocumentKind::StandardDefinitions))
        abort();
    if (!device.loadXml(path, XmlDocumentKind::ProductDescription))
        return;
    for (const EventRecord &event : qAsConst(device.eventTable))
        (void)device.eventText(event.code);
    (void)device.translate(QStringLiteral("TI_ProductName"));
}

} // namespace DocumentLoadFuzz

OVINEX_FUZZ_ENTRY(documentLoad, DocumentLoadFuzz::setUp, DocumentLoadFuzz::runOne)
