// Report Setting (Utility sheet): which reports the machine prints, each a
// switch stored as the machine's bit value.
#include "pages.h"
#include "resource.h"

namespace {

const LabelText labels[] = {
    {IDC_RPT_ACTIVITY_CHECK, IDS_RPT_ACTIVITY},
    {IDC_RPT_RESERVATION_CHECK, IDS_RPT_RESERVATION},
    {IDC_RPT_TX_RESULT_CHECK, IDS_RPT_TX_RESULT},
    {IDC_RPT_RX_RESULT_CHECK, IDS_RPT_RX_RESULT},
};

const uint32_t activity[] = {0, 128};
const uint32_t reservation[] = {0, 64};
const uint32_t txResult[] = {0, 32};
const uint32_t rxResult[] = {0, 16};

const Field fields[] = {
    checkField(IDC_RPT_ACTIVITY_CHECK, FIELD(utility.activityReport), activity),
    checkField(IDC_RPT_RESERVATION_CHECK, FIELD(utility.reservationReport), reservation),
    checkField(IDC_RPT_TX_RESULT_CHECK, FIELD(utility.txResultReport), txResult),
    checkField(IDC_RPT_RX_RESULT_CHECK, FIELD(utility.rxResultReport), rxResult),
};

} // namespace

const SettingsPage reportSettingPage = {
    pageReportSetting, labels, std::size(labels), fields, std::size(fields),
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
};
