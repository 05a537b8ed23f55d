<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>HSPluginDate</name>
    <message>
        <source>TXT_RID_IDLE_DATE_NAME</source>
        <translation>التاريخ</translation>
    </message>
</context>
<context>
    <name>DateSettingInfo</name>
    <message>
        <source>TXT_RID_SETTING_A_DATE</source>
        <translation>التاريخ</translation>
    </message>
</context>
<context>
    <name>DateSettingWgt</name>
    <message>
        <source>TXT_RID_HEADER_DATE</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>TXT_RID_SETTING_A_DATE_DISPLAY</source>
        <translation>عرض التاريخ</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_ON</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>TXT_RID_LIST_A_OFF</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>TXT_RID_SOFTKEY_BACK</source>
        <translation>رجوع</translation>
    </message>
</context>
</TS>
