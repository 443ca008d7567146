// Network Setting (Administrator sheet): the machine's IP address, DNS, SNMP,
// LPD, port and time server. An edit of the address mode, an address, the DNS
// mode or the DNS server makes the next upload tell the machine that its
// network changed.
#include "pages.h"
#include "resource.h"
#include "settingsrules.h"

namespace {

const LabelText labels[] = {
    {IDC_NET_TCPIP_GROUP, IDS_NET_TCPIP},
    {IDC_NET_AUTO_RADIO, IDS_NET_AUTO},
    {IDC_NET_SPECIFY_RADIO, IDS_NET_SPECIFY},
    {IDC_NET_IP_LABEL, IDS_NET_IP_ADDRESS},
    {IDC_NET_SUBNET_LABEL, IDS_NET_SUBNET_MASK},
    {IDC_NET_GATEWAY_LABEL, IDS_NET_GATEWAY},
    {IDC_NET_DNS_GROUP, IDS_NET_DNS},
    {IDC_NET_DNS_DISABLE_RADIO, IDS_NET_DNS_DISABLE},
    {IDC_NET_DNS_ENABLE_RADIO, IDS_NET_DNS_ENABLE},
    {IDC_NET_DNS_SERVER_LABEL, IDS_NET_DNS_ADDRESS},
    {IDC_NET_SNMP_CHECK, IDS_NET_SNMP},
    {IDC_NET_LPD_CHECK, IDS_NET_LPD},
    {IDC_NET_PORT_LABEL, IDS_NET_PORT},
    {IDC_NET_AUTO_TIME_GROUP, IDS_NET_AUTO_TIME},
    {IDC_NET_AUTO_TIME_DISABLE_RADIO, IDS_NET_TIME_DISABLE},
    {IDC_NET_AUTO_TIME_ENABLE_RADIO, IDS_NET_TIME_ENABLE},
    {IDC_NET_NTP_SERVER_LABEL, IDS_NET_NTP_SERVER},
    {IDC_NET_NTP_PORT_LABEL, IDS_NET_NTP_PORT},
};

const int specifiedAddress[] = {IDC_NET_IP_LABEL,     IDC_NET_IP_ADDRESS, IDC_NET_SUBNET_LABEL,
                                IDC_NET_SUBNET_MASK,  IDC_NET_GATEWAY_LABEL, IDC_NET_GATEWAY};
const int dnsAddress[] = {IDC_NET_DNS_SERVER_LABEL, IDC_NET_DNS_SERVER};

const Field fields[] = {
    withDependants(radioField(IDC_NET_AUTO_RADIO, IDC_NET_SPECIFY_RADIO,
                              FIELD(image.ipAddressMode), offOn),
                   specifiedAddress),
    ipv4Field(IDC_NET_IP_ADDRESS, FIELD(image.ipAddress)),
    ipv4Field(IDC_NET_SUBNET_MASK, FIELD(image.subnetMask)),
    ipv4Field(IDC_NET_GATEWAY, FIELD(image.gatewayAddress)),
    withDependants(
        radioField(IDC_NET_DNS_DISABLE_RADIO, IDC_NET_DNS_ENABLE_RADIO, FIELD(image.dnsMode), offOn),
        dnsAddress),
    ipv4Field(IDC_NET_DNS_SERVER, FIELD(image.dnsServer)),
    checkField(IDC_NET_SNMP_CHECK, FIELD(image.snmpEnabled)),
    checkField(IDC_NET_LPD_CHECK, FIELD(image.lpdEnabled)),
    radioField(IDC_NET_AUTO_TIME_DISABLE_RADIO, IDC_NET_AUTO_TIME_ENABLE_RADIO,
               FIELD(image.autoGetTime), offOn),
    textField(IDC_NET_NTP_SERVER_EDIT, FIELD(image.ntpServer)),
    portField(IDC_NET_NTP_PORT_EDIT, FIELD(image.ntpPort)),
    portField(IDC_NET_PORT_EDIT, FIELD(image.networkPort)),
};

void opened(HWND) {
    sheetState.networkChanged = 0;
}

void fieldChanged(HWND, const Field& field) {
    switch (field.control) {
    case IDC_NET_AUTO_RADIO:
    case IDC_NET_IP_ADDRESS:
    case IDC_NET_SUBNET_MASK:
    case IDC_NET_GATEWAY:
    case IDC_NET_DNS_DISABLE_RADIO:
    case IDC_NET_DNS_SERVER:
        sheetState.networkChanged = 1;
        break;
    }
}

// Leaving the page checks the octets; applying also that every address in
// use is complete.
bool check(HWND page, bool applying) {
    const ImageSettings& s = settingsRecord().image;
    if (s.ipAddressMode == 1) {
        if (!checkAddress(page, IDC_NET_IP_ADDRESS, s.ipAddress, true, applying)) return false;
        if (applying && !checkAddress(page, IDC_NET_SUBNET_MASK, s.subnetMask, false, true))
            return false;
        if (applying && !checkAddress(page, IDC_NET_GATEWAY, s.gatewayAddress, false, true))
            return false;
        if (!checkAddress(page, IDC_NET_GATEWAY, s.gatewayAddress, true, false)) return false;
    }
    if (s.dnsMode == 1) {
        if (applying && !checkAddress(page, IDC_NET_DNS_SERVER, s.dnsServer, false, true))
            return false;
        if (!checkAddress(page, IDC_NET_DNS_SERVER, s.dnsServer, true, false)) return false;
    }
    return checkPortField(page, IDC_NET_NTP_PORT_EDIT) && checkPortField(page, IDC_NET_PORT_EDIT);
}

void applying(HWND) {
    Document& doc = settingsDocument();
    if (sheetState.networkChanged) doc.uploadCode = 1;
    if (doc.settings.image.dnsMode == 1) doc.image.blocks[55].blockLength = 4;
}

} // namespace

const SettingsPage networkSettingPage = {
    pageNetworkSetting, labels, std::size(labels), fields, std::size(fields),
    opened, nullptr, fieldChanged, check, applying, nullptr,
};
