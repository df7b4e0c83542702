// Resolution of the datatype references of process data inputs. Placeholder until the completion
// work lands.
#include "iodevicet.h"

void IODeviceT::resolveProcessDataInputs()
{
}
