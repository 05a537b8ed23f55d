<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>SET_MainWidget</name>
    <message>
        <source>TXT_RID_HEADER_HOME_SCREEN</source>
        <translation>إعدادات الشاشة الرئيسية</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_DIGITAL</source>
        <translation>رقمية</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ANALOG</source>
        <translation>بعقارب</translation>
    </message>
</context>
<context>
    <name>HSSET_PluginItem</name>
    <message>
        <source>TXT_RID_SETTING_A_CUSTOM_HOME_SCREEN</source>
        <translation>الشاشة الرئيسية المخصصة</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_EXTERNAL_CLOCK_STYLE</source>
        <translation>نمط الساعة الخارجية</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_DATE</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_ICONS</source>
        <translation>الأيقونات</translation>
    </message>
    <message>
        <source>TXT_RID_OPTION_CHANGE_WALLPAPER</source>
        <translation>تغيير الخلفية</translation>
    </message>
</context>
</TS>
