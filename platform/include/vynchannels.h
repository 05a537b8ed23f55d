#ifndef VYNCHANNELS_H
#define VYNCHANNELS_H

// Names of the channels between programs and of the messages sent on them. Senders and
// receivers both use these, so a name is spelt once. Message names are matched as C strings.
namespace VynChannel {

// Settings writers announce changes here.
constexpr char SystemSetupBroadcast[] = "/systemsetup/broadcast";
// Settings screens ask the host to show or hide a plugin; payload: its framework name.
constexpr char HomeScreenFramework[] = "VYN/HSFRAMEWORK";
constexpr char HomeScreenSyncing[] = "HSFRAMEWORK/SYNCING";
// Time, backlight and theme notices of the system.
constexpr char System[] = "VYN/System";
constexpr char DateTimeFormat[] = "VYN/Setup/DateTimeFormatChanged";
// The calendar engine's notices for the home screen.
constexpr char CalendarHomeScreen[] = "VYN_PIM_CAL_HSA_CHANNEL";
constexpr char Launcher[] = "VYN/Launcher";
constexpr char MessageCenter[] = "VYN/MessageCenter";
constexpr char ClockPlugin[] = "Plugin/Clock";
constexpr char ClockCli[] = "Plugin/Cli";
constexpr char MyFaves[] = "myFaves/notify";
constexpr char SimpleIdle[] = "simple_idle_channel";
// Telephony and idle-screen notices for the status text.
constexpr char StatusText[] = "/phone/idle/statustext/chn";
constexpr char PhoneToIdle[] = "QD/PhoneToIdleChannel";
constexpr char Bluetooth[] = "/VYN/Bluetooth";
constexpr char IdleMessage[] = "/idle/message";
constexpr char NotificationPath[] = "qd/am/path_notification_channel";
// The simulated phone: state changes and telephony events.
constexpr char Phone[] = "VYN/Phone";

} // namespace VynChannel

namespace VynMessage {

// SystemSetupBroadcast
constexpr char AzaanSettingsChanged[] = "azaansettingschange";

// HomeScreenFramework
constexpr char ActivatePlugin[] = "activePlugIn()";
constexpr char DeactivatePlugin[] = "deactivePlugIn()";
constexpr char Digital[] = "digital";  // also on ClockCli
constexpr char Analog[] = "analog";    // also on ClockCli

// HomeScreenSyncing
constexpr char BeginSyncing[] = "beginSyncing()";
constexpr char EndSyncing[] = "endSyncing()";

// System
constexpr char TimeInfoChanged[] = "TimeInfoChanged";
constexpr char LcdOn[] = "LCDOn";
constexpr char BacklightDimmed[] = "DPL_BKLGT_DIMMED";
constexpr char BacklightRestored[] = "DPL_BKLGT_RESTORED";
constexpr char ApplyStyle[] = "applyStyle()";
// The display language of "/tmp/vyn_system.cfg" changed.
constexpr char LanguageChanged[] = "languageChanged()";

// DateTimeFormat
constexpr char TimeFormatChanged[] = "Setup/TimeFormatChanged";
constexpr char DateFormatChanged[] = "Setup/DateFormatChanged";

// CalendarHomeScreen
constexpr char CalendarAlarm[] = "HSAAlarm";
constexpr char CalendarEntryChanged[] = "entryChanged";

// Launcher
constexpr char ShowWallPaper[] = "showWallPaper";
constexpr char Launched[] = "launched(QString)";

// MessageCenter
constexpr char CountsChanged[] = "countsChanged";

// ClockPlugin and MyFaves
constexpr char ClockFormatChange[] = "ClockFormatChange";
constexpr char MyFavesShown[] = "myFavesUIShow";
constexpr char MyFavesHidden[] = "myFavesUIHide";

// SimpleIdle
constexpr char ShortcutUpdate[] = "simple_idle_shortcut_update_msg";

// StatusText and PhoneToIdle
constexpr char KeypadLock[] = "KEYPADLOCK";
constexpr char CellBroadcast[] = "CELLSMSMESSAGE";
constexpr char StkIdleText[] = "STK_IDLETEXT";
constexpr char ChargeOnly[] = "setChargeOnly";
constexpr char NormalPowerOn[] = "setNormalPowerOnMode";
constexpr char HeadsetStatus[] = "idleHeadsetStatus";
constexpr char ShowIdleScreen[] = "ShowIdleScreen";

// Bluetooth
constexpr char BluetoothState[] = "BTM007";

// IdleMessage and NotificationPath
constexpr char AutoAnswerState[] = "set_AutoAnswer_state";
constexpr char NotificationMessage[] = "qd/am/path_notification_message";

// Phone
constexpr char PhoneStateChanged[] = "phoneStateChanged";
constexpr char TapiEvent[] = "TAPI_SendEvent";

} // namespace VynMessage

#endif
