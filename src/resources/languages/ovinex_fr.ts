<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ApplicationSettings</name>
    <message>
        <source>Copyright © 2026 Korvell GmbH. All rights reserved.</source>
        <translation>Copyright © 2026 Korvell GmbH. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>CommunicationHandler</name>
    <message>
        <source>Setting value failed for (%1, %2)

%3.

Value read again.</source>
        <translation>Échec de la définition de la valeur pour (%1, %2)

%3.

Valeur relue.</translation>
    </message>
    <message>
        <source>Setting value succeeded for (%1, %2)</source>
        <translation>Valeur définie avec succès pour (%1, %2)</translation>
    </message>
    <message>
        <source>Unsupported index.</source>
        <translation>Index non pris en charge.</translation>
    </message>
</context>
<context>
    <name>ContentDesktop</name>
    <message>
        <source>Ovinex IOLink Suite - Korvell GmbH</source>
        <translation>Ovinex IOLink Suite - Korvell GmbH</translation>
    </message>
</context>
<context>
    <name>DevicePages</name>
    <message>
        <source>Identification</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>No device selected.
Please select a device from the list on the left.</source>
        <translation>Aucun appareil sélectionné.
Veuillez sélectionner un appareil dans la liste à gauche.</translation>
    </message>
</context>
<context>
    <name>DevicesPane</name>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
</context>
<context>
    <name>IODDEntry</name>
    <message>
        <source>undefined</source>
        <translation>non défini</translation>
    </message>
</context>
<context>
    <name>IOLinkDevice</name>
    <message>
        <source>IOLink not connected</source>
        <translation>IO-Link non connecté</translation>
    </message>
    <message>
        <source>No device description (IODD) is known for this device.</source>
        <translation>Aucune description d&apos;appareil (IODD) n&apos;est connue pour cet appareil.</translation>
    </message>
    <message>
        <source>The device description %1 could not be read.</source>
        <translation>La description d&apos;appareil %1 n&apos;a pas pu être lue.</translation>
    </message>
</context>
<context>
    <name>IOLinkSerialDevice</name>
    <message>
        <source>Event: %1
Code: %2
Mode: %3</source>
        <translation>Événement : %1
Code : %2
Mode : %3</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>Single Shot</source>
        <translation>Unique</translation>
    </message>
    <message>
        <source>Disappear</source>
        <translation>Disparition</translation>
    </message>
    <message>
        <source>Appear</source>
        <translation>Apparition</translation>
    </message>
    <message>
        <source>No Device (communication)</source>
        <translation>Aucun appareil (communication)</translation>
    </message>
    <message>
        <source>Startup parametrization error – check parameter</source>
        <translation>Erreur de paramétrage au démarrage – vérifier les paramètres</translation>
    </message>
    <message>
        <source>Incorrect VendorID – Inspection Level mismatch</source>
        <translation>VendorID incorrect – niveau d’inspection non concordant</translation>
    </message>
    <message>
        <source>Incorrect DeviceID – Inspection Level mismatch</source>
        <translation>DeviceID incorrect – niveau d’inspection non concordant</translation>
    </message>
    <message>
        <source>Short circuit at C/Q – check wire connection</source>
        <translation>Court-circuit sur C/Q – vérifier le câblage</translation>
    </message>
    <message>
        <source>Overtemperature – check Master temperature and load</source>
        <translation>Surchauffe – vérifier la température et la charge du maître</translation>
    </message>
    <message>
        <source>Short circuit at L+ – check wire connection</source>
        <translation>Court-circuit sur L+ – vérifier le câblage</translation>
    </message>
    <message>
        <source>Overcurrent at L+ – check power supply (e.g. L1+)</source>
        <translation>Surintensité sur L+ – vérifier l’alimentation (p. ex. L1+)</translation>
    </message>
    <message>
        <source>Backup inconsistency – memory out of range (2048 octets)</source>
        <translation>Sauvegarde incohérente – mémoire dépassée (2048 octets)</translation>
    </message>
    <message>
        <source>Backup inconsistency – identity fault</source>
        <translation>Sauvegarde incohérente – erreur d’identité</translation>
    </message>
    <message>
        <source>Backup inconsistency – Data Storage unspecific error</source>
        <translation>Sauvegarde incohérente – erreur non spécifique du stockage des données</translation>
    </message>
    <message>
        <source>Backup inconsistency – upload fault</source>
        <translation>Sauvegarde incohérente – erreur de téléversement</translation>
    </message>
    <message>
        <source>Parameter inconsistency – download fault</source>
        <translation>Paramètres incohérents – erreur de téléchargement</translation>
    </message>
    <message>
        <source>P24 (Class B) missing or undervoltage</source>
        <translation>P24 (Class B) absente ou sous-tension</translation>
    </message>
    <message>
        <source>Short circuit at P24 (Class B) – check wire connection (e.g. L2+)</source>
        <translation>Court-circuit sur P24 (Class B) – vérifier le câblage (p. ex. L2+)</translation>
    </message>
    <message>
        <source>Short circuit at I/Q – check wiring</source>
        <translation>Court-circuit sur I/Q – vérifier le câblage</translation>
    </message>
    <message>
        <source>Short circuit at C/Q (if digital output) – check wiring</source>
        <translation>Court-circuit sur C/Q (si sortie numérique) – vérifier le câblage</translation>
    </message>
    <message>
        <source>Overcurrent at I/Q – check load</source>
        <translation>Surintensité sur I/Q – vérifier la charge</translation>
    </message>
    <message>
        <source>Overcurrent at C/Q (if digital output) – check load</source>
        <translation>Surintensité sur C/Q (si sortie numérique) – vérifier la charge</translation>
    </message>
    <message>
        <source>Invalid cycle time</source>
        <translation>Temps de cycle non valide</translation>
    </message>
    <message>
        <source>Revision fault – incompatible protocol version</source>
        <translation>Erreur de révision – version de protocole incompatible</translation>
    </message>
    <message>
        <source>ISDU batch failed – parameter inconsistency?</source>
        <translation>Lot ISDU échoué – paramètres incohérents ?</translation>
    </message>
    <message>
        <source>DL: Device plugged in – PD stop</source>
        <translation>DL : appareil branché – arrêt des données de process</translation>
    </message>
    <message>
        <source>Device communication lost</source>
        <translation>Communication avec l’appareil perdue</translation>
    </message>
    <message>
        <source>Data Storage identification mismatch</source>
        <translation>Stockage des données : identification non concordante</translation>
    </message>
    <message>
        <source>Data Storage buffer overflow</source>
        <translation>Stockage des données : dépassement de tampon</translation>
    </message>
    <message>
        <source>Data Storage parameter access denied</source>
        <translation>Stockage des données : accès aux paramètres refusé</translation>
    </message>
    <message>
        <source>Port status changed</source>
        <translation>État du port modifié</translation>
    </message>
    <message>
        <source>Data Storage upload completed and new data object available</source>
        <translation>Stockage des données : téléversement terminé, nouvel objet de données disponible</translation>
    </message>
    <message>
        <source>Incorrect Event signalling</source>
        <translation>Signalisation d’événement incorrecte</translation>
    </message>
    <message>
        <source>Data Storage upload request</source>
        <translation>Stockage des données : demande de téléversement</translation>
    </message>
</context>
<context>
    <name>IqCommCommunicationHandler</name>
    <message>
        <source>IO-Link device inaccessible on %1.</source>
        <translation>Appareil IO-Link inaccessible sur %1.</translation>
    </message>
    <message>
        <source>IO-Link error on %1.

ISDU error: %2, code: %3.</source>
        <translation>Erreur IO-Link sur %1.

Erreur ISDU : %2, code : %3.</translation>
    </message>
    <message>
        <source>IOLink communication error</source>
        <translation>Erreur de communication IO-Link</translation>
    </message>
    <message>
        <source>IOLink device disconnected</source>
        <translation>Appareil IO-Link déconnecté</translation>
    </message>
    <message>
        <source>IOLink lost connection</source>
        <translation>Connexion IO-Link perdue</translation>
    </message>
    <message>
        <source>IOLink not conected</source>
        <translation>IO-Link non connecté</translation>
    </message>
    <message>
        <source>IOLink not connected</source>
        <translation>IO-Link non connecté</translation>
    </message>
</context>
<context>
    <name>IqCommConnectionHandler</name>
    <message>
        <source>The serial port %1 does not name a master port number.</source>
        <translation>Le port série %1 n’indique aucun numéro de port maître.</translation>
    </message>
</context>
<context>
    <name>MainHeader</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Manage IODDs</source>
        <translation>Gérer les IODD</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>ProcessDataHandler</name>
    <message>
        <source>The file %1 could not be opened for writing. The process data was copied to the clipboard instead.</source>
        <translation>Impossible d’ouvrir le fichier %1 en écriture. Les données de processus ont été copiées dans le presse-papiers à la place.</translation>
    </message>
    <message>
        <source>The file %1 could not be written. The process data was copied to the clipboard instead.</source>
        <translation>Impossible d’écrire le fichier %1. Les données de processus ont été copiées dans le presse-papiers à la place.</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
</context>
<context>
    <name>ovinex-check</name>
    <message>
        <source>Runs IODD files through a simulated connection and prints one JSON object per file.</source>
        <translation>Vérifie des fichiers IODD par une connexion simulée et affiche un objet JSON par fichier.</translation>
    </message>
    <message>
        <source>Simulated seconds of process data polling.</source>
        <translation>Secondes simulées de lecture des données process.</translation>
    </message>
    <message>
        <source>Language of the texts: en, de or fr.</source>
        <translation>Langue des textes : en, de ou fr.</translation>
    </message>
    <message>
        <source>Write the whole log to stderr.</source>
        <translation>Écrire le journal complet sur stderr.</translation>
    </message>
    <message>
        <source>IODD files or folders to check.</source>
        <translation>Fichiers IODD ou dossiers à vérifier.</translation>
    </message>
</context>
</TS>
