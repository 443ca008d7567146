// E-Mail Setting(1) (Administrator sheet): the sender, the SMTP server and its
// login, and the POP-before-SMTP wait.
#include "pages.h"
#include "messages.h"
#include "resource.h"
#include "textrules.h"

namespace {

const LabelText labels[] = {
    {IDC_EM1_SENDER_LABEL, IDS_EM_SENDER},
    {IDC_EM1_ADDRESS_LABEL, IDS_EM_ADDRESS},
    {IDC_EM1_SMTP_SERVER_LABEL, IDS_EM_SMTP_SERVER},
    {IDC_EM1_SMTP_PORT_LABEL, IDS_EM_SMTP_PORT},
    {IDC_EM1_SMTP_TIMEOUT_TITLE, IDS_EM_SMTP_TIMEOUT},
    {IDC_EM1_SUBJECT_LABEL, IDS_EM_SUBJECT},
    {IDC_EM1_TEXT_INSERT_CHECK, IDS_EM_TEXT_INSERT},
    {IDC_EM1_POP_BEFORE_SMTP_CHECK, IDS_EM_POP_BEFORE_SMTP},
    {IDC_EM1_SMTP_AUTH_CHECK, IDS_EM_SMTP_AUTH},
    {IDC_EM1_SMTP_USER_LABEL, IDS_EM_SMTP_USER},
    {IDC_EM1_SMTP_PASSWORD_LABEL, IDS_EM_SMTP_PASSWORD},
};

const uint32_t textInsertValues[] = {0, 8};
const int popWait[] = {IDC_EM1_POP_WAIT_SLIDER, IDC_EM1_POP_WAIT_LABEL};
const int smtpLogin[] = {IDC_EM1_SMTP_USER_EDIT, IDC_EM1_SMTP_PASSWORD_EDIT};

const Field fields[] = {
    nameField(IDC_EM1_SENDER_EDIT, FIELD(image.senderName)),
    textField(IDC_EM1_ADDRESS_EDIT, FIELD(image.emailAddress)),
    textField(IDC_EM1_SMTP_SERVER_EDIT, FIELD(image.smtpServer)),
    portField(IDC_MAIL_PORT_EDIT, FIELD(image.smtpPort)),
    sliderField(IDC_EM1_SMTP_TIMEOUT_SLIDER),
    checkField(IDC_EM1_TEXT_INSERT_CHECK, FIELD(image.textInsert), textInsertValues),
    nameField(IDC_EM1_SUBJECT_EDIT, FIELD(image.defaultSubject)),
    withDependants(checkField(IDC_EM1_POP_BEFORE_SMTP_CHECK, FIELD(image.popBeforeSmtp)), popWait),
    sliderField(IDC_EM1_POP_WAIT_SLIDER),
    withDependants(checkField(IDC_EM1_SMTP_AUTH_CHECK, FIELD(image.smtpAuthentication)),
                   smtpLogin),
    textField(IDC_EM1_SMTP_USER_EDIT, FIELD(image.smtpAccount)),
    textField(IDC_EM1_SMTP_PASSWORD_EDIT, FIELD(image.smtpPassword)),
};

bool check(HWND page, bool) {
    const ImageSettings& s = settingsRecord().image;
    const char* address = reinterpret_cast<const char*>(s.emailAddress);
    if (address[0] && !isValidEmail(address)) {
        ShowMessage(page, IDS_EMAIL_INVALID, MB_OK);
        refuseAt(page, IDC_EM1_ADDRESS_EDIT);
        return false;
    }
    return checkPortField(page, IDC_MAIL_PORT_EDIT);
}

} // namespace

const SettingsPage emailSetting1Page = {
    pageEmailSetting1, labels, std::size(labels), fields, std::size(fields),
    nullptr, nullptr, nullptr, check, nullptr, nullptr,
};
