// The simulated master's ISDU write path on the sample device: a sequence of writes (index,
// subindex, octets), each followed by a read of what was written, events drained as a poll would.
// Input: records of index (2 octets, big-endian), subindex, length, then that many octets.
#include "fuzzinput.h"
#include "fuzzsupport.h"

#include "master/simulatedmaster.h"

#include <vector>

namespace SimulatedIsduWriteFuzz {

const char *const sampleDevice = "src/resources/iolink/sample/Korvell-OVX100-20261201-IODD1.1.xml";
const char *const standardDefinitions = "src/resources/iolink/standard/StandardDefinitions/IODD-StandardDefinitions1.1.xml";
constexpr uint16_t systemCommandIndex = 2;
constexpr uint8_t restoreFactorySettings = 0x82;
constexpr uint8_t locate = 175;

IqCommHandle handle = -1;

void drainEvents()
{
    const IqCommFunctions &master = SimulatedMaster::functions();
    char errorText[IqCommErrorTextSize];
    uint8_t qualifier = 0;
    uint16_t code = 0;
    // The queue is bounded; more rounds than that would mean it never empties.
    for (int i = 0; i < 1000; ++i) {
        if (master.mst_ReadEvent(handle, &qualifier, &code, errorText) != IqCommOk)
            return;
    }
    abort();
}

// Every input starts from the same device state.
void restoreDevice()
{
    const IqCommFunctions &master = SimulatedMaster::functions();
    char errorText[IqCommErrorTextSize];
    uint16_t isduError = 0;
    if (master.mst_WriteOD(handle, systemCommandIndex, 0, &restoreFactorySettings, 1, &isduError, errorText) != IqCommOk)
        abort();
    if (SimulatedMaster::instance().isLocating(1))
        master.mst_WriteOD(handle, systemCommandIndex, 0, &locate, 1, &isduError, errorText);
    drainEvents();
}

void setUp()
{
    SimulatedMaster &simulated = SimulatedMaster::instance();
    simulated.setStandardDefinitionsPath(FuzzSupport::sourcePath(standardDefinitions));
    simulated.setDeviceFiles({FuzzSupport::sourcePath(sampleDevice)});
    simulated.setTime(0);
    const IqCommFunctions &master = SimulatedMaster::functions();
    char errorText[IqCommErrorTextSize] = {};
    handle = master.mst_Connect(1, 1, errorText);
    uint8_t mode = 0;
    if (handle < 0 || master.mst_SetOperatingMode(handle, IqCommModeOperate, IqCommModeOperate, &mode, errorText) != IqCommOk) {
        fprintf(stderr, "The sample device does not start: %s\n", errorText);
        abort();
    }
}

void runOne(const uint8_t *data, size_t size)
{
    restoreDevice();
    const IqCommFunctions &master = SimulatedMaster::functions();
    FuzzInput input(data, size);
    char errorText[IqCommErrorTextSize];
    std::vector<uint8_t> buffer(IqCommParameterBufferSize);
    while (input.remaining() >= 4) {
        const uint16_t index = input.integral<uint16_t>();
        const uint8_t subindex = input.integral<uint8_t>();
        const std::vector<uint8_t> octets = input.bytes(input.integral<uint8_t>());
        uint16_t isduError = 0;
        const IqCommResult written = master.mst_WriteOD(handle, index, subindex, octets.data(), uint16_t(octets.size()),
                                                        &isduError, errorText);
        // A refusal carries an ISDU error code; an accepted write carries none.
        if ((written == IqCommOk) != (isduError == 0))
            abort();
        const IqCommResult read = master.mst_ReadOD(handle, index, subindex, buffer.data(), uint16_t(buffer.size()),
                                                    &isduError, errorText);
        if (read > IqCommParameterBufferSize)
            abort();
        uint8_t status = 0;
        master.mst_GetStatus(handle, &status, buffer.data(), uint16_t(buffer.size()), errorText);
        if (status & IqCommStatusEventPending)
            drainEvents();
    }
}

} // namespace SimulatedIsduWriteFuzz

OVINEX_FUZZ_ENTRY(simulatedIsduWrite, SimulatedIsduWriteFuzz::setUp, SimulatedIsduWriteFuzz::runOne)
