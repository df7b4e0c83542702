#pragma once

// The ten calls of the IO-Link master-access library "iqcomm", as our own C interface.
// Every provider (the vendor library or the built-in simulated master) offers exactly these.

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define IQCOMM_CALL __cdecl
#else
#define IQCOMM_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int16_t IqCommHandle;
typedef int16_t IqCommResult;

enum {
    IqCommErrorTextSize = 512,
    IqCommProcessDataBufferSize = 1024,
    IqCommParameterBufferSize = 1024,
    IqCommIdentityBufferSize = 256,
    IqCommSerialNumberSize = 18
};

enum {
    IqCommOk = 0,
    IqCommInternalError = -1,
    IqCommInterfaceNotFound = -2,
    IqCommBufferTooSmall = -3,
    IqCommWrongParameter = -4,
    IqCommOperationFailed = -5,
    IqCommWrongData = -6,
    IqCommSpecificError = -7
};

enum {
    IqCommModeInactive = 0,
    IqCommModeOperate = 5
};

// Status octet of mst_GetStatus.
enum {
    IqCommStatusPortStateMask = 0x07,
    IqCommStatusProcessDataInvalid = 0x10,
    IqCommStatusEventPending = 0x20
};

// Configuration record filled by mst_GetConfig; only the named fields are read, at the offsets asserted below.
typedef struct IqCommConfig
{
    uint8_t reserved0[8];
    int32_t revisionId;
    uint8_t reserved1[4];
    uint16_t vendorId;
    uint8_t reserved2[2];
    uint32_t deviceId;
    uint8_t reserved3[2];
    char serialNumber[IqCommSerialNumberSize];
    int32_t speed;
    uint8_t reserved4[16];
} IqCommConfig;

typedef IqCommResult(IQCOMM_CALL *IqCommGetVersionFn)(uint16_t *major, uint16_t *minor, char *errorText);
typedef IqCommHandle(IQCOMM_CALL *IqCommConnectFn)(uint8_t port, uint8_t portAgain, char *errorText);
typedef IqCommResult(IQCOMM_CALL *IqCommDisconnectFn)(IqCommHandle handle, char *errorText);
typedef IqCommResult(IQCOMM_CALL *IqCommGetConfigFn)(IqCommHandle handle, IqCommConfig *config, char *errorText);
typedef IqCommResult(IQCOMM_CALL *IqCommSetOperatingModeFn)(IqCommHandle handle, uint8_t mode, uint8_t modeAgain,
                                                            uint8_t *resultingMode, char *errorText);
typedef IqCommResult(IQCOMM_CALL *IqCommGetStatusFn)(IqCommHandle handle, uint8_t *status, uint8_t *processData,
                                                     uint16_t bufferSize, char *errorText);
typedef IqCommResult(IQCOMM_CALL *IqCommReadEventFn)(IqCommHandle handle, uint8_t *qualifier, uint16_t *code,
                                                     char *errorText);
typedef IqCommResult(IQCOMM_CALL *IqCommReadODFn)(IqCommHandle handle, uint16_t index, uint8_t subindex,
                                                  uint8_t *buffer, uint16_t bufferSize, uint16_t *isduError,
                                                  char *errorText);
typedef IqCommResult(IQCOMM_CALL *IqCommWriteODFn)(IqCommHandle handle, uint16_t index, uint8_t subindex,
                                                   const uint8_t *data, uint16_t length, uint16_t *isduError,
                                                   char *errorText);
typedef IqCommResult(IQCOMM_CALL *IqCommSetPDValueFn)(IqCommHandle handle, const uint8_t *data, uint16_t length,
                                                      char *errorText);

// One provider's entry points, in the order the library documents them.
typedef struct IqCommFunctions
{
    IqCommGetVersionFn mst_GetVersion;
    IqCommConnectFn mst_Connect;
    IqCommDisconnectFn mst_Disconnect;
    IqCommGetConfigFn mst_GetConfig;
    IqCommSetOperatingModeFn mst_SetOperatingMode;
    IqCommGetStatusFn mst_GetStatus;
    IqCommReadEventFn mst_ReadEvent;
    IqCommReadODFn mst_ReadOD;
    IqCommWriteODFn mst_WriteOD;
    IqCommSetPDValueFn mst_SetPDValue;
} IqCommFunctions;

#ifdef __cplusplus
}

static_assert(offsetof(IqCommConfig, revisionId) == 8, "revision id at offset 8");
static_assert(offsetof(IqCommConfig, vendorId) == 16, "vendor id at offset 16");
static_assert(offsetof(IqCommConfig, deviceId) == 20, "device id at offset 20");
static_assert(offsetof(IqCommConfig, serialNumber) == 26, "serial number at offset 26");
static_assert(offsetof(IqCommConfig, speed) == 44, "speed at offset 44");
static_assert(sizeof(IqCommHandle) == 2 && sizeof(IqCommResult) == 2, "handles and results are 16-bit");
#endif
