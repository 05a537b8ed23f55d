<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>ChangeWallPaperInfo</name>
    <message>
        <source>TXT_RID_OPTION_CHANGE_WALLPAPER</source>
        <translation>تغيير الخلفية</translation>
    </message>
    <message>
        <source>HS_TEMP</source>
        <translation>تغيير الخلفية</translation>
    </message>
</context>
</TS>
