<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
        <translation>يوم عرفة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_B_EID_AL_ADHA</source>
        <translation>عيد الأضحى</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_MUHARRAM</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_SAFAR</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_RABI_I</source>
        <translation>ربيع الأول</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_RABI_II</source>
        <translation>ربيع الآخر</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_JUMADA_I</source>
        <translation>جمادى الأولى</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_JUMADA_II</source>
        <translation>جمادى الآخرة</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_RAJAB</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_SHABAN</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_RAMADAN</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_SHAWWAL</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_DHU_AL_QIDAH</source>
        <translation>ذو القعدة</translation>
    </message>
    <message>
        <source>TXT_RID_STANDARD_DHU_AL_HIJJAH</source>
        <translation>ذو الحجة</translation>
    </message>
</context>
</TS>
