<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>StatusTextInfoEngine</name>
    <message>
        <source>TXT_RID_HEADER_AIRPLANE_MODE</source>
        <translation>وضع الطيران</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_NO_SERVICE</source>
        <translation>لا توجد خدمة</translation>
    </message>
    <message>
        <source>TXT_RID_HEADER_SEARCHING</source>
        <translation>جارٍ البحث...</translation>
    </message>
    <message>
        <source>TXT_RID_HEADER_REGISTERING</source>
        <translation>جارٍ التسجيل...</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_EMERGENCY_ONLY</source>
        <translation>مكالمات الطوارئ فقط</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_UNREGISTERED_SIM</source>
        <translation>شريحة غير مسجلة</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_INVALID_BATTERY</source>
        <translation>بطارية غير صالحة</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_LOW_BATTERY</source>
        <translation>البطارية ضعيفة</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_SYNCHRONIZING</source>
        <translation>جارٍ المزامنة</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_CALL_BARRING</source>
        <translation>حظر المكالمات</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_AUTOANSWER_ON</source>
        <translation>الرد التلقائي مفعّل</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_CHARGE_COMPLETE</source>
        <translation>اكتمل الشحن</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_CHARGING</source>
        <translation>جارٍ الشحن</translation>
    </message>
    <message>
        <source>TXT_RID_IDLE_UNABLE_TO_CHARGE</source>
        <translation>تعذّر الشحن</translation>
    </message>
</context>
<context>
    <name>HSPluginStatusText</name>
    <message>
        <source>TXT_RID_IDLE_STATUSTEXT_NAME</source>
        <translation>نص الحالة</translation>
    </message>
</context>
</TS>
