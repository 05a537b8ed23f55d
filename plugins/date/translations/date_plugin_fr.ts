<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>HSPluginDate</name>
    <message>
        <source>TXT_RID_IDLE_DATE_NAME</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>DateSettingInfo</name>
    <message>
        <source>TXT_RID_SETTING_A_DATE</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>DateSettingWgt</name>
    <message>
        <source>TXT_RID_HEADER_DATE</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_DATE_DISPLAY</source>
        <translation>Affichage de la date</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ON</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_OFF</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>TXT_RID_SOFTKEY_BACK</source>
        <translation>Retour</translation>
    </message>
</context>
</TS>
