<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AZSettingWgt</name>
    <message>
        <source>TXT_RID_SETTING_A_CUSTOM_HOMESCREEN</source>
        <translation>Écran d'accueil personnalisé</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_CUSTOM_HOME_SCREEN</source>
        <translation>Écran d'accueil personnalisé</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_PRAYER</source>
        <translation>Heure de prière</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_PRAYER_TIME</source>
        <translation>Heure de prière</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_CUSTOM_PRAYERMETHOD</source>
        <translation>Méthode de calcul</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_PRAYER_METHOD</source>
        <translation>Méthode de calcul</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_CITY</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_CITY</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_PRAYERALERT</source>
        <translation>Alerte de prière</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_PRAYER_ALERT</source>
        <translation>Alerte de prière</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_ALERTSOUND</source>
        <translation>Sonnerie d'alerte</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ALERT_SOUND</source>
        <translation>Sonnerie d'alerte</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_MESSAGE_INBOX</source>
        <translation>Boîte de réception</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_MESSAGE_INBOX</source>
        <translation>Boîte de réception</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_CALENDAR</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_CALENDAR</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_ISLAMIC_CALENDAR</source>
        <translation>Calendrier islamique</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ISLAMIC_CALENDAR</source>
        <translation>Calendrier islamique</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_MEDIA_FINDER</source>
        <translation>Explorateur multimédia</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_MEDIA_FINDER</source>
        <translation>Explorateur multimédia</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_WORLD_LEAGUE</source>
        <translation>Ligue islamique mondiale</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_MUSLIM_WORLD_LEAGUE</source>
        <translation>Ligue islamique mondiale</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_EGYPTIAN_GENERAL</source>
        <translation>Autorité égyptienne</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ISLAMIC_SCIENCES</source>
        <translation>Sciences islamiques</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ISLAMIC_SOCIETY</source>
        <translation>Société islamique</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_UMM_QURAH</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_UMM_AL_QURAH</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_OFF</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_B_OFF</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ON</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_B_ON</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_BEFORE10</source>
        <translation>10 minutes avant</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_10_MINUTES_BEFORE</source>
        <translation>10 minutes avant</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_BEFORE5</source>
        <translation>5 minutes avant</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_5_MINUTES_BEFORE</source>
        <translation>5 minutes avant</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_EXACT</source>
        <translation>À l'heure</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_AT_PRAYER_TIME</source>
        <translation>À l'heure</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_AFTER5</source>
        <translation>5 minutes après</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_5_MINUTES_AFTER</source>
        <translation>5 minutes après</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_AFTER10</source>
        <translation>10 minutes après</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_10_MINUTES_AFTER</source>
        <translation>10 minutes après</translation>
    </message>
    <message>
        <source>TXT_RID_HEADER_CUSTOM_HOME_SCREEN</source>
        <translation>Écran d'accueil personnalisé</translation>
    </message>
    <message>
        <source>TXT_RID_HEADER_INVALID_FILE</source>
        <translation>Fichier non valide</translation>
    </message>
    <message>
        <source>FMT_RID_INSTRUCTIONALTXT_BECAUSE_THIS_FILE_IS_INVALID_1_IT_CANNOT_BE_SELECTED</source>
        <translation>Ce fichier est non valide : %1. Impossible de le sélectionner.</translation>
    </message>
</context>
<context>
    <name>AZ_TimeZone</name>
    <message>
        <source>TXT_RID_HEADER_CITY</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>TXT_RID_JUMPBOX_FIND</source>
        <translation>Rechercher : </translation>
    </message>
</context>
<context>
    <name>HSPluginAZSettingInfo</name>
    <message>
        <source>TXT_RID_SETTING_A_AZAAN</source>
        <translation>Écran d'accueil personnalisé</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_CUSTOM_HOME_SCREEN</source>
        <translation>Écran d'accueil personnalisé</translation>
    </message>
</context>
</TS>
