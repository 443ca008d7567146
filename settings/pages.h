#pragma once
// The pages of the two machine-settings sheets, one file each.
#include "settingspage.h"

// "Utility Setting"
extern const SettingsPage machineSettingPage;
extern const SettingsPage paperSourcePage;
extern const SettingsPage copySetting1Page;
extern const SettingsPage copySetting2Page;
extern const SettingsPage faxTxPage;
extern const SettingsPage faxRxPage;
extern const SettingsPage scanSettingPage;
extern const SettingsPage reportSettingPage;

// Clamps the auto shut-off time to its slider's range and shows it there.
void ShowAutoShutOffTime(HWND page);

// "Administrator Mode"
extern const SettingsPage administratorModePage;
extern const SettingsPage networkSettingPage;
extern const SettingsPage emailSetting1Page;
extern const SettingsPage emailSetting2Page;
extern const SettingsPage userSettingPage;
extern const SettingsPage ftpSmbPage;
