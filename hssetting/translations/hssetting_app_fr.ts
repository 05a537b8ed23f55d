<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>SET_MainWidget</name>
    <message>
        <source>TXT_RID_HEADER_HOME_SCREEN</source>
        <translation>Réglages de l'accueil</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_DIGITAL</source>
        <translation>Numérique</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ANALOG</source>
        <translation>Analogique</translation>
    </message>
</context>
<context>
    <name>HSSET_PluginItem</name>
    <message>
        <source>TXT_RID_SETTING_A_CUSTOM_HOME_SCREEN</source>
        <translation>Écran d'accueil personnalisé</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_EXTERNAL_CLOCK_STYLE</source>
        <translation>Style de l'horloge extérieure</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_DATE</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_ICONS</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>TXT_RID_OPTION_CHANGE_WALLPAPER</source>
        <translation>Changer le fond d'écran</translation>
    </message>
</context>
</TS>
