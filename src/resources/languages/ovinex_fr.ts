<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ApplicationSettings</name>
    <message>
        <source>Copyright © 2026 Korvell GmbH. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommunicationHandler</name>
    <message>
        <source>Unsupported index.</source>
        <translation>Index non pris en charge.</translation>
    </message>
    <message>
        <source>Setting value succeeded for (%1, %2)</source>
        <translation>Valeur définie avec succès pour (%1, %2)</translation>
    </message>
    <message>
        <source>Setting value failed for (%1, %2)

%3.

Value read again.</source>
        <translation>Échec de la définition de la valeur pour (%1, %2)

%3.

Valeur relue.</translation>
    </message>
</context>
</TS>
