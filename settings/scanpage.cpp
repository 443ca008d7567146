// Scan Setting (Utility sheet): four radio groups, stored as the machine's
// codes. Nothing here needs a rule of its own.
#include "pages.h"
#include "resource.h"

namespace {

const LabelText labels[] = {
    {IDC_SCAN_RESOLUTION_GROUP, IDS_SCAN_RESOLUTION},
    {IDC_SCAN_150DPI_RADIO, IDS_SCAN_150DPI},
    {IDC_SCAN_300DPI_RADIO, IDS_SCAN_300DPI},
    {IDC_SCAN_600DPI_RADIO, IDS_SCAN_600DPI},
    {IDC_SCAN_FORMAT_GROUP, IDS_SCAN_FORMAT},
    {IDC_SCAN_TIFF_RADIO, IDS_SCAN_TIFF},
    {IDC_SCAN_PDF_RADIO, IDS_SCAN_PDF},
    {IDC_SCAN_JPEG_RADIO, IDS_SCAN_JPEG},
    {IDC_SCAN_CODING_GROUP, IDS_SCAN_CODING},
    {IDC_SCAN_MH_RADIO, IDS_SCAN_MH},
    {IDC_SCAN_MR_RADIO, IDS_SCAN_MR},
    {IDC_SCAN_MMR_RADIO, IDS_SCAN_MMR},
    {IDC_SCAN_COLOR_GROUP, IDS_SCAN_COLOR},
    {IDC_SCAN_BW_RADIO, IDS_SCAN_BW},
    {IDC_SCAN_GRAY_RADIO, IDS_SCAN_GRAY},
    {IDC_SCAN_COLOR_RADIO, IDS_SCAN_COLOR_MODE},
};

const uint32_t resolutions[] = {0, 8, 16};
const uint32_t formats[] = {0, 4, 8};
const uint32_t codings[] = {0, 1, 2};
const uint32_t colors[] = {0, 16, 32};

const Field fields[] = {
    radioField(IDC_SCAN_150DPI_RADIO, IDC_SCAN_600DPI_RADIO, FIELD(utility.scanResolution),
               resolutions),
    radioField(IDC_SCAN_TIFF_RADIO, IDC_SCAN_JPEG_RADIO, FIELD(utility.scanFormat), formats),
    radioField(IDC_SCAN_MH_RADIO, IDC_SCAN_MMR_RADIO, FIELD(utility.scanCoding), codings),
    radioField(IDC_SCAN_BW_RADIO, IDC_SCAN_COLOR_RADIO, FIELD(utility.scanColor), colors),
};

} // namespace

const SettingsPage scanSettingPage = {
    pageScanSetting, labels, std::size(labels), fields, std::size(fields),
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
};
