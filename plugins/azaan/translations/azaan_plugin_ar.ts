<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>HSPluginAzaan</name>
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
    <message>
        <source>TXT_RID_LIST_A_PRAYER_TIME_NOT_FOUND</source>
        <translation>لا تتوفر مواقيت الصلاة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_1_NEW_MESSAGE</source>
        <translation>رسالة جديدة</translation>
    </message>
    <message>
        <source>FMT_RID_LIST_A_1_NEW_MESSAGES</source>
        <translation>رسائل جديدة: %1</translation>
    </message>
    <message>
        <source>FMT_RID_LIST_A_1_CALENDAR_EVENTS</source>
        <translation>مواعيد التقويم: %1</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_MEDIA_FINDER</source>
        <translation>مستكشف الوسائط</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_AZAAN_NAME</source>
        <translation>الأذان</translation>
    </message>
</context>
</TS>
