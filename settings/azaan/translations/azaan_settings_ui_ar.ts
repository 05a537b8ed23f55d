<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AZSettingWgt</name>
    <message>
        <source>TXT_RID_SETTING_A_CUSTOM_HOMESCREEN</source>
        <translation>الشاشة الرئيسية المخصصة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_CUSTOM_HOME_SCREEN</source>
        <translation>الشاشة الرئيسية المخصصة</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_PRAYER</source>
        <translation>وقت الصلاة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_PRAYER_TIME</source>
        <translation>وقت الصلاة</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_CUSTOM_PRAYERMETHOD</source>
        <translation>طريقة الحساب</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_PRAYER_METHOD</source>
        <translation>طريقة الحساب</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_CITY</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_CITY</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_PRAYERALERT</source>
        <translation>تنبيه الصلاة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_PRAYER_ALERT</source>
        <translation>تنبيه الصلاة</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_ALERTSOUND</source>
        <translation>نغمة التنبيه</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ALERT_SOUND</source>
        <translation>نغمة التنبيه</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_MESSAGE_INBOX</source>
        <translation>صندوق الوارد</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_MESSAGE_INBOX</source>
        <translation>صندوق الوارد</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_CALENDAR</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_CALENDAR</source>
        <translation>التقويم</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_ISLAMIC_CALENDAR</source>
        <translation>التقويم الهجري</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ISLAMIC_CALENDAR</source>
        <translation>التقويم الهجري</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_MEDIA_FINDER</source>
        <translation>مستكشف الوسائط</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_MEDIA_FINDER</source>
        <translation>مستكشف الوسائط</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_WORLD_LEAGUE</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_MUSLIM_WORLD_LEAGUE</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_EGYPTIAN_GENERAL</source>
        <translation>الهيئة المصرية العامة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ISLAMIC_SCIENCES</source>
        <translation>جامعة العلوم الإسلامية</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ISLAMIC_SOCIETY</source>
        <translation>الجمعية الإسلامية</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_UMM_QURAH</source>
        <translation>أم القرى</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_UMM_AL_QURAH</source>
        <translation>أم القرى</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_OFF</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_B_OFF</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ON</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_B_ON</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_BEFORE10</source>
        <translation>قبل 10 دقائق</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_10_MINUTES_BEFORE</source>
        <translation>قبل 10 دقائق</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_BEFORE5</source>
        <translation>قبل 5 دقائق</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_5_MINUTES_BEFORE</source>
        <translation>قبل 5 دقائق</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_EXACT</source>
        <translation>عند وقت الصلاة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_AT_PRAYER_TIME</source>
        <translation>عند وقت الصلاة</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_AFTER5</source>
        <translation>بعد 5 دقائق</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_5_MINUTES_AFTER</source>
        <translation>بعد 5 دقائق</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_AFTER10</source>
        <translation>بعد 10 دقائق</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_10_MINUTES_AFTER</source>
        <translation>بعد 10 دقائق</translation>
    </message>
    <message>
        <source>TXT_RID_HEADER_CUSTOM_HOME_SCREEN</source>
        <translation>الشاشة الرئيسية المخصصة</translation>
    </message>
    <message>
        <source>TXT_RID_HEADER_INVALID_FILE</source>
        <translation>ملف غير صالح</translation>
    </message>
    <message>
        <source>FMT_RID_INSTRUCTIONALTXT_BECAUSE_THIS_FILE_IS_INVALID_1_IT_CANNOT_BE_SELECTED</source>
        <translation>لا يمكن اختيار هذا الملف لأنه غير صالح: %1</translation>
    </message>
</context>
<context>
    <name>AZ_TimeZone</name>
    <message>
        <source>TXT_RID_HEADER_CITY</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>TXT_RID_JUMPBOX_FIND</source>
        <translation>بحث: </translation>
    </message>
</context>
<context>
    <name>HSPluginAZSettingInfo</name>
    <message>
        <source>TXT_RID_SETTING_A_AZAAN</source>
        <translation>الشاشة الرئيسية المخصصة</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_CUSTOM_HOME_SCREEN</source>
        <translation>الشاشة الرئيسية المخصصة</translation>
    </message>
</context>
</TS>
