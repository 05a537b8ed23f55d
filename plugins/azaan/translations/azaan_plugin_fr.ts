<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>HSPluginAzaan</name>
    <message>
        <source>TXT_RID_LIST_A_FAJR</source>
        <translation>Fajr</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_DHOHR</source>
        <translation>Dohr</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ASR</source>
        <translation>Asr</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_MAGHREB</source>
        <translation>Maghreb</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ESHAA</source>
        <translation>Icha</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_PRAYER_TIME_NOT_FOUND</source>
        <translation>Horaires des prières introuvables</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_1_NEW_MESSAGE</source>
        <translation>1 nouveau message</translation>
    </message>
    <message>
        <source>FMT_RID_LIST_A_1_NEW_MESSAGES</source>
        <translation>%1 nouveaux messages</translation>
    </message>
    <message>
        <source>FMT_RID_LIST_A_1_CALENDAR_EVENTS</source>
        <translation>%1 rendez-vous d'agenda</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_MEDIA_FINDER</source>
        <translation>Explorateur multimédia</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_AZAAN_NAME</source>
        <translation>Adhan</translation>
    </message>
</context>
</TS>
