// E-Mail Setting(2) (Administrator sheet): the POP3 server and its login.
#include "pages.h"
#include "resource.h"

namespace {

const LabelText labels[] = {
    {IDC_EM2_POP3_SERVER_LABEL, IDS_EM_POP3_SERVER},
    {IDC_EM2_POP3_PORT_LABEL, IDS_EM_POP3_PORT},
    {IDC_EM2_POP3_TIMEOUT_TITLE, IDS_EM_POP3_TIMEOUT},
    {IDC_EM2_POP3_ACCOUNT_LABEL, IDS_EM_POP3_ACCOUNT},
    {IDC_EM2_POP3_PASSWORD_LABEL, IDS_EM_POP3_PASSWORD},
};

const Field fields[] = {
    textField(IDC_EM2_POP3_SERVER_EDIT, FIELD(image.pop3Server)),
    portField(IDC_MAIL_PORT_EDIT, FIELD(image.pop3Port)),
    sliderField(IDC_EM2_POP3_TIMEOUT_SLIDER),
    textField(IDC_EM2_POP3_ACCOUNT_EDIT, FIELD(image.pop3Account)),
    textField(IDC_EM2_POP3_PASSWORD_EDIT, FIELD(image.pop3Password)),
};

bool check(HWND page, bool) {
    return checkPortField(page, IDC_MAIL_PORT_EDIT);
}

} // namespace

const SettingsPage emailSetting2Page = {
    pageEmailSetting2, labels, std::size(labels), fields, std::size(fields),
    nullptr, nullptr, nullptr, check, nullptr, nullptr,
};
