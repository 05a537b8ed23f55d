<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Azaan_Prayer_Time</name>
    <message>
        <source>TXT_RID_HEADER_PRAYER_TIMES</source>
        <translation>مواقيت الصلاة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_FAJR</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_DHOHR</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ASR</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_MAGHREB</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ESHAA</source>
        <translation>العشاء</translation>
    </message>
</context>
<context>
    <name>Azaan_Islamic_Events</name>
    <message>
        <source>TXT_RID_HEADER_ISLAMIC_CALENDAR</source>
        <translation>التقويم الهجري</translation>
    </message>
</context>
</TS>
