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
    <name>ConnectionDialog</name>
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
    <name>DevicePages</name>
    <message>
      <source>Diagnosis</source>
      <translation>Diagnostic</translation>
    </message>
    <message>
      <source>Identification</source>
      <translation>Identification</translation>
    </message>
    <message>
      <source>No device selected.
Please select a device from the list on the left.</source>
      <translation type="vanished">Aucun appareil sélectionné.
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
      <translation>Réglages</translation>
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
    <name>ovinex-check</name>
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
</TS>
