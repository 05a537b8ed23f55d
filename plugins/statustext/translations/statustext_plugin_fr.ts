<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>StatusTextInfoEngine</name>
    <message>
        <source>TXT_RID_HEADER_AIRPLANE_MODE</source>
        <translation>Mode avion</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_NO_SERVICE</source>
        <translation>Aucun service</translation>
    </message>
    <message>
        <source>TXT_RID_HEADER_SEARCHING</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>TXT_RID_HEADER_REGISTERING</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_EMERGENCY_ONLY</source>
        <translation>Appels d'urgence uniquement</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_UNREGISTERED_SIM</source>
        <translation>Carte SIM non enregistrée</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_INVALID_BATTERY</source>
        <translation>Batterie non valide</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_LOW_BATTERY</source>
        <translation>Batterie faible</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_SYNCHRONIZING</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_CALL_BARRING</source>
        <translation>Restriction des appels</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_AUTOANSWER_ON</source>
        <translation>Réponse automatique activée</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_CHARGE_COMPLETE</source>
        <translation>Charge terminée</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_CHARGING</source>
        <translation>Chargement en cours</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_UNABLE_TO_CHARGE</source>
        <translation>Chargement impossible</translation>
    </message>
</context>
<context>
    <name>HSPluginStatusText</name>
    <message>
        <source>TXT_RID_IDLE_STATUSTEXT_NAME</source>
        <translation>Texte d'état</translation>
    </message>
</context>
</TS>
