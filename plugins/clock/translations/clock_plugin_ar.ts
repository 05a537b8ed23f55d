<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>HSPluginClock</name>
    <message>
        <source>TEMP_HOMESCREEN</source>
        <translation>الساعة</translation>
    </message>
</context>
<context>
    <name>ClockSettingWgt</name>
    <message>
        <source>TXT_RID_HEADER_EXTERNAL_CLOCK_STYLE</source>
        <translation>نمط الساعة الخارجية</translation>
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
    <name>HSPluginClockSettingInfo</name>
    <message>
        <source>TXT_RID_SETTING_A_EXTERNAL_CLOCK_STYLE</source>
        <translation>نمط الساعة الخارجية</translation>
    </message>
</context>
</TS>
