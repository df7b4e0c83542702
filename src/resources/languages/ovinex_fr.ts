<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
  <context>
    <name>AboutDialog</name>
    <message>
      <source>About</source>
      <translation>À propos</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Inconnu</translation>
    </message>
    <message>
      <source>Version</source>
      <translation>Version</translation>
    </message>
  </context>
  <context>
    <name>ApplicationSettings</name>
    <message>
      <source>Copyright © 2026 Korvell GmbH. All rights reserved.</source>
      <translation>Copyright © 2026 Korvell GmbH. Tous droits réservés.</translation>
    </message>
  </context>
  <context>
    <name>ChartSettingsDialog</name>
    <message>
      <source>Chart Settings</source>
      <translation>Réglages du graphique</translation>
    </message>
    <message>
      <source>Max</source>
      <translation>Max</translation>
    </message>
    <message>
      <source>Min</source>
      <translation>Min</translation>
    </message>
    <message>
      <source>X axis limits [s]. Applies to all charts.</source>
      <translation>Limites de l'axe X [s]. S'applique à tous les graphiques.</translation>
    </message>
    <message>
      <source>Y axis limits</source>
      <translation>Limites de l'axe Y</translation>
    </message>
  </context>
  <context>
    <name>CommandConfirmDialog</name>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Run</source>
      <translation>Exécuter</translation>
    </message>
    <message>
      <source>Run command?</source>
      <translation>Exécuter la commande ?</translation>
    </message>
    <message>
      <source>Send the command "%1" to %2?</source>
      <translation>Envoyer la commande « %1 » à %2 ?</translation>
    </message>
    <message>
      <source>Send the command "%1" to the device?</source>
      <translation>Envoyer la commande « %1 » à l'appareil ?</translation>
    </message>
  </context>
  <context>
    <name>CommunicationDialog</name>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
      <source>Command</source>
      <translation>Commande</translation>
    </message>
    <message>
      <source>Communication</source>
      <translation>Communication</translation>
    </message>
    <message>
      <source>Communication log saved to %1.</source>
      <translation>Journal de communication enregistré dans %1.</translation>
    </message>
    <message>
      <source>Hide polling (repeated reads)</source>
      <translation>Masquer l'interrogation (lectures répétées)</translation>
    </message>
    <message>
      <source>Index</source>
      <translation>Index</translation>
    </message>
    <message>
      <source>Length</source>
      <translation>Longueur</translation>
    </message>
    <message>
      <source>Message</source>
      <translation>Message</translation>
    </message>
    <message>
      <source>No communication recorded.</source>
      <translation>Aucune communication enregistrée.</translation>
    </message>
    <message>
      <source>Origin</source>
      <translation>Origine</translation>
    </message>
    <message>
      <source>Read</source>
      <translation>Lecture</translation>
    </message>
    <message>
      <source>Received</source>
      <translation>Reçu</translation>
    </message>
    <message>
      <source>Save as CSV</source>
      <translation>Enregistrer en CSV</translation>
    </message>
    <message>
      <source>Save the communication log</source>
      <translation>Enregistrer le journal de communication</translation>
    </message>
    <message>
      <source>Sent</source>
      <translation>Envoyé</translation>
    </message>
    <message>
      <source>Sub</source>
      <translation>Sous</translation>
    </message>
    <message>
      <source>Subindex</source>
      <translation>Sous-index</translation>
    </message>
    <message>
      <source>This device keeps no communication log.</source>
      <translation>Cet appareil ne tient pas de journal de communication.</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Heure</translation>
    </message>
    <message>
      <source>Variable</source>
      <translation>Variable</translation>
    </message>
    <message>
      <source>Write</source>
      <translation>Écriture</translation>
    </message>
    <message>
      <source>clear</source>
      <translation>effacer</translation>
    </message>
  </context>
  <context>
    <name>CommunicationFilterModel</name>
    <message>
      <source>Command</source>
      <translation>Commande</translation>
    </message>
    <message>
      <source>Index</source>
      <translation>Index</translation>
    </message>
    <message>
      <source>Length</source>
      <translation>Longueur</translation>
    </message>
    <message>
      <source>Message</source>
      <translation>Message</translation>
    </message>
    <message>
      <source>Origin</source>
      <translation>Origine</translation>
    </message>
    <message>
      <source>Subindex</source>
      <translation>Sous-index</translation>
    </message>
    <message>
      <source>The file %1 could not be written: %2</source>
      <translation>Impossible d'écrire le fichier %1 : %2</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Heure</translation>
    </message>
    <message>
      <source>Variable</source>
      <translation>Variable</translation>
    </message>
  </context>
  <context>
    <name>CommunicationHandler</name>
    <message>
      <source>Setting value failed for %1: %2

The device's value was read again.</source>
      <translation>Échec de la définition de la valeur pour %1 : %2

La valeur de l'appareil a été relue.</translation>
    </message>
    <message>
      <source>Setting value failed for (%1, %2)

%3.

Value read again.</source>
      <translation>Échec de la définition de la valeur pour (%1, %2)

%3.

Valeur relue.</translation>
    </message>
    <message>
      <source>Setting value succeeded for %1</source>
      <translation>Valeur définie avec succès pour %1</translation>
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
    <name>ConnectionDialog</name>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Connecting</source>
      <translation>Connexion en cours</translation>
    </message>
    <message>
      <source>Updating Parameter </source>
      <translation>Mise à jour des paramètres </translation>
    </message>
    <message>
      <source>Waiting For Device</source>
      <translation>En attente de l'appareil</translation>
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
    <name>DeviceHealth</name>
    <message>
      <source>Device is operating properly</source>
      <translation>L'appareil fonctionne correctement</translation>
    </message>
    <message>
      <source>Failure</source>
      <translation>Défaillance</translation>
    </message>
    <message>
      <source>Functional check</source>
      <translation>Contrôle de fonctionnement</translation>
    </message>
    <message>
      <source>Maintenance required</source>
      <translation>Maintenance requise</translation>
    </message>
    <message>
      <source>Not read yet</source>
      <translation>Pas encore lu</translation>
    </message>
    <message>
      <source>Out of specification</source>
      <translation>Hors spécification</translation>
    </message>
    <message>
      <source>Reserved status %1</source>
      <translation>État réservé %1</translation>
    </message>
  </context>
  <context>
    <name>DevicePages</name>
    <message>
      <source>Diagnosis</source>
      <translation>Diagnostic</translation>
    </message>
    <message>
      <source>Events</source>
      <translation>Événements</translation>
    </message>
    <message>
      <source>Events (%1)</source>
      <translation>Événements (%1)</translation>
    </message>
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
    <message>
      <source>Observation</source>
      <translation>Observation</translation>
    </message>
    <message>
      <source>Parameters</source>
      <translation>Paramètres</translation>
    </message>
    <message>
      <source>Process Data</source>
      <translation>Données de process</translation>
    </message>
    <message>
      <source>Quickstart</source>
      <translation>Démarrage rapide</translation>
    </message>
  </context>
  <context>
    <name>DeviceParameterAccess</name>
    <message>
      <source>The connection to the device was lost.</source>
      <translation>La connexion à l'appareil a été perdue.</translation>
    </message>
    <message>
      <source>The device is not connected.</source>
      <translation>L'appareil n'est pas connecté.</translation>
    </message>
  </context>
  <context>
    <name>DeviceRow</name>
    <message>
      <source>(Latest IODD)</source>
      <translation>(IODD la plus récente)</translation>
    </message>
    <message>
      <source>(Missing IODD)</source>
      <translation>(IODD manquante)</translation>
    </message>
    <message>
      <source>(Sensor not accessible)</source>
      <translation>(Capteur inaccessible)</translation>
    </message>
    <message>
      <source>Connect</source>
      <translation>Connecter</translation>
    </message>
    <message>
      <source>Disconnect</source>
      <translation>Déconnecter</translation>
    </message>
  </context>
  <context>
    <name>DevicesPane</name>
    <message>
      <source>Devices</source>
      <translation>Appareils</translation>
    </message>
    <message>
      <source>No devices found.</source>
      <translation>Aucun appareil trouvé.</translation>
    </message>
    <message>
      <source>Search for devices.</source>
      <translation>Rechercher des appareils.</translation>
    </message>
  </context>
  <context>
    <name>DialogButtons</name>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Fermer</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>EventHistoryModel</name>
    <message>
      <source>Appears</source>
      <translation>Apparaît</translation>
    </message>
    <message>
      <source>Cannot write %1: %2</source>
      <translation>Impossible d'écrire %1 : %2</translation>
    </message>
    <message>
      <source>Device</source>
      <translation>Appareil</translation>
    </message>
    <message>
      <source>Disappears</source>
      <translation>Disparaît</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Erreur</translation>
    </message>
    <message>
      <source>Master</source>
      <translation>Maître</translation>
    </message>
    <message>
      <source>No file was chosen.</source>
      <translation>Aucun fichier n'a été choisi.</translation>
    </message>
    <message>
      <source>Notification</source>
      <translation>Notification</translation>
    </message>
    <message>
      <source>Single</source>
      <translation>Unique</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Inconnu</translation>
    </message>
    <message>
      <source>Warning</source>
      <translation>Avertissement</translation>
    </message>
  </context>
  <context>
    <name>EventsPage</name>
    <message>
      <source>%1 (active)</source>
      <translation>%1 (actif)</translation>
    </message>
    <message>
      <source>Active only</source>
      <translation>Actifs seulement</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
      <source>Clear</source>
      <translation>Effacer</translation>
    </message>
    <message>
      <source>Clear events</source>
      <translation>Effacer les événements</translation>
    </message>
    <message>
      <source>Code</source>
      <translation>Code</translation>
    </message>
    <message>
      <source>Mode</source>
      <translation>Mode</translation>
    </message>
    <message>
      <source>No active events.</source>
      <translation>Aucun événement actif.</translation>
    </message>
    <message>
      <source>No events in this session.</source>
      <translation>Aucun événement dans cette session.</translation>
    </message>
    <message>
      <source>Please choose a file</source>
      <translation>Veuillez choisir un fichier</translation>
    </message>
    <message>
      <source>Remove all events of this session from the list?</source>
      <translation>Retirer de la liste tous les événements de cette session ?</translation>
    </message>
    <message>
      <source>Save…</source>
      <translation>Enregistrer…</translation>
    </message>
    <message>
      <source>Saving failed</source>
      <translation>Échec de l'enregistrement</translation>
    </message>
    <message>
      <source>Source</source>
      <translation>Source</translation>
    </message>
    <message>
      <source>Text</source>
      <translation>Texte</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Heure</translation>
    </message>
    <message>
      <source>Type</source>
      <translation>Type</translation>
    </message>
  </context>
  <context>
    <name>HealthBadge</name>
    <message>
      <source>%1 %2: %3</source>
      <translation>%1 %2 : %3</translation>
    </message>
    <message>
      <source>Device status</source>
      <translation>État de l'appareil</translation>
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
      <translation>Aucune description d'appareil (IODD) n'est connue pour cet appareil.</translation>
    </message>
    <message>
      <source>Setting the process data output failed: %1

The output shows the device's value again.</source>
      <translation>Échec de la définition de la sortie des données process : %1

La sortie affiche de nouveau la valeur de l'appareil.</translation>
    </message>
    <message>
      <source>The device description %1 could not be read.</source>
      <translation>La description d'appareil %1 n'a pas pu être lue.</translation>
    </message>
  </context>
  <context>
    <name>IOLinkSerialDevice</name>
    <message>
      <source>Appear</source>
      <translation>Apparition</translation>
    </message>
    <message>
      <source>Backup inconsistency – Data Storage unspecific error</source>
      <translation>Sauvegarde incohérente – erreur non spécifique du stockage des données</translation>
    </message>
    <message>
      <source>Backup inconsistency – identity fault</source>
      <translation>Sauvegarde incohérente – erreur d’identité</translation>
    </message>
    <message>
      <source>Backup inconsistency – memory out of range (2048 octets)</source>
      <translation>Sauvegarde incohérente – mémoire dépassée (2048 octets)</translation>
    </message>
    <message>
      <source>Backup inconsistency – upload fault</source>
      <translation>Sauvegarde incohérente – erreur de téléversement</translation>
    </message>
    <message>
      <source>DL: Device plugged in – PD stop</source>
      <translation>DL : appareil branché – arrêt des données de process</translation>
    </message>
    <message>
      <source>Data Storage buffer overflow</source>
      <translation>Stockage des données : dépassement de tampon</translation>
    </message>
    <message>
      <source>Data Storage identification mismatch</source>
      <translation>Stockage des données : identification non concordante</translation>
    </message>
    <message>
      <source>Data Storage parameter access denied</source>
      <translation>Stockage des données : accès aux paramètres refusé</translation>
    </message>
    <message>
      <source>Data Storage upload completed and new data object available</source>
      <translation>Stockage des données : téléversement terminé, nouvel objet de données disponible</translation>
    </message>
    <message>
      <source>Data Storage upload request</source>
      <translation>Stockage des données : demande de téléversement</translation>
    </message>
    <message>
      <source>Device communication lost</source>
      <translation>Communication avec l’appareil perdue</translation>
    </message>
    <message>
      <source>Disappear</source>
      <translation>Disparition</translation>
    </message>
    <message>
      <source>Event: %1
Code: %2
Mode: %3</source>
      <translation>Événement : %1
Code : %2
Mode : %3</translation>
    </message>
    <message>
      <source>ISDU batch failed – parameter inconsistency?</source>
      <translation>Lot ISDU échoué – paramètres incohérents ?</translation>
    </message>
    <message>
      <source>Incorrect DeviceID – Inspection Level mismatch</source>
      <translation>DeviceID incorrect – niveau d’inspection non concordant</translation>
    </message>
    <message>
      <source>Incorrect Event signalling</source>
      <translation>Signalisation d’événement incorrecte</translation>
    </message>
    <message>
      <source>Incorrect VendorID – Inspection Level mismatch</source>
      <translation>VendorID incorrect – niveau d’inspection non concordant</translation>
    </message>
    <message>
      <source>Invalid cycle time</source>
      <translation>Temps de cycle non valide</translation>
    </message>
    <message>
      <source>No Device (communication)</source>
      <translation>Aucun appareil (communication)</translation>
    </message>
    <message>
      <source>Overcurrent at C/Q (if digital output) – check load</source>
      <translation>Surintensité sur C/Q (si sortie numérique) – vérifier la charge</translation>
    </message>
    <message>
      <source>Overcurrent at I/Q – check load</source>
      <translation>Surintensité sur I/Q – vérifier la charge</translation>
    </message>
    <message>
      <source>Overcurrent at L+ – check power supply (e.g. L1+)</source>
      <translation>Surintensité sur L+ – vérifier l’alimentation (p. ex. L1+)</translation>
    </message>
    <message>
      <source>Overtemperature – check Master temperature and load</source>
      <translation>Surchauffe – vérifier la température et la charge du maître</translation>
    </message>
    <message>
      <source>P24 (Class B) missing or undervoltage</source>
      <translation>P24 (Class B) absente ou sous-tension</translation>
    </message>
    <message>
      <source>Parameter inconsistency – download fault</source>
      <translation>Paramètres incohérents – erreur de téléchargement</translation>
    </message>
    <message>
      <source>Port status changed</source>
      <translation>État du port modifié</translation>
    </message>
    <message>
      <source>Revision fault – incompatible protocol version</source>
      <translation>Erreur de révision – version de protocole incompatible</translation>
    </message>
    <message>
      <source>Short circuit at C/Q (if digital output) – check wiring</source>
      <translation>Court-circuit sur C/Q (si sortie numérique) – vérifier le câblage</translation>
    </message>
    <message>
      <source>Short circuit at C/Q – check wire connection</source>
      <translation>Court-circuit sur C/Q – vérifier le câblage</translation>
    </message>
    <message>
      <source>Short circuit at I/Q – check wiring</source>
      <translation>Court-circuit sur I/Q – vérifier le câblage</translation>
    </message>
    <message>
      <source>Short circuit at L+ – check wire connection</source>
      <translation>Court-circuit sur L+ – vérifier le câblage</translation>
    </message>
    <message>
      <source>Short circuit at P24 (Class B) – check wire connection (e.g. L2+)</source>
      <translation>Court-circuit sur P24 (Class B) – vérifier le câblage (p. ex. L2+)</translation>
    </message>
    <message>
      <source>Single Shot</source>
      <translation>Unique</translation>
    </message>
    <message>
      <source>Startup parametrization error – check parameter</source>
      <translation>Erreur de paramétrage au démarrage – vérifier les paramètres</translation>
    </message>
    <message>
      <source>Undefined</source>
      <translation>Non défini</translation>
    </message>
  </context>
  <context>
    <name>IdentificationPage</name>
    <message>
      <source>Communication</source>
      <translation>Communication</translation>
    </message>
    <message>
      <source>Device ID</source>
      <translation>ID appareil</translation>
    </message>
    <message>
      <source>IODD Version</source>
      <translation>Version IODD</translation>
    </message>
    <message>
      <source>Multiple IODDs found</source>
      <translation>Plusieurs IODD trouvées</translation>
    </message>
    <message>
      <source>No device selected.
Please select a device from the list on the left.</source>
      <translation>Aucun appareil sélectionné.
Veuillez sélectionner un appareil dans la liste de gauche.</translation>
    </message>
    <message>
      <source>Product ID</source>
      <translation>ID produit</translation>
    </message>
    <message>
      <source>Product Name</source>
      <translation>Nom du produit</translation>
    </message>
    <message>
      <source>Serial Number</source>
      <translation>Numéro de série</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Inconnu</translation>
    </message>
    <message>
      <source>Using latest version</source>
      <translation>Utilisation de la version la plus récente</translation>
    </message>
    <message>
      <source>Vendor ID</source>
      <translation>ID fabricant</translation>
    </message>
    <message>
      <source>Vendor Name</source>
      <translation>Nom du fabricant</translation>
    </message>
  </context>
  <context>
    <name>IoddChoiceFields</name>
    <message>
      <source>%1 (released %2)</source>
      <translation>%1 (publié le %2)</translation>
    </message>
    <message>
      <source>Also matching</source>
      <translation>Correspondent aussi</translation>
    </message>
    <message>
      <source>Chosen by</source>
      <translation>Choisie selon</translation>
    </message>
    <message>
      <source>IODD File</source>
      <translation>Fichier IODD</translation>
    </message>
    <message>
      <source>No matching IODD</source>
      <translation>Aucune IODD correspondante</translation>
    </message>
    <message>
      <source>the latest release date</source>
      <translation>la date de publication la plus récente</translation>
    </message>
  </context>
  <context>
    <name>IoddDropArea</name>
    <message>
      <source>Drop IODD packages (.zip) or IODD files (.xml) to import them</source>
      <translation>Déposez des paquets IODD (.zip) ou des fichiers IODD (.xml) pour les importer</translation>
    </message>
  </context>
  <context>
    <name>IoddFolder</name>
    <message>
      <source>%1 is not an IODD file of the IODD folder %2.</source>
      <translation>%1 n’est pas un fichier IODD du dossier IODD %2.</translation>
    </message>
    <message>
      <source>The folder %1 could not be removed completely.</source>
      <translation>Le dossier %1 n’a pas pu être supprimé entièrement.</translation>
    </message>
    <message>
      <source>These files could not be removed: %1</source>
      <translation>Ces fichiers n’ont pas pu être supprimés : %1</translation>
    </message>
  </context>
  <context>
    <name>IoddImportResult</name>
    <message>
      <source>already present</source>
      <translation>déjà présente</translation>
    </message>
    <message>
      <source>imported</source>
      <translation>importée</translation>
    </message>
    <message>
      <source>not used: a newer release is present</source>
      <translation>non utilisée : une version plus récente est présente</translation>
    </message>
    <message>
      <source>refused</source>
      <translation>refusé</translation>
    </message>
  </context>
  <context>
    <name>IoddImportSummaryDialog</name>
    <message>
      <source>%1: %2</source>
      <translation>%1 : %2</translation>
    </message>
    <message>
      <source>Every file was imported or was already present.</source>
      <translation>Tous les fichiers ont été importés ou étaient déjà présents.</translation>
    </message>
    <message>
      <source>Folder: %1</source>
      <translation>Dossier : %1</translation>
    </message>
    <message>
      <source>IODD Import</source>
      <translation>Importation d’IODD</translation>
    </message>
    <message>
      <source>Importing IODDs</source>
      <translation>Importation des IODD</translation>
    </message>
    <message>
      <source>Left out: %1</source>
      <translation>Non repris : %1</translation>
    </message>
    <message>
      <source>Not every file could be imported; see the reasons below.</source>
      <translation>Certains fichiers n’ont pas pu être importés ; voir les raisons ci-dessous.</translation>
    </message>
  </context>
  <context>
    <name>IoddImporter</name>
    <message>
      <source>%1: not a device description</source>
      <translation>%1 : pas une description d’appareil</translation>
    </message>
    <message>
      <source>Cannot copy %1 into the temporary folder.</source>
      <translation>Impossible de copier %1 dans le dossier temporaire.</translation>
    </message>
    <message>
      <source>Cannot create the temporary folder %1.</source>
      <translation>Le dossier temporaire %1 ne peut pas être créé.</translation>
    </message>
    <message>
      <source>No device description (IODD) found.</source>
      <translation>Aucune description d’appareil (IODD) trouvée.</translation>
    </message>
    <message>
      <source>No temporary folder can be created beside the IODD folder: %1</source>
      <translation>Impossible de créer un dossier temporaire à côté du dossier IODD : %1</translation>
    </message>
    <message>
      <source>Only IODD packages (.zip) and IODD files (.xml) can be imported.</source>
      <translation>Seuls les paquets IODD (.zip) et les fichiers IODD (.xml) peuvent être importés.</translation>
    </message>
    <message>
      <source>The IODD folder %1 cannot be created.</source>
      <translation>Le dossier IODD %1 ne peut pas être créé.</translation>
    </message>
    <message>
      <source>The file does not exist or cannot be read.</source>
      <translation>Le fichier n’existe pas ou ne peut pas être lu.</translation>
    </message>
    <message>
      <source>The package could not be moved into the IODD folder %1.</source>
      <translation>Le paquet n’a pas pu être déplacé dans le dossier IODD %1.</translation>
    </message>
  </context>
  <context>
    <name>IoddManagementDialog</name>
    <message>
      <source>Choose the IODD folder.</source>
      <translation>Choisir le dossier des IODD.</translation>
    </message>
    <message>
      <source>Device Details</source>
      <translation>Détails de l'appareil</translation>
    </message>
    <message>
      <source>Device ID</source>
      <translation>ID appareil</translation>
    </message>
    <message>
      <source>Filter by vendor, product or file</source>
      <translation>Filtrer par fabricant, produit ou fichier</translation>
    </message>
    <message>
      <source>Found</source>
      <translation>Trouvé</translation>
    </message>
    <message>
      <source>IODD Content</source>
      <translation>Contenu IODD</translation>
    </message>
    <message>
      <source>IODD Management</source>
      <translation>Gestion des IODD</translation>
    </message>
    <message>
      <source>IODD Version</source>
      <translation>Version IODD</translation>
    </message>
    <message>
      <source>IODDs available</source>
      <translation>IODD disponibles</translation>
    </message>
    <message>
      <source>IODDs in</source>
      <translation>IODD dans</translation>
    </message>
    <message>
      <source>No IODD matches the filter.</source>
      <translation>Aucune IODD ne correspond au filtre.</translation>
    </message>
    <message>
      <source>No IODDs found in current search path</source>
      <translation>Aucune IODD trouvée dans le chemin de recherche actuel</translation>
    </message>
    <message>
      <source>Please install the Korvell IODD package and select the folder containing the IODDs. Without IODDs you will not be able to connect to any IOLink devices.</source>
      <translation>Veuillez installer le paquet IODD de Korvell et sélectionner le dossier contenant les IODD. Sans IODD, vous ne pourrez vous connecter à aucun appareil IO-Link.</translation>
    </message>
    <message>
      <source>Product Name</source>
      <translation>Nom du produit</translation>
    </message>
    <message>
      <source>Read the IODD folder again.</source>
      <translation>Relire le dossier des IODD.</translation>
    </message>
    <message>
      <source>Unknown</source>
      <translation>Inconnu</translation>
    </message>
    <message>
      <source>Vendor ID</source>
      <translation>ID fabricant</translation>
    </message>
    <message>
      <source>Vendor Name</source>
      <translation>Nom du fabricant</translation>
    </message>
  </context>
  <context>
    <name>IoddPackageActions</name>
    <message>
      <source>%1 lies outside the IODD folder and is not removed.</source>
      <translation>%1 se trouve hors du dossier IODD et n’est pas supprimé.</translation>
    </message>
    <message>
      <source>All files (*)</source>
      <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>IODD not removed</source>
      <translation>IODD non supprimée</translation>
    </message>
    <message>
      <source>IODD packages and files (*.zip *.xml)</source>
      <translation>Paquets et fichiers IODD (*.zip *.xml)</translation>
    </message>
    <message>
      <source>Import IODD packages (.zip) or IODD files (.xml) into the IODD folder.</source>
      <translation>Importer des paquets IODD (.zip) ou des fichiers IODD (.xml) dans le dossier IODD.</translation>
    </message>
    <message>
      <source>Import IODDs</source>
      <translation>Importer des IODD</translation>
    </message>
    <message>
      <source>Import…</source>
      <translation>Importer…</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Supprimer</translation>
    </message>
    <message>
      <source>Remove IODD</source>
      <translation>Supprimer l’IODD</translation>
    </message>
    <message>
      <source>Remove the IODD %1? These will be deleted from the disk:</source>
      <translation>Supprimer l’IODD %1 ? Ceci sera effacé du disque :</translation>
    </message>
    <message>
      <source>Remove…</source>
      <translation>Supprimer…</translation>
    </message>
  </context>
  <context>
    <name>IoddPackages</name>
    <message>
      <source>Importing %1 (%2 of %3)…</source>
      <translation>Importation de %1 (%2 sur %3)…</translation>
    </message>
    <message>
      <source>Importing %1…</source>
      <translation>Importation de %1…</translation>
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
    <message>
      <source>error %1</source>
      <translation>erreur %1</translation>
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
    <name>IsduError</name>
    <message>
      <source>ISDU error %1</source>
      <translation>erreur ISDU %1</translation>
    </message>
    <message>
      <source>access denied</source>
      <translation>accès refusé</translation>
    </message>
    <message>
      <source>application not ready</source>
      <translation>application pas prête</translation>
    </message>
    <message>
      <source>device application error</source>
      <translation>erreur de l'application de l'appareil</translation>
    </message>
    <message>
      <source>function not available</source>
      <translation>fonction non disponible</translation>
    </message>
    <message>
      <source>function temporarily unavailable</source>
      <translation>fonction temporairement indisponible</translation>
    </message>
    <message>
      <source>inconsistent parameter set</source>
      <translation>jeu de paramètres incohérent</translation>
    </message>
    <message>
      <source>index not available</source>
      <translation>index non disponible</translation>
    </message>
    <message>
      <source>invalid parameter set</source>
      <translation>jeu de paramètres invalide</translation>
    </message>
    <message>
      <source>length overrun</source>
      <translation>longueur dépassée</translation>
    </message>
    <message>
      <source>length underrun</source>
      <translation>longueur insuffisante</translation>
    </message>
    <message>
      <source>service temporarily not available</source>
      <translation>service temporairement indisponible</translation>
    </message>
    <message>
      <source>service temporarily not available, device control</source>
      <translation>service temporairement indisponible, commande de l'appareil</translation>
    </message>
    <message>
      <source>service temporarily not available, local control</source>
      <translation>service temporairement indisponible, commande locale</translation>
    </message>
    <message>
      <source>subindex not available</source>
      <translation>sous-index non disponible</translation>
    </message>
    <message>
      <source>value above limit</source>
      <translation>valeur au-dessus de la limite</translation>
    </message>
    <message>
      <source>value below limit</source>
      <translation>valeur en dessous de la limite</translation>
    </message>
    <message>
      <source>value out of range</source>
      <translation>valeur hors plage</translation>
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
      <source>Compare with parameter set…</source>
      <translation>Comparer avec un jeu de paramètres…</translation>
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
      <source>Restore parameter set…</source>
      <translation>Restaurer un jeu de paramètres…</translation>
    </message>
    <message>
      <source>Save parameter set…</source>
      <translation>Enregistrer le jeu de paramètres…</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Réglages</translation>
    </message>
  </context>
  <context>
    <name>MasterCredentialStore</name>
    <message>
      <source>no keychain service (secret store) answered on this computer</source>
      <translation>aucun service de trousseau (magasin de secrets) ne répond sur cet ordinateur</translation>
    </message>
    <message>
      <source>no keychain service (secret store) is running on this computer</source>
      <translation>aucun service de trousseau (magasin de secrets) ne fonctionne sur cet ordinateur</translation>
    </message>
    <message>
      <source>the keychain failed: %1</source>
      <translation>échec du trousseau : %1</translation>
    </message>
    <message>
      <source>the keychain refused access</source>
      <translation>le trousseau a refusé l'accès</translation>
    </message>
  </context>
  <context>
    <name>MasterCredentialsDialog</name>
    <message>
      <source>Password</source>
      <translation>Mot de passe</translation>
    </message>
    <message>
      <source>Remember in the keychain of this computer</source>
      <translation>Mémoriser dans le trousseau de cet ordinateur</translation>
    </message>
    <message>
      <source>Sign in to %1</source>
      <translation>Connexion à %1</translation>
    </message>
    <message>
      <source>The IO-Link master %1 asks for a user name and password.</source>
      <translation>Le maître IO-Link %1 demande un nom d'utilisateur et un mot de passe.</translation>
    </message>
    <message>
      <source>The IO-Link master %1 asks for a user name and password. They are kept until the program ends.</source>
      <translation>Le maître IO-Link %1 demande un nom d'utilisateur et un mot de passe. Ils sont conservés jusqu'à la fin du programme.</translation>
    </message>
    <message>
      <source>The password is stored in the system's keychain, never in the settings file.</source>
      <translation>Le mot de passe est enregistré dans le trousseau du système, jamais dans le fichier de paramètres.</translation>
    </message>
    <message>
      <source>They are kept until the program ends.</source>
      <translation>Ils sont conservés jusqu'à la fermeture du programme.</translation>
    </message>
    <message>
      <source>This master is reached over plain http: the password travels unencrypted. Use https where the master offers it.</source>
      <translation>Ce maître est joint en http simple : le mot de passe circule en clair. Utilisez https lorsque le maître le propose.</translation>
    </message>
    <message>
      <source>User name</source>
      <translation>Nom d'utilisateur</translation>
    </message>
  </context>
  <context>
    <name>MenuEntryArrayDisplay</name>
    <message>
      <source>None</source>
      <translation>Aucun</translation>
    </message>
  </context>
  <context>
    <name>MenuEntryMissing</name>
    <message>
      <source>Not available in this device description</source>
      <translation>Non disponible dans cette description d'appareil</translation>
    </message>
  </context>
  <context>
    <name>MenuEntrySlider</name>
    <message>
      <source>Allowed: %1 to %2</source>
      <translation>Autorisé : %1 à %2</translation>
    </message>
  </context>
  <context>
    <name>MenuEntryTextEdit</name>
    <message>
      <source>Maximum length is </source>
      <translation>La longueur maximale est de </translation>
    </message>
    <message>
      <source>Your text goes here</source>
      <translation>Votre texte ici</translation>
    </message>
  </context>
  <context>
    <name>MenuEntryUndefined</name>
    <message>
      <source>Undefined Entry, id:</source>
      <translation>Entrée non définie, id :</translation>
    </message>
  </context>
  <context>
    <name>NetworkHttpClient</name>
    <message>
      <source>no answer within %1 s</source>
      <translation>aucune réponse en %1 s</translation>
    </message>
    <message>
      <source>the certificate %1 is not trusted; the connection was refused</source>
      <translation>le certificat %1 n'est pas approuvé ; la connexion a été refusée</translation>
    </message>
  </context>
  <context>
    <name>NetworkMaster</name>
    <message>
      <source>%1 Master %2 Port %3</source>
      <translation>%1 Maître %2 Port %3</translation>
    </message>
    <message>
      <source>%1 Port %2</source>
      <translation>%1 Port %2</translation>
    </message>
    <message>
      <source>%1 Port %2 has no device online (%3).</source>
      <translation>Aucun appareil en ligne sur %1 Port %2 (%3).</translation>
    </message>
    <message>
      <source>%1 Port %2 has no device online any more (%3).</source>
      <translation>Plus aucun appareil en ligne sur %1 Port %2 (%3).</translation>
    </message>
    <message>
      <source>%1 Port %2: %3.</source>
      <translation>%1 Port %2 : %3.</translation>
    </message>
    <message>
      <source>%1 asks for a user name and password.</source>
      <translation>%1 demande un nom d'utilisateur et un mot de passe.</translation>
    </message>
    <message>
      <source>%1 is no port of an Ethernet IO-Link master.</source>
      <translation>%1 n'est pas un port d'un maître IO-Link Ethernet.</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1 : %2</translation>
    </message>
    <message>
      <source>%1: the master answered HTTP %2, error %3: %4</source>
      <translation>%1 : le maître a répondu HTTP %2, erreur %3 : %4</translation>
    </message>
    <message>
      <source>%1: the master answered HTTP %2.</source>
      <translation>%1 : le maître a répondu HTTP %2.</translation>
    </message>
    <message>
      <source>%1: the master's answer cannot be read.</source>
      <translation>%1 : la réponse du maître est illisible.</translation>
    </message>
    <message>
      <source>No event pending</source>
      <translation>Aucun événement en attente</translation>
    </message>
    <message>
      <source>Process data of %1 octets does not fit the buffer</source>
      <translation>Des données process de %1 octets ne tiennent pas dans la mémoire tampon</translation>
    </message>
    <message>
      <source>Process data of %1 octets is too long</source>
      <translation>Des données process de %1 octets sont trop longues</translation>
    </message>
    <message>
      <source>The network master port is not open.</source>
      <translation>Le port du maître réseau n'est pas ouvert.</translation>
    </message>
    <message>
      <source>Value of %1 octets does not fit the buffer</source>
      <translation>Une valeur de %1 octets ne tient pas dans la mémoire tampon</translation>
    </message>
    <message>
      <source>the master's port list cannot be read</source>
      <translation>la liste des ports du maître est illisible</translation>
    </message>
  </context>
  <context>
    <name>NetworkMasterAccess</name>
    <message>
      <source>%1, ports: %2, interface %3</source>
      <translation>%1, ports : %2, interface %3</translation>
    </message>
    <message>
      <source>Not an http:// or https:// address</source>
      <translation>Ce n'est pas une adresse http:// ou https://</translation>
    </message>
    <message>
      <source>Not reachable: %1</source>
      <translation>Injoignable : %1</translation>
    </message>
    <message>
      <source>The password for %1 was not remembered: %2. It is kept until the program ends.</source>
      <translation>Le mot de passe de %1 n'a pas été mémorisé : %2. Il est conservé jusqu'à la fermeture du programme.</translation>
    </message>
    <message>
      <source>Unnamed master</source>
      <translation>Maître sans nom</translation>
    </message>
  </context>
  <context>
    <name>NetworkMastersSection</name>
    <message>
      <source>Add</source>
      <translation>Ajouter</translation>
    </message>
    <message>
      <source>Address, e.g. http://192.168.1.50</source>
      <translation>Adresse, p. ex. http://192.168.1.50</translation>
    </message>
    <message>
      <source>Enter an http:// or https:// address or a host name.</source>
      <translation>Saisissez une adresse http:// ou https:// ou un nom d'hôte.</translation>
    </message>
    <message>
      <source>Ethernet IO-Link masters with the JSON REST interface; none added yet</source>
      <translation>Maîtres IO-Link Ethernet avec interface REST JSON ; aucun ajouté</translation>
    </message>
    <message>
      <source>Ethernet IO-Link masters with the JSON REST interface; their devices are listed with the others</source>
      <translation>Maîtres IO-Link Ethernet avec interface REST JSON ; leurs appareils figurent dans la liste</translation>
    </message>
    <message>
      <source>Network masters</source>
      <translation>Maîtres réseau</translation>
    </message>
    <message>
      <source>Remove this master</source>
      <translation>Retirer ce maître</translation>
    </message>
    <message>
      <source>Test</source>
      <translation>Tester</translation>
    </message>
    <message>
      <source>Testing…</source>
      <translation>Test en cours…</translation>
    </message>
  </context>
  <context>
    <name>PackageArchive</name>
    <message>
      <source>Cannot create the folder %1.</source>
      <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
      <source>Cannot write %1.</source>
      <translation>Impossible d’écrire %1.</translation>
    </message>
    <message>
      <source>Cannot write %1: %2</source>
      <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
      <source>The archive holds a symbolic link: %1</source>
      <translation>L’archive contient un lien symbolique : %1</translation>
    </message>
    <message>
      <source>The archive holds an encrypted file: %1</source>
      <translation>L’archive contient un fichier chiffré : %1</translation>
    </message>
    <message>
      <source>The archive holds more than %1 entries.</source>
      <translation>L’archive contient plus de %1 entrées.</translation>
    </message>
    <message>
      <source>The archive is damaged or is not a zip file.</source>
      <translation>L’archive est endommagée ou n’est pas un fichier zip.</translation>
    </message>
    <message>
      <source>The archive is damaged: %1 cannot be read completely.</source>
      <translation>L’archive est endommagée : %1 ne peut pas être lu entièrement.</translation>
    </message>
    <message>
      <source>The archive is damaged: %1 cannot be read.</source>
      <translation>L’archive est endommagée : %1 ne peut pas être lu.</translation>
    </message>
    <message>
      <source>The archive is damaged: %1 is larger than it says.</source>
      <translation>L’archive est endommagée : %1 est plus grand qu’annoncé.</translation>
    </message>
    <message>
      <source>The archive names a file outside its own folder: %1</source>
      <translation>L’archive désigne un fichier hors de son propre dossier : %1</translation>
    </message>
    <message>
      <source>The archive nests zip files more than one level deep: %1</source>
      <translation>L’archive imbrique des fichiers zip sur plus d’un niveau : %1</translation>
    </message>
    <message>
      <source>The archive would unpack to more than 200 MB.</source>
      <translation>L’archive dépasserait 200 Mo une fois décompressée.</translation>
    </message>
    <message>
      <source>The file %1 is compressed more than a hundredfold, as only a zip bomb is.</source>
      <translation>Le fichier %1 est compressé plus de cent fois, comme seule une bombe zip l’est.</translation>
    </message>
    <message>
      <source>The file %1 would unpack to more than 50 MB.</source>
      <translation>Le fichier %1 dépasserait 50 Mo une fois décompressé.</translation>
    </message>
    <message>
      <source>The file cannot be read: %1</source>
      <translation>Le fichier ne peut pas être lu : %1</translation>
    </message>
  </context>
  <context>
    <name>ParameterCatalogue</name>
    <message>
      <source>%1 octets instead of %2</source>
      <translation>%1 octets au lieu de %2</translation>
    </message>
    <message>
      <source>%1 octets, at most %2 allowed</source>
      <translation>%1 octets, %2 au plus autorisés</translation>
    </message>
  </context>
  <context>
    <name>ParameterComparison</name>
    <message>
      <source>(not in this device's IODD)</source>
      <translation>(absent de l'IODD de cet appareil)</translation>
    </message>
    <message>
      <source>(not readable: %1)</source>
      <translation>(illisible : %1)</translation>
    </message>
    <message>
      <source>not read</source>
      <translation>non lu</translation>
    </message>
  </context>
  <context>
    <name>ParameterRestore</name>
    <message>
      <source>Parameter set restored: %1 written and confirmed, %2 already equal.</source>
      <translation>Jeu de paramètres restauré : %1 écrits et confirmés, %2 déjà égaux.</translation>
    </message>
    <message>
      <source>The device did not accept the parameter set as a whole (ParamDownloadEnd: %1).</source>
      <translation>L'appareil n'a pas accepté le jeu de paramètres dans son ensemble (ParamDownloadEnd : %1).</translation>
    </message>
    <message>
      <source>The device did not store the set in its data storage (ParamDownloadStore: %1).</source>
      <translation>L'appareil n'a pas enregistré le jeu dans sa mémoire de données (ParamDownloadStore : %1).</translation>
    </message>
    <message>
      <source>The device refused %1; the block parameterisation was cancelled (ParamBreak) and the restore stopped.</source>
      <translation>L'appareil a refusé %1 ; le paramétrage en bloc a été annulé (ParamBreak) et la restauration arrêtée.</translation>
    </message>
    <message>
      <source>The device refused ParamBreak: %1.</source>
      <translation>L'appareil a refusé ParamBreak : %1.</translation>
    </message>
    <message>
      <source>The device refused to start a block parameterisation (%1); the values were written one by one.</source>
      <translation>L'appareil a refusé de démarrer un paramétrage en bloc (%1) ; les valeurs ont été écrites une par une.</translation>
    </message>
    <message>
      <source>The file was saved from another unit (serial number %1); the connected device has serial number %2.</source>
      <translation>Le fichier a été enregistré depuis un autre exemplaire (numéro de série %1) ; l'appareil connecté a le numéro de série %2.</translation>
    </message>
    <message>
      <source>The file was saved from product %1; the connected device is product %2.</source>
      <translation>Le fichier a été enregistré depuis le produit %1 ; l'appareil connecté est le produit %2.</translation>
    </message>
    <message>
      <source>The file was saved with IODD version %1; the device is described by IODD version %2.</source>
      <translation>Le fichier a été enregistré avec l'IODD version %1 ; l'appareil est décrit par l'IODD version %2.</translation>
    </message>
    <message>
      <source>The parameter set is for another device: it was saved from vendor id %1, device id %2 (%3); the connected device has vendor id %4, device id %5 (%6). Nothing was written.</source>
      <translation>Le jeu de paramètres est destiné à un autre appareil : il a été enregistré depuis l'ID fabricant %1, ID appareil %2 (%3) ; l'appareil connecté a l'ID fabricant %4, ID appareil %5 (%6). Rien n'a été écrit.</translation>
    </message>
    <message>
      <source>The parameter set was not restored completely: %1 written and confirmed, %2 already equal, %3 refused, %4 differ after writing, %5 not written, %6 skipped.</source>
      <translation>Le jeu de paramètres n'a pas été entièrement restauré : %1 écrits et confirmés, %2 déjà égaux, %3 refusés, %4 diffèrent après l'écriture, %5 non écrits, %6 ignorés.</translation>
    </message>
    <message>
      <source>already equal</source>
      <translation>déjà égal</translation>
    </message>
    <message>
      <source>differs after writing</source>
      <translation>diffère après l'écriture</translation>
    </message>
    <message>
      <source>not a parameter of this device's IODD</source>
      <translation>pas un paramètre de l'IODD de cet appareil</translation>
    </message>
    <message>
      <source>not readable afterwards: %1</source>
      <translation>illisible ensuite : %1</translation>
    </message>
    <message>
      <source>not written</source>
      <translation>non écrit</translation>
    </message>
    <message>
      <source>only whole variables are restored</source>
      <translation>seules les variables entières sont restaurées</translation>
    </message>
    <message>
      <source>refused</source>
      <translation>refusé</translation>
    </message>
    <message>
      <source>skipped</source>
      <translation>ignoré</translation>
    </message>
    <message>
      <source>written and confirmed</source>
      <translation>écrit et confirmé</translation>
    </message>
    <message>
      <source>wrong length: %1</source>
      <translation>longueur incorrecte : %1</translation>
    </message>
  </context>
  <context>
    <name>ParameterSet</name>
    <message>
      <source>%1 (index %2, subindex %3) is listed twice.</source>
      <translation>%1 (index %2, sous-index %3) figure deux fois.</translation>
    </message>
    <message>
      <source>%1 has no raw value.</source>
      <translation>%1 n'a pas de valeur brute.</translation>
    </message>
    <message>
      <source>%1 has no valid index and subindex.</source>
      <translation>%1 n'a pas d'index ni de sous-index valides.</translation>
    </message>
    <message>
      <source>The %1 has no id.</source>
      <translation>%1 n'a pas d'ID.</translation>
    </message>
    <message>
      <source>The file %1 cannot be read: %2</source>
      <translation>Le fichier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
      <source>The file %1 cannot be written: %2</source>
      <translation>Le fichier %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
      <source>The file has no valid format version.</source>
      <translation>Le fichier n'a pas de version de format valide.</translation>
    </message>
    <message>
      <source>The file is larger than 10 MB.</source>
      <translation>Le fichier dépasse 10 Mo.</translation>
    </message>
    <message>
      <source>The file is not a parameter set: it holds no JSON object.</source>
      <translation>Le fichier n'est pas un jeu de paramètres : il ne contient aucun objet JSON.</translation>
    </message>
    <message>
      <source>The file is not a parameter set: its format is "%1".</source>
      <translation>Le fichier n'est pas un jeu de paramètres : son format est « %1 ».</translation>
    </message>
    <message>
      <source>The file is not valid JSON: %1 (at octet %2).</source>
      <translation>Le fichier n'est pas un JSON valide : %1 (à l'octet %2).</translation>
    </message>
    <message>
      <source>The file lists no parameters.</source>
      <translation>Le fichier ne contient pas de liste de paramètres.</translation>
    </message>
    <message>
      <source>The file names no valid vendor id and device id.</source>
      <translation>Le fichier n'indique pas d'ID fabricant ni d'ID appareil valides.</translation>
    </message>
    <message>
      <source>The file was written in format version %1, which is newer than this program reads (%2). Please update the program.</source>
      <translation>Le fichier a été écrit dans la version de format %1, plus récente que celle que ce programme lit (%2). Veuillez mettre à jour le programme.</translation>
    </message>
    <message>
      <source>The raw value of %1 has the wrong length: %2 hex digits.</source>
      <translation>La valeur brute de %1 a une longueur incorrecte : %2 chiffres hexadécimaux.</translation>
    </message>
    <message>
      <source>The raw value of %1 is not hexadecimal: "%2".</source>
      <translation>La valeur brute de %1 n'est pas hexadécimale : « %2 ».</translation>
    </message>
    <message>
      <source>parameter %1</source>
      <translation>paramètre %1</translation>
    </message>
  </context>
  <context>
    <name>ParameterSetController</name>
    <message>
      <source>%1 of %2 parameters differ.</source>
      <translation>%1 paramètres sur %2 diffèrent.</translation>
    </message>
    <message>
      <source>Another parameter set operation is running.</source>
      <translation>Une autre opération sur un jeu de paramètres est en cours.</translation>
    </message>
    <message>
      <source>Parameters that could not be read when the file was saved are not compared: %1.</source>
      <translation>Les paramètres illisibles lors de l'enregistrement du fichier ne sont pas comparés : %1.</translation>
    </message>
    <message>
      <source>Please connect the device first.</source>
      <translation>Veuillez d'abord connecter l'appareil.</translation>
    </message>
    <message>
      <source>Reading the parameters of %1…</source>
      <translation>Lecture des paramètres de %1…</translation>
    </message>
    <message>
      <source>Restoring the parameters of %1…</source>
      <translation>Restauration des paramètres de %1…</translation>
    </message>
    <message>
      <source>The device has no IODD; its parameters are not known.</source>
      <translation>L'appareil n'a pas d'IODD ; ses paramètres sont inconnus.</translation>
    </message>
    <message>
      <source>The device refused to give these parameters; they are listed in the file as unreadable: %1</source>
      <translation>L'appareil a refusé de fournir ces paramètres ; ils figurent dans le fichier comme illisibles : %1</translation>
    </message>
    <message>
      <source>The device was disconnected; nothing was saved.</source>
      <translation>L'appareil a été déconnecté ; rien n'a été enregistré.</translation>
    </message>
    <message>
      <source>The device was disconnected; nothing was written.</source>
      <translation>L'appareil a été déconnecté ; rien n'a été écrit.</translation>
    </message>
    <message>
      <source>The file %1 cannot be written: %2</source>
      <translation>Le fichier %1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
      <source>The parameter set was saved to %1 (parameters: %2).</source>
      <translation>Le jeu de paramètres a été enregistré dans %1 (paramètres : %2).</translation>
    </message>
    <message>
      <source>Write the parameter set %1 into %2 (serial number %3) on %4? Parameters whose value differs from the file are overwritten.</source>
      <translation>Écrire le jeu de paramètres %1 dans %2 (numéro de série %3) sur %4 ? Les paramètres dont la valeur diffère du fichier sont écrasés.</translation>
    </message>
    <message>
      <source>differs</source>
      <translation>différent</translation>
    </message>
    <message>
      <source>equal</source>
      <translation>égal</translation>
    </message>
  </context>
  <context>
    <name>ParameterSetDialogs</name>
    <message>
      <source>%1 of %2</source>
      <translation>%1 sur %2</translation>
    </message>
    <message>
      <source>All files (*)</source>
      <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
      <source>Another parameter set operation is running.</source>
      <translation>Une autre opération sur un jeu de paramètres est en cours.</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Compare with parameter set</source>
      <translation>Comparer avec un jeu de paramètres</translation>
    </message>
    <message>
      <source>Export</source>
      <translation>Exporter</translation>
    </message>
    <message>
      <source>Export as CSV</source>
      <translation>Exporter en CSV</translation>
    </message>
    <message>
      <source>Parameter set</source>
      <translation>Jeu de paramètres</translation>
    </message>
    <message>
      <source>Parameter sets (*.ovxparams)</source>
      <translation>Jeux de paramètres (*.ovxparams)</translation>
    </message>
    <message>
      <source>Please connect a device with an IODD first.</source>
      <translation>Veuillez d'abord connecter un appareil avec une IODD.</translation>
    </message>
    <message>
      <source>Restore</source>
      <translation>Restaurer</translation>
    </message>
    <message>
      <source>Restore parameter set</source>
      <translation>Restaurer un jeu de paramètres</translation>
    </message>
    <message>
      <source>Save parameter set</source>
      <translation>Enregistrer le jeu de paramètres</translation>
    </message>
    <message>
      <source>These parameters of the file are skipped:</source>
      <translation>Ces paramètres du fichier sont ignorés :</translation>
    </message>
    <message>
      <source>comparison</source>
      <translation>comparaison</translation>
    </message>
    <message>
      <source>restore-report</source>
      <translation>rapport-de-restauration</translation>
    </message>
  </context>
  <context>
    <name>ParameterTableDialog</name>
    <message>
      <source>Close</source>
      <translation type="vanished">Fermer</translation>
    </message>
    <message>
      <source>Comparison with the parameter set</source>
      <translation>Comparaison avec le jeu de paramètres</translation>
    </message>
    <message>
      <source>Export as CSV…</source>
      <translation>Exporter en CSV…</translation>
    </message>
    <message>
      <source>No differences.</source>
      <translation>Aucune différence.</translation>
    </message>
    <message>
      <source>Only differences</source>
      <translation>Seulement les différences</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>Paramètre</translation>
    </message>
    <message>
      <source>Restore report</source>
      <translation>Rapport de restauration</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Résultat</translation>
    </message>
    <message>
      <source>Value in the device</source>
      <translation>Valeur dans l'appareil</translation>
    </message>
    <message>
      <source>Value in the file</source>
      <translation>Valeur dans le fichier</translation>
    </message>
  </context>
  <context>
    <name>ParameterTableModel</name>
    <message>
      <source>Detail</source>
      <translation>Détail</translation>
    </message>
    <message>
      <source>Differs</source>
      <translation>Différent</translation>
    </message>
    <message>
      <source>Id</source>
      <translation>ID</translation>
    </message>
    <message>
      <source>Index</source>
      <translation>Index</translation>
    </message>
    <message>
      <source>Parameter</source>
      <translation>Paramètre</translation>
    </message>
    <message>
      <source>Result</source>
      <translation>Résultat</translation>
    </message>
    <message>
      <source>Value in the device</source>
      <translation>Valeur dans l'appareil</translation>
    </message>
    <message>
      <source>Value in the file</source>
      <translation>Valeur dans le fichier</translation>
    </message>
    <message>
      <source>no</source>
      <translation>non</translation>
    </message>
    <message>
      <source>yes</source>
      <translation>oui</translation>
    </message>
  </context>
  <context>
    <name>ProcessDataBox</name>
    <message>
      <source>Process data</source>
      <translation>Données de process</translation>
    </message>
  </context>
  <context>
    <name>ProcessDataChart</name>
    <message>
      <source>High</source>
      <translation>Haut</translation>
    </message>
    <message>
      <source>Low</source>
      <translation>Bas</translation>
    </message>
    <message>
      <source>Process data chart settings.</source>
      <translation>Réglages du graphique des données de process.</translation>
    </message>
  </context>
  <context>
    <name>ProcessDataHandler</name>
    <message>
      <source>Process data saved to %1 (rows: %2).</source>
      <translation>Données de process enregistrées dans %1 (lignes : %2).</translation>
    </message>
    <message>
      <source>Start time</source>
      <translation>Heure de début</translation>
    </message>
    <message>
      <source>The file %1 could not be opened for writing. The process data was copied to the clipboard instead.</source>
      <translation>Impossible d’ouvrir le fichier %1 en écriture. Les données de processus ont été copiées dans le presse-papiers à la place.</translation>
    </message>
    <message>
      <source>The file %1 could not be written. The process data was copied to the clipboard instead.</source>
      <translation>Impossible d’écrire le fichier %1. Les données de processus ont été copiées dans le presse-papiers à la place.</translation>
    </message>
    <message>
      <source>Time[ms]</source>
      <translation>Temps[ms]</translation>
    </message>
  </context>
  <context>
    <name>ProcessDataPage</name>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
      <source>Clear data in charts.</source>
      <translation>Effacer les données des graphiques.</translation>
    </message>
    <message>
      <source>Copied chart data to clipboard.</source>
      <translation>Données des graphiques copiées dans le presse-papiers.</translation>
    </message>
    <message>
      <source>Copy the last %1 s (the chart window) to the clipboard (Excel format).</source>
      <translation>Copier les %1 dernières secondes (la fenêtre du graphique) dans le presse-papiers (format Excel).</translation>
    </message>
    <message>
      <source>Copy to clipboard (Excel format).</source>
      <translation>Copier dans le presse-papiers (format Excel).</translation>
    </message>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Please choose a file</source>
      <translation>Veuillez choisir un fichier</translation>
    </message>
    <message>
      <source>Save as file.</source>
      <translation>Enregistrer dans un fichier.</translation>
    </message>
    <message>
      <source>Save the last %1 s (the chart window) as a file.</source>
      <translation>Enregistrer les %1 dernières secondes (la fenêtre du graphique) dans un fichier.</translation>
    </message>
    <message>
      <source>Save the last %1 s of process data (the chart window)</source>
      <translation>Enregistrer les %1 dernières secondes des données de process (la fenêtre du graphique)</translation>
    </message>
    <message>
      <source>Saving failed</source>
      <translation>Échec de l'enregistrement</translation>
    </message>
    <message>
      <source>Start / pause process data.</source>
      <translation>Démarrer / mettre en pause les données de process.</translation>
    </message>
  </context>
  <context>
    <name>ProcessDataValueRow</name>
    <message>
      <source>UNDEFINED</source>
      <translation>NON DÉFINI</translation>
    </message>
  </context>
  <context>
    <name>RoleChooser</name>
    <message>
      <source>Maintenance</source>
      <translation>Maintenance</translation>
    </message>
    <message>
      <source>Observer</source>
      <translation>Observateur</translation>
    </message>
    <message>
      <source>Specialist</source>
      <translation>Spécialiste</translation>
    </message>
    <message>
      <source>User role:</source>
      <translation>Rôle utilisateur :</translation>
    </message>
  </context>
  <context>
    <name>SerialDeviceDiscovery</name>
    <message>
      <source>The IO-Link master %1 cannot be reached: %2</source>
      <translation>Le maître IO-Link %1 est injoignable : %2</translation>
    </message>
  </context>
  <context>
    <name>ServeSimulator</name>
    <message>
      <source>Cannot listen on %1: %2</source>
      <translation>Impossible d'écouter sur %1 : %2</translation>
    </message>
    <message>
      <source>Cannot read %1</source>
      <translation>Impossible de lire %1</translation>
    </message>
    <message>
      <source>No device could be built from the given files.</source>
      <translation>Aucun appareil n'a pu être créé à partir des fichiers indiqués.</translation>
    </message>
    <message>
      <source>Usage: serve-simulator --listen HOST:PORT [IODD...]
Serves the simulated master's devices (the sample device when no IODD is given) as an Ethernet IO-Link master with the JSON REST interface.</source>
      <translation>Utilisation : serve-simulator --listen HÔTE:PORT [IODD...]
Publie les appareils du maître simulé (l'appareil d'exemple sans IODD) comme maître IO-Link Ethernet avec interface REST JSON.</translation>
    </message>
  </context>
  <context>
    <name>SettingsDialog</name>
    <message>
      <source>(applies at the next device search)</source>
      <translation>(prend effet à la prochaine recherche d'appareils)</translation>
    </message>
    <message>
      <source>(no master library found)</source>
      <translation>(aucune bibliothèque de maître trouvée)</translation>
    </message>
    <message>
      <source>Debug disabled</source>
      <translation>Débogage désactivé</translation>
    </message>
    <message>
      <source>Debug enabled</source>
      <translation>Débogage activé</translation>
    </message>
    <message>
      <source>Filter USB Devices</source>
      <translation>Filtrer les appareils USB</translation>
    </message>
    <message>
      <source>IODD Directory</source>
      <translation>Dossier des IODD</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Langue</translation>
    </message>
    <message>
      <source>Language of the user interface</source>
      <translation>Langue de l'interface utilisateur</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Réglages</translation>
    </message>
    <message>
      <source>Showing IOLink Devices only</source>
      <translation>Seuls les appareils IO-Link sont affichés</translation>
    </message>
    <message>
      <source>Showing all USB devices</source>
      <translation>Tous les appareils USB sont affichés</translation>
    </message>
    <message>
      <source>Simulated master</source>
      <translation>Maître simulé</translation>
    </message>
    <message>
      <source>Using the master library</source>
      <translation>La bibliothèque du maître est utilisée</translation>
    </message>
    <message>
      <source>Using the simulated master</source>
      <translation>Le maître simulé est utilisé</translation>
    </message>
    <message>
      <source>Verbose debug logging</source>
      <translation>Journal de débogage détaillé</translation>
    </message>
  </context>
  <context>
    <name>StatusFooter</name>
    <message>
      <source>Connected</source>
      <translation>Connecté</translation>
    </message>
    <message>
      <source>Connecting</source>
      <translation>Connexion en cours</translation>
    </message>
    <message>
      <source>Not connected</source>
      <translation>Non connecté</translation>
    </message>
    <message>
      <source>Status:</source>
      <translation>État :</translation>
    </message>
    <message>
      <source>Synchronising</source>
      <translation>Synchronisation</translation>
    </message>
  </context>
  <context>
    <name>UpdatesDialog</name>
    <message>
      <source>Check for Updates</source>
      <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
      <source>Copy</source>
      <translation>Copier</translation>
    </message>
    <message>
      <source>No web browser could be opened. Updates are available at this address:</source>
      <translation>Aucun navigateur web n'a pu être ouvert. Les mises à jour sont disponibles à cette adresse :</translation>
    </message>
    <message>
      <source>The address is on the clipboard.</source>
      <translation>L'adresse est dans le presse-papiers.</translation>
    </message>
  </context>
  <context>
    <name>ZipDirectoryScan</name>
    <message>
      <source>The archive cannot be read.</source>
      <translation>L’archive ne peut pas être lue.</translation>
    </message>
    <message>
      <source>The archive is damaged: a file lies outside the archive.</source>
      <translation>L’archive est endommagée : un fichier est hors de l’archive.</translation>
    </message>
    <message>
      <source>The archive is damaged: it is too short to be a zip file.</source>
      <translation>L’archive est endommagée : elle est trop courte pour un fichier zip.</translation>
    </message>
    <message>
      <source>The archive is damaged: its table of contents is cut short.</source>
      <translation>L’archive est endommagée : sa table des matières est tronquée.</translation>
    </message>
    <message>
      <source>The archive is damaged: its table of contents is missing.</source>
      <translation>L’archive est endommagée : sa table des matières manque.</translation>
    </message>
    <message>
      <source>The archive is damaged: its table of contents lies outside the file.</source>
      <translation>L’archive est endommagée : sa table des matières est hors du fichier.</translation>
    </message>
    <message>
      <source>The archive uses the zip64 format, which IODD packages never need.</source>
      <translation>L’archive utilise le format zip64, dont les paquets IODD n’ont jamais besoin.</translation>
    </message>
  </context>
  <context>
    <name>ovinex-check</name>
    <message>
      <source>Check every online device of this Ethernet IO-Link master instead of files.</source>
      <translation>Vérifier chaque appareil en ligne de ce maître IO-Link Ethernet au lieu de fichiers.</translation>
    </message>
    <message>
      <source>Folder of the IODDs matched to the master's devices (default: the program's IODD folder).</source>
      <translation>Dossier des IODD associés aux appareils du maître (par défaut : le dossier IODD du programme).</translation>
    </message>
    <message>
      <source>IODD files or folders to check.</source>
      <translation>Fichiers IODD ou dossiers à vérifier.</translation>
    </message>
    <message>
      <source>Language of the texts: en, de or fr.</source>
      <translation>Langue des textes : en, de ou fr.</translation>
    </message>
    <message>
      <source>Runs IODD files through a simulated connection and prints one JSON object per file. A file is ok when its device connects, every variable in use is synchronised and every menu reference to a variable of a supported type is shown, a parameter menu named by the IODD shows rows and process data input shows items. Variables left out because their description is broken are listed under "omitted" and do not fail the file; a file that is no readable device description fails with an "error" text.</source>
      <translation>Fait passer des fichiers IODD par une connexion simulée et affiche un objet JSON par fichier. Un fichier est correct lorsque son appareil se connecte, que chaque variable utilisée est synchronisée, que chaque référence de menu à une variable d’un type pris en charge est affichée, qu’un menu de paramètres nommé par l’IODD affiche des lignes et que l’entrée des données process affiche des éléments. Les variables écartées parce que leur description est défectueuse sont listées sous "omitted" et ne font pas échouer le fichier ; un fichier qui n’est pas une description d’appareil lisible échoue avec un texte "error".</translation>
    </message>
    <message>
      <source>Runs IODD files through a simulated connection and prints one JSON object per file. A file is ok when its device connects, every variable in use is synchronised and every menu reference to a variable of a supported type is shown. Variables left out because their description is broken are listed under "omitted" and do not fail the file; a file that is no readable device description fails with an "error" text.</source>
      <translation>Vérifie des fichiers IODD par une connexion simulée et affiche un objet JSON par fichier. Un fichier est correct lorsque son appareil se connecte, que chaque variable utilisée est synchronisée et que chaque référence de menu à une variable d'un type pris en charge est affichée. Les variables écartées parce que leur description est défectueuse sont listées sous "omitted" et ne font pas échouer le fichier ; un fichier qui n'est pas une description d'appareil lisible échoue avec un texte "error".</translation>
    </message>
    <message>
      <source>Simulated seconds of process data polling.</source>
      <translation>Secondes simulées de lecture des données process.</translation>
    </message>
    <message>
      <source>User role whose pages are measured: observer, maintenance or specialist.</source>
      <translation>Rôle utilisateur dont les pages sont mesurées : observer, maintenance ou specialist.</translation>
    </message>
    <message>
      <source>Write the whole log to stderr.</source>
      <translation>Écrire le journal complet sur stderr.</translation>
    </message>
  </context>
  <context>
    <name>ovinex-cli</name>
    <message>
      <source>%1 of %2 parameters differ</source>
      <translation>%1 paramètres sur %2 diffèrent</translation>
    </message>
    <message>
      <source>%1 was not removed: %2</source>
      <translation>%1 n'a pas été supprimé : %2</translation>
    </message>
    <message>
      <source>--seconds needs a whole number from 1 to %1.</source>
      <translation>--seconds attend un nombre entier de 1 à %1.</translation>
    </message>
    <message>
      <source>Commands:</source>
      <translation>Commandes :</translation>
    </message>
    <message>
      <source>Exit status: 0 on success (compare: no difference), 1 when the device refused something or values differ, 2 for usage errors, unreadable or invalid files, or a device that does not match.</source>
      <translation>Code de sortie : 0 en cas de succès (compare : aucune différence), 1 si l'appareil a refusé quelque chose ou si des valeurs diffèrent, 2 pour les erreurs d'utilisation, les fichiers illisibles ou invalides ou un appareil qui ne correspond pas.</translation>
    </message>
    <message>
      <source>Folder with the IODD files.</source>
      <translation>Dossier des fichiers IODD.</translation>
    </message>
    <message>
      <source>Import IODD packages (.zip) or files (.xml) into the IODD folder, list its IODDs, or remove one.</source>
      <translation>Importer des paquets IODD (.zip) ou des fichiers (.xml) dans le dossier IODD, lister ses IODD ou en supprimer une.</translation>
    </message>
    <message>
      <source>Language of the texts: en, de or fr.</source>
      <translation>Langue des textes : en, de ou fr.</translation>
    </message>
    <message>
      <source>List the master ports with the device on each, one JSON object per line.</source>
      <translation>Liste les ports du maître avec l'appareil de chacun, un objet JSON par ligne.</translation>
    </message>
    <message>
      <source>No IO-Link device answers on port %1.</source>
      <translation>Aucun appareil IO-Link ne répond sur le port %1.</translation>
    </message>
    <message>
      <source>No IODD was found for product %1; only raw access is possible.</source>
      <translation>Aucune IODD trouvée pour le produit %1 ; seul l'accès brut est possible.</translation>
    </message>
    <message>
      <source>Not an index: %1</source>
      <translation>Pas un index : %1</translation>
    </message>
    <message>
      <source>Not hexadecimal octets: %1</source>
      <translation>Pas des octets hexadécimaux : %1</translation>
    </message>
    <message>
      <source>Not readable: %1 (index %2): %3</source>
      <translation>Illisible : %1 (index %2) : %3</translation>
    </message>
    <message>
      <source>Not the address of a network master: %1 (use http://HOST or https://HOST).</source>
      <translation>Ce n'est pas l'adresse d'un maître réseau : %1 (utilisez http://HÔTE ou https://HÔTE).</translation>
    </message>
    <message>
      <source>Parameter sets need the device's IODD; none could be loaded.</source>
      <translation>Les jeux de paramètres demandent l'IODD de l'appareil ; aucune n'a pu être chargée.</translation>
    </message>
    <message>
      <source>Print the device status and the active entries of the detailed device status as one JSON object.</source>
      <translation>Afficher l'état de l'appareil et les entrées actives de l'état détaillé sous forme d'un objet JSON.</translation>
    </message>
    <message>
      <source>Read an index of the device and print its octets.</source>
      <translation>Lit un index de l'appareil et affiche ses octets.</translation>
    </message>
    <message>
      <source>Restoring %1 into %2 (serial number %3) needs --yes; nothing was written.</source>
      <translation>La restauration de %1 dans %2 (numéro de série %3) demande --yes ; rien n'a été écrit.</translation>
    </message>
    <message>
      <source>Run ovinex-cli --help for the usage.</source>
      <translation>L'utilisation est décrite par ovinex-cli --help.</translation>
    </message>
    <message>
      <source>Save the device's parameters to a file, compare them with a file, or restore them from a file.</source>
      <translation>Enregistre les paramètres de l'appareil dans un fichier, les compare avec un fichier ou les restaure depuis un fichier.</translation>
    </message>
    <message>
      <source>Scripts what a technician does with IO-Link devices: lists the ports, reads and writes indexes, and saves, compares and restores parameter sets. Results go to stdout, one JSON object per line; messages to stderr.</source>
      <translation>Automatise ce qu'un technicien fait avec des appareils IO-Link : liste les ports, lit et écrit des index, enregistre, compare et restaure des jeux de paramètres. Les résultats vont sur stdout, un objet JSON par ligne ; les messages sur stderr.</translation>
    </message>
    <message>
      <source>Serve the simulated master's devices (the given IODDs, else the sample) through the JSON REST interface of Ethernet IO-Link masters.</source>
      <translation>Servir les appareils du maître simulé (les IODD indiquées, sinon l'exemple) par l'interface REST JSON des maîtres IO-Link Ethernet.</translation>
    </message>
    <message>
      <source>Skipped: %1 (index %2): %3</source>
      <translation>Ignoré : %1 (index %2) : %3</translation>
    </message>
    <message>
      <source>Stay connected for N seconds (default 10) and print each event of the device as one JSON line.</source>
      <translation>Rester connecté N secondes (10 par défaut) et afficher chaque événement de l'appareil sur une ligne JSON.</translation>
    </message>
    <message>
      <source>The IODD file %1 cannot be read.</source>
      <translation>Le fichier IODD %1 ne peut pas être lu.</translation>
    </message>
    <message>
      <source>The command and its arguments.</source>
      <translation>La commande et ses arguments.</translation>
    </message>
    <message>
      <source>The connection to the device on port %1 was lost.</source>
      <translation>La connexion à l'appareil du port %1 a été perdue.</translation>
    </message>
    <message>
      <source>The connection to the device was lost; nothing was saved.</source>
      <translation>La connexion à l'appareil a été perdue ; rien n'a été enregistré.</translation>
    </message>
    <message>
      <source>The device does not report a device status.</source>
      <translation>L'appareil ne fournit pas d'état d'appareil.</translation>
    </message>
    <message>
      <source>The device on port %1 could not be connected.</source>
      <translation>L'appareil sur le port %1 n'a pas pu être connecté.</translation>
    </message>
    <message>
      <source>The master %1 cannot be asked for its ports: %2</source>
      <translation>Impossible de demander ses ports au maître %1 : %2</translation>
    </message>
    <message>
      <source>There is no port %1. Run ovinex-cli ports for the list.</source>
      <translation>Il n'y a pas de port %1. La liste est donnée par ovinex-cli ports.</translation>
    </message>
    <message>
      <source>Unknown language: %1</source>
      <translation>Langue inconnue : %1</translation>
    </message>
    <message>
      <source>Use either --master or --simulated, not both.</source>
      <translation>Utilisez soit --master, soit --simulated, pas les deux.</translation>
    </message>
    <message>
      <source>Use iodd import FILE..., iodd list or iodd remove PATH.</source>
      <translation>Utilisez iodd import FICHIER..., iodd list ou iodd remove CHEMIN.</translation>
    </message>
    <message>
      <source>Use the settings in this folder instead of temporary ones.</source>
      <translation>Utiliser les réglages de ce dossier au lieu de réglages temporaires.</translation>
    </message>
    <message>
      <source>Use the simulated master with a device from this IODD file; repeat it for more devices (ports SIM1, SIM2, ...).</source>
      <translation>Utiliser le maître simulé avec un appareil issu de ce fichier IODD ; à répéter pour d'autres appareils (ports SIM1, SIM2, ...).</translation>
    </message>
    <message>
      <source>Work with the devices of this Ethernet IO-Link master (JSON REST interface); its ports are named by their number.</source>
      <translation>Travailler avec les appareils de ce maître IO-Link Ethernet (interface REST JSON) ; ses ports sont désignés par leur numéro.</translation>
    </message>
    <message>
      <source>Write octets to an index of the device.</source>
      <translation>Écrit des octets dans un index de l'appareil.</translation>
    </message>
    <message>
      <source>Write the log to stderr.</source>
      <translation>Écrire le journal sur stderr.</translation>
    </message>
    <message>
      <source>events needs a port.</source>
      <translation>events a besoin d'un port.</translation>
    </message>
    <message>
      <source>events: how many seconds to listen (default 10).</source>
      <translation>events : durée d'écoute en secondes (10 par défaut).</translation>
    </message>
    <message>
      <source>iodd import needs at least one file.</source>
      <translation>iodd import a besoin d'au moins un fichier.</translation>
    </message>
    <message>
      <source>params needs save, compare or restore, a port and a file.</source>
      <translation>params demande save, compare ou restore, un port et un fichier.</translation>
    </message>
    <message>
      <source>params restore: write without asking.</source>
      <translation>params restore : écrire sans demander.</translation>
    </message>
    <message>
      <source>ports takes no arguments.</source>
      <translation>ports ne prend pas d'arguments.</translation>
    </message>
    <message>
      <source>read needs a port and an index.</source>
      <translation>read demande un port et un index.</translation>
    </message>
    <message>
      <source>serve-simulator: the address and port to listen on, e.g. 127.0.0.1:8080.</source>
      <translation>serve-simulator : l'adresse et le port d'écoute, p. ex. 127.0.0.1:8080.</translation>
    </message>
    <message>
      <source>status needs a port.</source>
      <translation>status a besoin d'un port.</translation>
    </message>
    <message>
      <source>write needs a port, an index and hexadecimal octets.</source>
      <translation>write demande un port, un index et des octets hexadécimaux.</translation>
    </message>
  </context>
</TS>
