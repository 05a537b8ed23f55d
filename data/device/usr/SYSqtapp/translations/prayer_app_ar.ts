<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The device loads the compiled form; after a change: lrelease prayer_app_ar.ts -qm prayer_app_ar.qm -->
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
    <message>
        <source>TXT_RID_SOFTKEY_BACK</source>
        <translation>رجوع</translation>
    </message>
</context>
<context>
    <name>Azaan_Islamic_Events</name>
    <message>
        <source>TXT_RID_HEADER_ISLAMIC_CALENDAR</source>
        <translation>التقويم الهجري</translation>
    </message>
    <message>
        <source>TXT_RID_SOFTKEY_BACK</source>
        <translation>رجوع</translation>
    </message>
</context>
<context>
    <name>IslamicCalendar</name>
    <message>
        <source>TXT_RID_LIST_B_HIJIRI_NEW_YEAR</source>
        <translation>رأس السنة الهجرية</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_ASHURA</source>
        <translation>عاشوراء</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_MAWLID_AN_NABI</source>
        <translation>المولد النبوي</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_START_OF_RAMADAN</source>
        <translation>بداية رمضان</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_EID_AL_FITR</source>
        <translation>عيد الفطر</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_WAQFAT_ARAFA</source>
        <translation>وقفة عرفة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_EID_AL_ADHA</source>
        <translation>عيد الأضحى</translation>
    </message>
</context>
<context>
    <name>UTIL_DateTime</name>
    <message>
        <source>TXT_RID_STANDARD_AM</source>
        <translation>ص</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_PM</source>
        <translation>م</translation>
    </message>
</context>
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
</context>
</TS>
