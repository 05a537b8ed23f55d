<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Azaan_Prayer_Time</name>
    <message>
        <source>TXT_RID_HEADER_PRAYER_TIMES</source>
        <translation>مواقيت الصلاة</translation>
    </message>
</context>
<context>
    <name>Global</name>
    <message>
        <source>TXT_RID_SOFTKEY_BACK</source>
        <translation>رجوع</translation>
    </message>
</context>
</TS>
