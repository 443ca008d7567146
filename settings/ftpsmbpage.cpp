// FTP && SMB Configuration (Administrator sheet): the FTP proxy and timeout,
// and whether and how the machine sends to SMB shares.
#include "pages.h"
#include "resource.h"
#include "settingsrules.h"

#include <commctrl.h>

namespace {

const LabelText labels[] = {
    {IDC_FS_FTP_GROUP, IDS_FS_FTP_CONFIGURATION},
    {IDC_FS_PROXY_ADDRESS_LABEL, IDS_FS_PROXY_ADDRESS},
    {IDC_FS_PROXY_PORT_LABEL, IDS_FS_PROXY_PORT},
    {IDC_FS_TIMEOUT_TITLE, IDS_FS_TIMEOUT},
    {IDC_FS_SMB_GROUP, IDS_FS_SMB_CONFIGURATION},
    {IDC_FS_SEND_LABEL, IDS_FS_SEND},
    {IDC_FS_SEND_ENABLE_RADIO, IDS_FS_ENABLE},
    {IDC_FS_SEND_DISABLE_RADIO, IDS_FS_DISABLE},
    {IDC_FS_AUTH_LABEL, IDS_FS_AUTHENTICATION},
};

const uint32_t enableDisable[] = {1, 0};

const Field fields[] = {
    ipv4Field(IDC_FS_PROXY_ADDRESS, FIELD(image.ftpProxyAddress)),
    portField(IDC_FS_PROXY_PORT_EDIT, FIELD(image.ftpProxyPort)),
    sliderField(IDC_FS_TIMEOUT_SLIDER),
    radioField(IDC_FS_SEND_ENABLE_RADIO, IDC_FS_SEND_DISABLE_RADIO, FIELD(image.smbSend),
               enableDisable),
    listField(IDC_FS_AUTH_LIST, FIELD(image.smbAuthentication), IDS_AUTH_FIRST, IDS_AUTH_LAST),
};

// A timeout the slider cannot show starts at a minute.
void opened(HWND page) {
    uint32_t& timeout = settingsRecord().image.ftpTimeout;
    if (timeout < 5 || timeout > 300) {
        timeout = 60;
        loadField(page, fields[2]);
    }
}

// An empty proxy address means no proxy and passes.
bool check(HWND page, bool applying) {
    const bool blank = SendDlgItemMessageA(page, IDC_FS_PROXY_ADDRESS, IPM_ISBLANK, 0, 0) != 0;
    if (!blank && !checkAddress(page, IDC_FS_PROXY_ADDRESS, settingsRecord().image.ftpProxyAddress,
                                true, applying))
        return false;
    return checkPortField(page, IDC_FS_PROXY_PORT_EDIT);
}

} // namespace

const SettingsPage ftpSmbPage = {
    pageFtpSmb, labels, std::size(labels), fields, std::size(fields),
    opened, nullptr, nullptr, check, nullptr, nullptr,
};
