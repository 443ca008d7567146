#include "settingsrules.h"

#include "machineimage.h"
#include "resource.h"

#include <cstddef>
#include <cstdio>
#include <cstring>

Ipv4Verdict ipv4OctetVerdict(const uint8_t address[4]) {
    const uint8_t first = address[0];
    if (first == 0 || first == 127 || first == 255) return ipv4FirstOctetBad;
    if (address[3] == 0) return ipv4LastOctetBad;
    return ipv4Valid;
}

bool ipv4Blank(const uint8_t address[4]) {
    return !(address[0] | address[1] | address[2] | address[3]);
}

uint32_t ipv4Packed(const uint8_t address[4]) {
    return static_cast<uint32_t>(address[0]) << 24 | static_cast<uint32_t>(address[1]) << 16 |
           static_cast<uint32_t>(address[2]) << 8 | address[3];
}

void ipv4Unpack(uint32_t packed, uint8_t address[4]) {
    for (int i = 0; i < 4; ++i)
        address[i] = static_cast<uint8_t>(packed >> (24 - 8 * i));
}

uint8_t timeZoneOfPosition(int position) {
    if (position < 0 || position >= timeZoneCount) return 0;
    return static_cast<uint8_t>(position < 25 ? position : position + 8);
}

int positionOfTimeZone(uint8_t code) {
    if (code <= 24) return code;
    if (code >= 33 && code <= 56) return code - 8;
    return -1;
}

bool adminNumberMatches(const std::string& typed, uint32_t value, uint32_t adminNumber) {
    return typed.size() == adminNumberDigits && value == adminNumber;
}

namespace {

#define SLIDER_FIELD(m)                                                                            \
    static_cast<uint16_t>(offsetof(SettingsRecord, m)),                                            \
        static_cast<uint8_t>(sizeof(static_cast<SettingsRecord*>(nullptr)->m))

const SliderSpec sliders[] = {
    {IDC_MS_SLEEP_SLIDER, SLIDER_FIELD(utility.machine.sleepModeTime), 1, 60, 10, IDC_MS_SLEEP_LABEL,
     IDS_UNIT_MIN},
    {IDC_MS_SHUT_OFF_SLIDER, SLIDER_FIELD(utility.machine.autoShutOffTime), 15, 240, 10,
     IDC_MS_SHUT_OFF_LABEL, IDS_UNIT_MIN},
    {IDC_MS_LCD_CONTRAST_SLIDER, SLIDER_FIELD(utility.machine.lcdContrast), 0, 3, 1, 0, 0},
    {IDC_MS_PRINT_DENSITY_SLIDER, SLIDER_FIELD(utility.machine.printDensity), 0, 6, 1, 0, 0},
    {IDC_CS1_DENSITY_SLIDER, SLIDER_FIELD(utility.copy1.manualDensity), 0, 8, 1, 0, 0},
    {IDC_CS1_OUTER_ERASE_SLIDER, SLIDER_FIELD(utility.copy1.outerErase), 0, 4, 1, 0, 0},
    {IDC_FTX_DENSITY_SLIDER, SLIDER_FIELD(utility.faxDensityLevel), 0, 4, 1, 0, 0},
    {IDC_FRX_RINGS_SLIDER, SLIDER_FIELD(utility.ringCount), 0, 15, 1, IDC_FRX_RINGS_LABEL, 0},
    {IDC_EM1_SMTP_TIMEOUT_SLIDER, SLIDER_FIELD(image.smtpTimeout), 30, 300, 10,
     IDC_MAIL_TIMEOUT_LABEL, IDS_UNIT_SEC},
    {IDC_EM1_POP_WAIT_SLIDER, SLIDER_FIELD(image.popBeforeSmtpWait), 0, 60, 5,
     IDC_EM1_POP_WAIT_LABEL, IDS_UNIT_SEC},
    {IDC_EM2_POP3_TIMEOUT_SLIDER, SLIDER_FIELD(image.pop3Timeout), 30, 300, 10,
     IDC_MAIL_TIMEOUT_LABEL, IDS_UNIT_SEC},
    {IDC_US_DAYLIGHT_SLIDER, SLIDER_FIELD(image.daylightMinutes), 1, 150, 10,
     IDC_US_DAYLIGHT_LABEL, IDS_UNIT_MIN},
    {IDC_FS_TIMEOUT_SLIDER, SLIDER_FIELD(image.ftpTimeout), 5, 300, 10, IDC_FS_TIMEOUT_LABEL,
     IDS_UNIT_SEC},
};

#undef SLIDER_FIELD

// The trackbar's scroll codes.
enum {
    lineLeft = 0,
    lineRight = 1,
    pageLeft = 2,
    pageRight = 3,
    thumbPosition = 4,
    thumbTrack = 5,
    top = 6,    // Home
    bottom = 7, // End
};

} // namespace

const SliderSpec* sliderSpec(int control) {
    for (const SliderSpec& s : sliders)
        if (s.control == control) return &s;
    return nullptr;
}

int sliderStep(const SliderSpec& slider, int code, int current, int thumb) {
    long value = current;
    switch (code) {
    case lineLeft:
        value -= 1;
        break;
    case lineRight:
        value += 1;
        break;
    case pageLeft:
        value -= slider.pageStep;
        break;
    case pageRight:
        value += slider.pageStep;
        break;
    case thumbPosition:
    case thumbTrack:
        value = thumb;
        break;
    // The trackbar has already moved its thumb to the end: the field follows,
    // or the slider would show one value and the page store another.
    case top:
        value = slider.low;
        break;
    case bottom:
        value = slider.high;
        break;
    default:
        return current;
    }
    if (value < slider.low) value = slider.low;
    if (value > slider.high) value = slider.high;
    return static_cast<int>(value);
}

std::string sliderLabel(const SliderSpec& slider, int value, const std::string& unit) {
    char text[64];
    if (slider.unit)
        std::snprintf(text, sizeof text, "%d %s", value, unit.c_str());
    else
        std::snprintf(text, sizeof text, "%d", value + 1);
    return text;
}

uint32_t fieldValue(const SettingsRecord& settings, uint16_t offset, uint8_t width) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(&settings) + offset;
    switch (width) {
    case 1:
        return *p;
    case 2: {
        uint16_t v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    default: {
        uint32_t v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    }
}

void setFieldValue(SettingsRecord& settings, uint16_t offset, uint8_t width, uint32_t value) {
    uint8_t* p = reinterpret_cast<uint8_t*>(&settings) + offset;
    switch (width) {
    case 1:
        *p = static_cast<uint8_t>(value);
        break;
    case 2: {
        const uint16_t v = static_cast<uint16_t>(value);
        std::memcpy(p, &v, sizeof v);
        break;
    }
    default:
        std::memcpy(p, &value, sizeof value);
        break;
    }
}

FilterResult filterServerText(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t c = static_cast<uint8_t>(text[i]);
        if (c < 0x20 || c > 0x7F) return {FilterResult::Remove, i, 1};
    }
    return {FilterResult::Accept, 0, 0};
}

namespace {

std::string recordText(const uint8_t* config, size_t offset, size_t length) {
    size_t n = 0;
    while (n < length && config[offset + n])
        ++n;
    return std::string(reinterpret_cast<const char*>(config + offset), n);
}

} // namespace

EquipmentText equipmentTextOf(const uint8_t* config) {
    EquipmentText status;
    status.bypass = config[3] == 0 ? 0 : config[3] == 1 ? 1 : -1;
    status.memory = std::to_string(config[9] | config[10] << 8);
    status.controller = recordText(config, 11, 19);
    status.engine = recordText(config, 30, 19);
    // A serial number the machine never had is shown as thirteen zeros.
    status.serial = config[87] == 0 || config[87] == 255 ? std::string(13, '0')
                                                         : recordText(config, 87, 13);
    return status;
}
