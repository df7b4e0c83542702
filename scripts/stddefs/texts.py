"""Our own English, German and French texts for the standard definitions, keyed by text id."""

TEXTS = {
    "STD_TN_Reserved": ("Reserved", "Reserviert", "Réservé"),
    "STD_TN_V_DirectParameters_1": ("Direct parameter page 1", "Direktparameterseite 1", "Paramètres directs, page 1"),
    "STD_TD_V_DirectParameters_1": (
        "Communication settings and identification values with which the master checks the device.",
        "Kommunikationseinstellungen und Kennungen, mit denen der Master das Gerät prüft.",
        "Réglages de communication et identifiants avec lesquels le maître vérifie l'appareil."),
    "STD_TN_MasterCycleTime": ("Master cycle time", "Master-Zykluszeit", "Temps de cycle du maître"),
    "STD_TD_MasterCycleTime": (
        "Communication: the cycle time the master is using now; it sets the process data cycle.",
        "Kommunikation: die Zykluszeit, die der Master gerade verwendet; sie bestimmt den Prozessdatenzyklus.",
        "Communication : temps de cycle utilisé actuellement par le maître ; il détermine le cycle des données process."),
    "STD_TN_MinCycleTime": ("Minimum cycle time", "Minimale Zykluszeit", "Temps de cycle minimal"),
    "STD_TD_MinCycleTime": (
        "Communication: the shortest cycle time the device supports, and so the fastest possible process data cycle.",
        "Kommunikation: die kürzeste Zykluszeit, die das Gerät unterstützt, und damit der schnellstmögliche Prozessdatenzyklus.",
        "Communication : temps de cycle le plus court accepté par l'appareil, donc le cycle de données process le plus rapide possible."),
    "STD_TN_M-SequenceCapability": ("M-sequence capability", "M-Sequenz-Fähigkeit", "Capacité M-sequence"),
    "STD_TD_M-SequenceCapability": (
        "Communication: the message types and message features the device supports.",
        "Kommunikation: die Nachrichtentypen und Nachrichtenfunktionen, die das Gerät unterstützt.",
        "Communication : types et fonctions de messages pris en charge par l'appareil."),
    "STD_TN_RevisionID": ("IO-Link revision", "IO-Link-Revision", "Révision IO-Link"),
    "STD_TD_RevisionID": (
        "Communication: revision of the communication protocol in use.",
        "Kommunikation: Revision des verwendeten Kommunikationsprotokolls.",
        "Communication : révision du protocole de communication utilisé."),
    "STD_TN_ProcessDataIn": ("Input process data length", "Länge der Eingangsprozessdaten", "Longueur des données process d'entrée"),
    "STD_TD_ProcessDataIn": (
        "Communication: size and properties of the process data that the device sends to the master.",
        "Kommunikation: Größe und Eigenschaften der Prozessdaten, die das Gerät an den Master sendet.",
        "Communication : taille et propriétés des données process que l'appareil envoie au maître."),
    "STD_TN_ProcessDataOut": ("Output process data length", "Länge der Ausgangsprozessdaten", "Longueur des données process de sortie"),
    "STD_TD_ProcessDataOut": (
        "Communication: size of the process data that the master sends to the device.",
        "Kommunikation: Größe der Prozessdaten, die der Master an das Gerät sendet.",
        "Communication : taille des données process que le maître envoie à l'appareil."),
    "STD_TN_VendorID1": ("Vendor ID, high octet", "Hersteller-ID, oberes Oktett", "ID fabricant, octet de poids fort"),
    "STD_TD_VendorID1": (
        "Identification: most significant octet of the 16-bit vendor ID that the IO-Link Community assigns; with the low octet it forms the whole ID.",
        "Identifikation: höherwertiges Oktett der 16-Bit-Hersteller-ID, die von der IO-Link Community vergeben wird; zusammen mit dem unteren Oktett ergibt es die vollständige ID.",
        "Identification : octet de poids fort de l'ID fabricant sur 16 bits attribué par l'IO-Link Community ; avec l'octet de poids faible, il forme l'ID complet."),
    "STD_TN_VendorID2": ("Vendor ID, low octet", "Hersteller-ID, unteres Oktett", "ID fabricant, octet de poids faible"),
    "STD_TD_VendorID2": (
        "Identification: least significant octet of the 16-bit vendor ID that the IO-Link Community assigns; with the high octet it forms the whole ID.",
        "Identifikation: niederwertiges Oktett der 16-Bit-Hersteller-ID, die von der IO-Link Community vergeben wird; zusammen mit dem oberen Oktett ergibt es die vollständige ID.",
        "Identification : octet de poids faible de l'ID fabricant sur 16 bits attribué par l'IO-Link Community ; avec l'octet de poids fort, il forme l'ID complet."),
    "STD_TN_DeviceID1": ("Device ID, high octet", "Geräte-ID, oberes Oktett", "ID appareil, octet de poids fort"),
    "STD_TD_DeviceID1": (
        "Identification: most significant octet of the vendor's 24-bit device ID; with the middle and low octets it forms the whole ID.",
        "Identifikation: höchstwertiges Oktett der 24-Bit-Geräte-ID des Herstellers; zusammen mit dem mittleren und dem unteren Oktett ergibt es die vollständige ID.",
        "Identification : octet de poids fort de l'ID appareil du fabricant sur 24 bits ; avec l'octet du milieu et l'octet de poids faible, il forme l'ID complet."),
    "STD_TN_DeviceID2": ("Device ID, middle octet", "Geräte-ID, mittleres Oktett", "ID appareil, octet du milieu"),
    "STD_TD_DeviceID2": (
        "Identification: middle octet of the vendor's 24-bit device ID; with the high and low octets it forms the whole ID.",
        "Identifikation: mittleres Oktett der 24-Bit-Geräte-ID des Herstellers; zusammen mit dem oberen und dem unteren Oktett ergibt es die vollständige ID.",
        "Identification : octet du milieu de l'ID appareil du fabricant sur 24 bits ; avec les octets de poids fort et de poids faible, il forme l'ID complet."),
    "STD_TN_DeviceID3": ("Device ID, low octet", "Geräte-ID, unteres Oktett", "ID appareil, octet de poids faible"),
    "STD_TD_DeviceID3": (
        "Identification: least significant octet of the vendor's 24-bit device ID; with the high and middle octets it forms the whole ID.",
        "Identifikation: niederwertigstes Oktett der 24-Bit-Geräte-ID des Herstellers; zusammen mit dem oberen und dem mittleren Oktett ergibt es die vollständige ID.",
        "Identification : octet de poids faible de l'ID appareil du fabricant sur 24 bits ; avec les octets de poids fort et du milieu, il forme l'ID complet."),
    "STD_TN_SystemCommand_Sub16": ("System command", "Systemkommando", "Commande système"),
    "STD_TD_SystemCommand_Sub16": (
        "Application: command input for devices without ISDU; commands are neither checked nor acknowledged.",
        "Applikation: Kommandoeingang für Geräte ohne ISDU; Kommandos werden weder geprüft noch quittiert.",
        "Application : entrée de commandes pour les appareils sans ISDU ; les commandes ne sont ni vérifiées ni acquittées."),
    "STD_TN_V_DirectParameters_2": ("Direct parameter page 2", "Direktparameterseite 2", "Paramètres directs, page 2"),
    "STD_TD_V_DirectParameters_2": (
        "Parameters for devices that offer no ISDU access.",
        "Parameter für Geräte, die keinen ISDU-Zugriff bieten.",
        "Paramètres des appareils qui n'offrent pas d'accès ISDU."),
    "STD_TN_V_SystemCommand": ("System command", "Systemkommando", "Commande système"),
    "STD_TD_V_SystemCommand": (
        "Starts a device function; a positive response means that the function has been carried out completely and correctly.",
        "Startet eine Gerätefunktion; eine positive Antwort bedeutet, dass die Funktion vollständig und korrekt ausgeführt wurde.",
        "Lance une fonction de l'appareil ; une réponse positive signifie que la fonction a été exécutée entièrement et correctement."),
    "STD_TN_SystemCommand_DeviceReset": ("Reset device", "Gerät zurücksetzen", "Réinitialiser l'appareil"),
    "STD_TN_SystemCommand_ApplicationReset": ("Reset application", "Applikation zurücksetzen", "Réinitialiser l'application"),
    "STD_TN_SystemCommand_RestoreFactorySettings": ("Restore factory defaults", "Werkseinstellungen wiederherstellen", "Rétablir les réglages d'usine"),
    "STD_TN_SystemCommand_ParamUploadStart": ("Start parameter upload", "Parameter-Upload starten", "Démarrer le téléversement des paramètres"),
    "STD_TN_SystemCommand_ParamUploadEnd": ("End parameter upload", "Parameter-Upload beenden", "Terminer le téléversement des paramètres"),
    "STD_TN_SystemCommand_ParamDownloadStart": ("Start parameter download", "Parameter-Download starten", "Démarrer le téléchargement des paramètres"),
    "STD_TN_SystemCommand_ParamDownloadEnd": ("End parameter download", "Parameter-Download beenden", "Terminer le téléchargement des paramètres"),
    "STD_TN_SystemCommand_ParamDownloadStore": ("Store parameters", "Parameter speichern", "Enregistrer les paramètres"),
    "STD_TN_SystemCommand_ParamBreak": ("Cancel parameter transfer", "Parameterübertragung abbrechen", "Annuler le transfert des paramètres"),
    "STD_TN_SystemCommand_BackToBox": ("Return to delivery state", "Zurück in den Auslieferungszustand", "Retour à l'état de livraison"),
    "STD_TN_V_DeviceAccessLocks": ("Device access locks", "Gerätezugriffssperren", "Verrouillages d'accès à l'appareil"),
    "STD_TD_V_DeviceAccessLocks": (
        "The flags of this parameter restrict access to the parameters of the device.",
        "Die Bits dieses Parameters schränken den Zugriff auf die Geräteparameter ein.",
        "Les bits de ce paramètre restreignent l'accès aux paramètres de l'appareil."),
    "STD_TN_ParameterAccess": ("Parameter write lock", "Parameter-Schreibsperre", "Verrouillage de l'écriture des paramètres"),
    "STD_TD_ParameterAccess": (
        "While set, no read/write parameter can be written, apart from the device access locks themselves.",
        "Solange gesetzt, kann kein Schreib-/Leseparameter geschrieben werden, mit Ausnahme der Gerätezugriffssperren selbst.",
        "Tant qu'il est activé, aucun paramètre en lecture/écriture ne peut être écrit, à l'exception des verrouillages d'accès eux-mêmes."),
    "STD_TN_DataStorage": ("Data storage lock", "Datenhaltungssperre", "Verrouillage de la sauvegarde des données"),
    "STD_TD_DataStorage": (
        "While set, the data storage mechanism cannot write the parameters of the device.",
        "Solange gesetzt, kann der Datenhaltungsmechanismus die Geräteparameter nicht schreiben.",
        "Tant qu'il est activé, le mécanisme de sauvegarde des données ne peut pas écrire les paramètres de l'appareil."),
    "STD_TN_LocalParameterization": ("Local parameterization lock", "Sperre der lokalen Parametrierung", "Verrouillage du paramétrage local"),
    "STD_TD_LocalParameterization": (
        "While set, the settings cannot be changed with the operating elements on the device.",
        "Solange gesetzt, lassen sich die Einstellungen nicht über die Bedienelemente am Gerät ändern.",
        "Tant qu'il est activé, les réglages ne peuvent pas être modifiés avec les éléments de commande de l'appareil."),
    "STD_TN_LocalUserInterface": ("Local user interface lock", "Sperre der lokalen Bedienoberfläche", "Verrouillage de l'interface locale"),
    "STD_TD_LocalUserInterface": (
        "While set, the local user interface of the device is switched off: neither its settings nor its display can be reached there.",
        "Solange gesetzt, ist die lokale Bedienoberfläche des Geräts abgeschaltet: weder Einstellungen noch Anzeige sind dort erreichbar.",
        "Tant qu'il est activé, l'interface locale de l'appareil est désactivée : ni ses réglages ni son affichage n'y sont accessibles."),
    "STD_TN_locked": ("Locked", "Gesperrt", "Verrouillé"),
    "STD_TN_unlocked": ("Unlocked", "Freigegeben", "Déverrouillé"),
    "STD_TN_V_VendorName": ("Vendor name", "Herstellername", "Nom du fabricant"),
    "STD_TD_V_VendorName": (
        "Name of the vendor to whom the vendor ID belongs.",
        "Name des Herstellers, dem die Hersteller-ID gehört.",
        "Nom du fabricant auquel appartient l'ID fabricant."),
    "STD_TN_V_VendorText": ("Vendor text", "Herstellertext", "Texte du fabricant"),
    "STD_TD_V_VendorText": (
        "Further information about the vendor.",
        "Weitere Angaben zum Hersteller.",
        "Informations complémentaires sur le fabricant."),
    "STD_TN_V_ProductName": ("Product name", "Produktname", "Nom du produit"),
    "STD_TD_V_ProductName": (
        "Full name of the product.",
        "Vollständiger Name des Produkts.",
        "Nom complet du produit."),
    "STD_TN_V_ProductID": ("Product ID", "Produkt-ID", "ID produit"),
    "STD_TD_V_ProductID": (
        "The vendor's product or type designation, such as an order or model number.",
        "Produkt- oder Typbezeichnung des Herstellers, etwa eine Bestell- oder Modellnummer.",
        "Désignation du produit ou du type par le fabricant, par exemple une référence de commande ou un numéro de modèle."),
    "STD_TN_V_ProductText": ("Product text", "Produkttext", "Texte du produit"),
    "STD_TD_V_ProductText": (
        "Further information about the product.",
        "Weitere Angaben zum Produkt.",
        "Informations complémentaires sur le produit."),
    "STD_TN_V_SerialNumber": ("Serial number", "Seriennummer", "Numéro de série"),
    "STD_TD_V_SerialNumber": (
        "Vendor-specific number that identifies this particular device.",
        "Herstellerspezifische Nummer, die genau dieses Gerät kennzeichnet.",
        "Numéro propre au fabricant qui identifie cet appareil précis."),
    "STD_TN_V_HardwareRevision": ("Hardware revision", "Hardware-Revision", "Révision du matériel"),
    "STD_TD_V_HardwareRevision": (
        "Vendor-specific designation of the hardware version of this device.",
        "Herstellerspezifische Bezeichnung des Hardwarestands dieses Geräts.",
        "Désignation propre au fabricant de la version matérielle de cet appareil."),
    "STD_TN_V_FirmwareRevision": ("Firmware revision", "Firmware-Revision", "Révision du micrologiciel"),
    "STD_TD_V_FirmwareRevision": (
        "Vendor-specific designation of the firmware version of this device.",
        "Herstellerspezifische Bezeichnung des Firmwarestands dieses Geräts.",
        "Désignation propre au fabricant de la version du micrologiciel de cet appareil."),
    "STD_TN_V_ApplicationSpecificTag": ("Application tag", "Anlagenkennzeichen", "Repère d'application"),
    "STD_TD_V_ApplicationSpecificTag": (
        "Free text with which the user labels the device for its task in the plant.",
        "Freier Text, mit dem der Anwender das Gerät für seine Aufgabe in der Anlage kennzeichnet.",
        "Texte libre avec lequel l'utilisateur repère l'appareil selon sa fonction dans l'installation."),
    "STD_TN_V_ErrorCount": ("Error count", "Fehlerzähler", "Compteur d'erreurs"),
    "STD_TD_V_ErrorCount": (
        "Number of application errors since the device was switched on or restarted.",
        "Anzahl der Applikationsfehler seit dem Einschalten oder Neustart des Geräts.",
        "Nombre d'erreurs de l'application depuis la mise sous tension ou le redémarrage de l'appareil."),
    "STD_TN_V_DeviceStatus": ("Device status", "Gerätestatus", "État de l'appareil"),
    "STD_TD_V_DeviceStatus": (
        "Summary of the present condition and diagnosis of the device.",
        "Zusammenfassung von aktuellem Zustand und Diagnose des Geräts.",
        "Synthèse de l'état actuel et du diagnostic de l'appareil."),
    "STD_TN_DeviceStatus_OK": ("Operating properly", "Gerät in Ordnung", "Fonctionnement normal"),
    "STD_TN_DeviceStatus_MaintenanceRequired": ("Needs maintenance", "Wartung erforderlich", "Maintenance nécessaire"),
    "STD_TN_DeviceStatus_OutOfSpecification": ("Outside specification", "Außerhalb der Spezifikation", "Hors spécification"),
    "STD_TN_DeviceStatus_FunctionalCheck": ("Function check", "Funktionsprüfung", "Contrôle de fonctionnement"),
    "STD_TN_DeviceStatus_Failure": ("Failure", "Ausfall", "Défaillance"),
    "STD_TN_V_DetailedDeviceStatus": ("Detailed device status", "Detaillierter Gerätestatus", "État détaillé de l'appareil"),
    "STD_TD_V_DetailedDeviceStatus": (
        "Every event that is currently pending in the device.",
        "Alle Ereignisse, die im Gerät gerade anstehen.",
        "Tous les événements actuellement en cours dans l'appareil."),
    "STD_TN_V_ProcessDataInput": ("Process data input", "Prozessdaten Eingang", "Données process d'entrée"),
    "STD_TD_V_ProcessDataInput": (
        "The most recent valid input process data of the device.",
        "Die zuletzt gültigen Eingangsprozessdaten des Geräts.",
        "Dernières données process d'entrée valides de l'appareil."),
    "STD_TN_V_ProcessDataOutput": ("Process data output", "Prozessdaten Ausgang", "Données process de sortie"),
    "STD_TD_V_ProcessDataOutput": (
        "The most recent valid output process data sent to the device.",
        "Die zuletzt gültigen Ausgangsprozessdaten, die an das Gerät gesendet wurden.",
        "Dernières données process de sortie valides envoyées à l'appareil."),
    "STD_TN_V_OffsetTime": ("Offset time", "Offsetzeit", "Temps de décalage"),
    "STD_TD_V_OffsetTime": (
        "Shifts the application of the device against the communication cycle by an adjustable time, chosen within the cycle time limits (see minimum cycle time).",
        "Verschiebt die Applikation des Geräts gegenüber dem Kommunikationszyklus um eine einstellbare Zeit, die innerhalb der Zykluszeitgrenzen liegt (siehe minimale Zykluszeit).",
        "Décale l'application de l'appareil par rapport au cycle de communication d'un temps réglable, choisi dans les limites du temps de cycle (voir temps de cycle minimal)."),

    # ISDU error types
    "STD_TN_0x8000": ("Application error without details", "Applikationsfehler ohne Details", "Erreur de l'application sans détails"),
    "STD_TD_0x8000": (
        "The application of the device refused the request; no cause is known.",
        "Die Applikation des Geräts hat die Anfrage abgelehnt; eine Ursache ist nicht bekannt.",
        "L'application de l'appareil a refusé la requête ; aucune cause n'est connue."),
    "STD_TN_0x8011": ("Index does not exist", "Index nicht vorhanden", "Index inexistant"),
    "STD_TD_0x8011": (
        "The index that was read or written does not exist.",
        "Der gelesene oder geschriebene Index existiert nicht.",
        "L'index lu ou écrit n'existe pas."),
    "STD_TN_0x8012": ("Subindex does not exist", "Subindex nicht vorhanden", "Sous-index inexistant"),
    "STD_TD_0x8012": (
        "The subindex that was read or written does not exist in this index.",
        "Der gelesene oder geschriebene Subindex existiert in diesem Index nicht.",
        "Le sous-index lu ou écrit n'existe pas dans cet index."),
    "STD_TN_0x8020": ("Service unavailable for now", "Dienst vorübergehend nicht verfügbar", "Service momentanément indisponible"),
    "STD_TD_0x8020": (
        "The parameter cannot be accessed in the present state of the application.",
        "Auf den Parameter kann im aktuellen Zustand der Applikation nicht zugegriffen werden.",
        "Le paramètre n'est pas accessible dans l'état actuel de l'application."),
    "STD_TN_0x8021": ("Unavailable for now: local operation", "Vorübergehend nicht verfügbar: lokale Bedienung", "Momentanément indisponible : commande locale"),
    "STD_TD_0x8021": (
        "The parameter cannot be accessed while an operation started on the device itself is running.",
        "Auf den Parameter kann nicht zugegriffen werden, solange ein am Gerät selbst gestarteter Vorgang läuft.",
        "Le paramètre n'est pas accessible tant qu'une opération lancée sur l'appareil lui-même est en cours."),
    "STD_TN_0x8022": ("Unavailable for now: remote operation", "Vorübergehend nicht verfügbar: Fernbedienung", "Momentanément indisponible : commande à distance"),
    "STD_TD_0x8022": (
        "The parameter cannot be accessed while an operation started remotely is running.",
        "Auf den Parameter kann nicht zugegriffen werden, solange ein aus der Ferne gestarteter Vorgang läuft.",
        "Le paramètre n'est pas accessible tant qu'une opération lancée à distance est en cours."),
    "STD_TN_0x8023": ("Access refused", "Zugriff verweigert", "Accès refusé"),
    "STD_TD_0x8023": (
        "A read-only parameter was written, or a write-only parameter was read.",
        "Ein nur lesbarer Parameter wurde geschrieben oder ein nur schreibbarer Parameter gelesen.",
        "Un paramètre en lecture seule a été écrit, ou un paramètre en écriture seule a été lu."),
    "STD_TN_0x8030": ("Value out of range", "Wert außerhalb des Bereichs", "Valeur hors plage"),
    "STD_TD_0x8030": (
        "The value written lies outside the allowed range.",
        "Der geschriebene Wert liegt außerhalb des zulässigen Bereichs.",
        "La valeur écrite se trouve en dehors de la plage autorisée."),
    "STD_TN_0x8031": ("Value above limit", "Wert über dem Grenzwert", "Valeur au-dessus de la limite"),
    "STD_TD_0x8031": (
        "The value written is higher than the upper limit.",
        "Der geschriebene Wert ist größer als die obere Grenze.",
        "La valeur écrite dépasse la limite supérieure."),
    "STD_TN_0x8032": ("Value below limit", "Wert unter dem Grenzwert", "Valeur au-dessous de la limite"),
    "STD_TD_0x8032": (
        "The value written is lower than the lower limit.",
        "Der geschriebene Wert ist kleiner als die untere Grenze.",
        "La valeur écrite est inférieure à la limite inférieure."),
    "STD_TN_0x8033": ("Data too long", "Daten zu lang", "Données trop longues"),
    "STD_TD_0x8033": (
        "The data written are longer than the parameter allows.",
        "Die geschriebenen Daten sind länger, als der Parameter erlaubt.",
        "Les données écrites sont plus longues que le paramètre ne le permet."),
    "STD_TN_0x8034": ("Data too short", "Daten zu kurz", "Données trop courtes"),
    "STD_TD_0x8034": (
        "The data written are shorter than the parameter requires.",
        "Die geschriebenen Daten sind kürzer, als der Parameter verlangt.",
        "Les données écrites sont plus courtes que le paramètre ne l'exige."),
    "STD_TN_0x8035": ("Function not available", "Funktion nicht verfügbar", "Fonction non disponible"),
    "STD_TD_0x8035": (
        "The application does not support the command that was written.",
        "Die Applikation unterstützt das geschriebene Kommando nicht.",
        "L'application ne prend pas en charge la commande écrite."),
    "STD_TN_0x8036": ("Function unavailable for now", "Funktion vorübergehend nicht verfügbar", "Fonction momentanément indisponible"),
    "STD_TD_0x8036": (
        "The command written cannot be carried out in the present state of the application.",
        "Das geschriebene Kommando kann im aktuellen Zustand der Applikation nicht ausgeführt werden.",
        "La commande écrite ne peut pas être exécutée dans l'état actuel de l'application."),
    "STD_TN_0x8040": ("Invalid parameter set", "Ungültiger Parametersatz", "Jeu de paramètres invalide"),
    "STD_TD_0x8040": (
        "The value written conflicts with other parameter settings.",
        "Der geschriebene Wert widerspricht anderen Parametereinstellungen.",
        "La valeur écrite est en conflit avec d'autres réglages de paramètres."),
    "STD_TN_0x8041": ("Inconsistent parameter set", "Widersprüchlicher Parametersatz", "Jeu de paramètres incohérent"),
    "STD_TD_0x8041": (
        "The plausibility check of the device failed at the end of a block parameter transfer.",
        "Die Plausibilitätsprüfung des Geräts ist am Ende einer Blockparametrierung fehlgeschlagen.",
        "Le contrôle de plausibilité de l'appareil a échoué à la fin d'un transfert de paramètres par bloc."),
    "STD_TN_0x8082": ("Application not ready", "Applikation nicht bereit", "Application non prête"),
    "STD_TD_0x8082": (
        "Access refused: the application is unavailable for the moment.",
        "Zugriff verweigert: die Applikation ist im Moment nicht verfügbar.",
        "Accès refusé : l'application est momentanément indisponible."),

    # events
    "STD_TN_0x0000": ("No fault", "Keine Störung", "Aucun défaut"),
    "STD_TN_0x1000": ("General fault", "Allgemeine Störung", "Défaut général"),
    "STD_TD_0x1000": ("Cause unknown", "Ursache unbekannt", "Cause inconnue"),
    "STD_TN_0x4000": ("Temperature fault", "Temperaturfehler", "Défaut de température"),
    "STD_TD_0x4000": ("Device overloaded", "Gerät überlastet", "Appareil surchargé"),
    "STD_TN_0x4210": ("Device too hot", "Gerätetemperatur zu hoch", "Température de l'appareil trop élevée"),
    "STD_TD_0x4210": ("Remove the source of heat", "Wärmequelle beseitigen", "Éliminer la source de chaleur"),
    "STD_TN_0x4220": ("Device too cold", "Gerätetemperatur zu niedrig", "Température de l'appareil trop basse"),
    "STD_TD_0x4220": ("Insulate the device", "Gerät isolieren", "Isoler l'appareil"),
    "STD_TN_0x5000": ("Hardware fault", "Hardwarefehler", "Défaut matériel"),
    "STD_TD_0x5000": ("Replace the device", "Gerät austauschen", "Remplacer l'appareil"),
    "STD_TN_0x5010": ("Component fault", "Bauteilfehler", "Défaut de composant"),
    "STD_TD_0x5010": ("Repair or replace", "Reparieren oder austauschen", "Réparer ou remplacer"),
    "STD_TN_0x5011": ("Non-volatile memory lost", "Nichtflüchtiger Speicher verloren", "Perte de la mémoire non volatile"),
    "STD_TD_0x5011": ("Check the batteries", "Batterien prüfen", "Vérifier les piles"),
    "STD_TN_0x5012": ("Battery low", "Batterie schwach", "Piles faibles"),
    "STD_TD_0x5012": ("Replace the batteries", "Batterien austauschen", "Remplacer les piles"),
    "STD_TN_0x5100": ("Power supply fault", "Fehler der Spannungsversorgung", "Défaut d'alimentation"),
    "STD_TD_0x5100": ("Check the supply", "Versorgung prüfen", "Vérifier l'alimentation"),
    "STD_TN_0x5101": ("Fuse blown or open", "Sicherung ausgelöst oder offen", "Fusible grillé ou ouvert"),
    "STD_TD_0x5101": ("Check or replace the fuse", "Sicherung prüfen oder ersetzen", "Vérifier ou remplacer le fusible"),
    "STD_TN_0x5110": ("Supply voltage too high", "Versorgungsspannung zu hoch", "Tension d'alimentation trop élevée"),
    "STD_TD_0x5110": ("Check the permitted voltage range", "Zulässigen Spannungsbereich prüfen", "Vérifier la plage de tension admissible"),
    "STD_TN_0x5111": ("Supply voltage too low", "Versorgungsspannung zu niedrig", "Tension d'alimentation trop basse"),
    "STD_TD_0x5111": ("Check the permitted voltage range", "Zulässigen Spannungsbereich prüfen", "Vérifier la plage de tension admissible"),
    "STD_TN_0x5112": ("Secondary supply voltage fault (port class B)", "Fehler der zweiten Versorgungsspannung (Port Class B)", "Défaut de la tension d'alimentation secondaire (port de classe B)"),
    "STD_TD_0x5112": ("Check the permitted voltage range", "Zulässigen Spannungsbereich prüfen", "Vérifier la plage de tension admissible"),
    "STD_TN_0x6000": ("Software fault", "Softwarefehler", "Défaut logiciel"),
    "STD_TD_0x6000": ("Check the firmware version", "Firmwarestand prüfen", "Vérifier la version du micrologiciel"),
    "STD_TN_0x6320": ("Parameter fault", "Parameterfehler", "Défaut de paramètre"),
    "STD_TD_0x6320": ("Check the data sheet and the values", "Datenblatt und Werte prüfen", "Vérifier la fiche technique et les valeurs"),
    "STD_TN_0x6321": ("Parameter missing", "Parameter fehlt", "Paramètre manquant"),
    "STD_TD_0x6321": ("Check the data sheet", "Datenblatt prüfen", "Vérifier la fiche technique"),
    "STD_TN_0x7700": ("Wire break at a subordinate device", "Drahtbruch an einem untergeordneten Gerät", "Rupture de fil sur un appareil subordonné"),
    "STD_TN_0x7710": ("Short circuit", "Kurzschluss", "Court-circuit"),
    "STD_TN_0x7711": ("Earth fault", "Erdschluss", "Défaut à la terre"),
    "STD_TN_0x8C00": ("Application fault", "Applikationsfehler", "Défaut de l'application"),
    "STD_TD_0x8C00": ("Reset the device", "Gerät zurücksetzen", "Réinitialiser l'appareil"),
    "STD_TN_0x8C01": ("Simulation running", "Simulation läuft", "Simulation en cours"),
    "STD_TD_0x8C01": ("Check the operating mode", "Betriebsart prüfen", "Vérifier le mode de fonctionnement"),
    "STD_TN_0x8C10": ("Process value above range", "Prozesswert über dem Bereich", "Valeur process au-dessus de la plage"),
    "STD_TD_0x8C10": ("Process data not reliable", "Prozessdaten unsicher", "Données process incertaines"),
    "STD_TN_0x8C20": ("Measuring range exceeded", "Messbereich überschritten", "Plage de mesure dépassée"),
    "STD_TD_0x8C20": ("Check the application", "Anwendung prüfen", "Vérifier l'application"),
    "STD_TN_0x8C30": ("Process value below range", "Prozesswert unter dem Bereich", "Valeur process au-dessous de la plage"),
    "STD_TD_0x8C30": ("Process data not reliable", "Prozessdaten unsicher", "Données process incertaines"),
    "STD_TN_0x8C40": ("Maintenance: cleaning needed", "Wartung: Reinigung nötig", "Maintenance : nettoyage nécessaire"),
    "STD_TD_0x8C40": ("Clean the device", "Gerät reinigen", "Nettoyer l'appareil"),
    "STD_TN_0x8C41": ("Maintenance: refill needed", "Wartung: Nachfüllen nötig", "Maintenance : remplissage nécessaire"),
    "STD_TD_0x8C41": ("Refill the device", "Gerät nachfüllen", "Remplir l'appareil"),
    "STD_TN_0x8C42": ("Maintenance: worn parts", "Wartung: Verschleißteile", "Maintenance : pièces d'usure"),
    "STD_TD_0x8C42": ("Replace the worn parts", "Verschleißteile ersetzen", "Remplacer les pièces d'usure"),
}

for n in range(1, 17):
    TEXTS["STD_TN_DeviceSpecific_%d" % n] = (
        "Device parameter %d" % n, "Geräteparameter %d" % n, "Paramètre d'appareil %d" % n)

TEXTS["STD_TD_0x7700"] = ("Check the installation", "Installation prüfen", "Vérifier l'installation")
for n in range(1, 16):
    TEXTS["STD_TN_0x77%02X" % n] = (
        "Wire break at subordinate device %d" % n,
        "Drahtbruch an untergeordnetem Gerät %d" % n,
        "Rupture de fil sur l'appareil subordonné %d" % n)
    TEXTS["STD_TD_0x77%02X" % n] = TEXTS["STD_TD_0x7700"]
TEXTS["STD_TD_0x7710"] = TEXTS["STD_TD_0x7700"]
TEXTS["STD_TD_0x7711"] = TEXTS["STD_TD_0x7700"]
