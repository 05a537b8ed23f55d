<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Azaan_Prayer_Time</name>
    <message>
        <source>TXT_RID_HEADER_PRAYER_TIMES</source>
        <translation>Horaires des prières</translation>
    </message>
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
</context>
<context>
    <name>Azaan_Islamic_Events</name>
    <message>
        <source>TXT_RID_HEADER_ISLAMIC_CALENDAR</source>
        <translation>Calendrier islamique</translation>
    </message>
</context>
</TS>
