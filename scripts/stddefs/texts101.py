"""Our own English, German and French texts for the IODD 1.0.1 standard definitions, keyed by text id.

Most ids name the same thing as an id of the 1.1 definitions and take its wording; the rest are
written here.
"""

from texts import TEXTS

SAME_AS_1_1 = {
    "STD_TI_Reserved": "STD_TN_Reserved",
    "STD_TI_DirectParameters1": "STD_TN_V_DirectParameters_1",
    "STD_TI_MasterCycleTime": "STD_TN_MasterCycleTime",
    "STD_TI_MinCycleTime": "STD_TN_MinCycleTime",
    "STD_TI_ProcessDataIn": "STD_TN_ProcessDataIn",
    "STD_TI_ProcessDataOut": "STD_TN_ProcessDataOut",
    "STD_TI_VendorID1": "STD_TN_VendorID1",
    "STD_TI_VendorID2": "STD_TN_VendorID2",
    "STD_TI_DeviceID1": "STD_TN_DeviceID1",
    "STD_TI_DeviceID2": "STD_TN_DeviceID2",
    "STD_TI_DeviceID3": "STD_TN_DeviceID3",
    "STD_TI_DirectParameters2": "STD_TN_V_DirectParameters_2",
    "STD_TI_OffsetTime": "STD_TN_V_OffsetTime",
    "STD_TI_SystemCommand": "STD_TN_V_SystemCommand",
    "STD_TI_SystemCommand_DeviceReset": "STD_TN_SystemCommand_DeviceReset",
    "STD_TI_SystemCommand_ApplicationReset": "STD_TN_SystemCommand_ApplicationReset",
    "STD_TI_SystemCommand_RestoreFactorySetting": "STD_TN_SystemCommand_RestoreFactorySettings",
    "STD_TI_SystemCommand_BackToBox": "STD_TN_SystemCommand_BackToBox",
    "STD_TI_VendorName": "STD_TN_V_VendorName",
    "STD_TI_VendorText": "STD_TN_V_VendorText",
    "STD_TI_ProductName": "STD_TN_V_ProductName",
    "STD_TI_ProductID": "STD_TN_V_ProductID",
    "STD_TI_ProductText": "STD_TN_V_ProductText",
    "STD_TI_SerialNumber": "STD_TN_V_SerialNumber",
    "STD_TI_HardwareRevision": "STD_TN_V_HardwareRevision",
    "STD_TI_FirmwareRevision": "STD_TN_V_FirmwareRevision",
    "STD_TI_ApplicationSpecificName": "STD_TN_V_ApplicationSpecificTag",
    "STD_TI_ErrorCount": "STD_TN_V_ErrorCount",
    "STD_TI_ProcessDataInput": "STD_TN_V_ProcessDataInput",
    "STD_TI_ProcessDataOutput": "STD_TN_V_ProcessDataOutput",
}

TEXTS_1_0_1 = {key: TEXTS[value] for key, value in SAME_AS_1_1.items()}
TEXTS_1_0_1.update({
    "STD_TI_FrameCapability": ("Frame capability", "Rahmenfähigkeit", "Capacité de trame"),
    "STD_TI_IOLinkRevisionID": ("IO-Link revision", "IO-Link-Revision", "Révision IO-Link"),
    "STD_TI_LastEvent": ("Last event", "Letztes Ereignis", "Dernier événement"),
    "STD_TI_LastEvent_Qualifier": ("Event qualifier", "Ereignis-Qualifier", "Qualificatif de l'événement"),
    "STD_TI_LastEvent_Code": ("Event code", "Ereigniscode", "Code de l'événement"),
})
for n in range(1, 13):
    TEXTS_1_0_1["STD_TI_DeviceSpecific_%d" % n] = TEXTS["STD_TN_DeviceSpecific_%d" % n]
