#pragma once
// The machine image: the copier's address book and settings as 91 tagged blocks,
// the register arrays and settings record unpacked from it, and the item lists
// in which the image travels over USB and in settings files.
#include <cstddef>
#include <cstdint>

constexpr int blockCount = 91;
constexpr int dialBlockCount = 50;
constexpr int shortKeyCount = 40;
constexpr int longKeyCount = 10;
constexpr int settingBlockCount = blockCount - dialBlockCount;

constexpr uint32_t firstDialBlockId = 0x12050;
constexpr uint32_t lastDialBlockId = 0x12081;
constexpr uint32_t endBlockId = 0x20600;
constexpr uint32_t configItemId = 0x21002;
constexpr uint32_t uploadTrailerId = 0x21001;

constexpr uint32_t lengthNotPresent = 0xFFFFFFFF;
constexpr size_t blockDataSize = 1280;
constexpr size_t itemHeaderSize = 8;
constexpr size_t shortRecordSize = 116;
constexpr size_t longRecordSize = 1056;
constexpr size_t configRecordSize = 102;
constexpr size_t configItemSize = itemHeaderSize + configRecordSize;
constexpr size_t uploadTrailerSize = 2;
constexpr size_t requestListSize = blockCount * itemHeaderSize; // 728

struct ImageBlock {
    uint32_t blockId;
    uint32_t blockLength; // 0 empty, lengthNotPresent: left out of item lists
    uint8_t data[blockDataSize];
};

struct MachineImage {
    ImageBlock blocks[blockCount];
};
static_assert(sizeof(ImageBlock) == 1288, "block layout");
static_assert(sizeof(MachineImage) == 117208, "image layout");

// Largest item list the image can produce: every block at its full data size.
constexpr size_t maxItemListSize = blockCount * (itemHeaderSize + blockDataSize);

struct RegisterArrays {
    uint8_t shortDestinations[5664];  // 40 short records, then spare
    uint8_t longDestinations[11584];  // 10 long records, then spare
    uint8_t faxOneTouchStore[5888];   // 32 records of 152 bytes, then spare
    uint8_t faxSpeedDialStore[30524]; // 250 records of 118 bytes, then spare
};

// Settings that live in blocks 50 to 90, one member per block, of the block's
// value width. Names follow the settings pages.
struct ImageSettings {
    uint8_t ipAddressMode;
    uint8_t ipAddress[4];
    uint8_t subnetMask[4];
    uint8_t gatewayAddress[4];
    uint8_t dnsMode;
    uint8_t dnsServer[4];
    uint8_t lpdEnabled;
    uint8_t ntpServer[66];
    uint32_t ntpPort;
    uint8_t autoGetTime;
    uint32_t networkPort;
    uint8_t snmpEnabled;
    uint8_t webLanguage;
    uint8_t senderName[22];
    uint8_t emailAddress[66];
    uint8_t smtpServer[66];
    uint32_t smtpPort;
    uint32_t smtpTimeout;
    uint8_t textInsert;
    uint8_t defaultSubject[22];
    uint8_t popBeforeSmtp;
    uint32_t popBeforeSmtpWait;
    uint8_t smtpAuthentication;
    uint8_t smtpAccount[66];
    uint8_t smtpPassword[34];
    uint8_t pop3Server[66];
    uint32_t pop3Port;
    uint32_t pop3Timeout;
    uint8_t pop3Account[66];
    uint8_t pop3Password[34];
    uint8_t timeZone;
    uint8_t daylightSaving;
    uint32_t daylightMinutes;
    uint8_t ftpProxyAddress[4];
    uint32_t ftpProxyPort;
    uint32_t ftpTimeout;
    uint8_t smbSend;
    uint8_t smbAuthentication;
    uint8_t sleepShift;
    uint8_t showPrinterOwner;
    uint32_t adminNumber;
};

// The fax-forwarding destination of the FAX RX page: an e-mail address or a
// fax number in the same 72 bytes, read and written through the views of
// addressbook/forwardrules.h.
constexpr size_t forwardLocationSize = 72;
struct ForwardLocation {
    uint8_t bytes[forwardLocationSize];
};

// The Machine Setting page's block. The page backs it up whole when it opens
// and puts it back when the sheet is cancelled, so its members keep the
// machine's order and widths, spare bytes and the page's flag byte included.
struct MachineSettingBlock {
    uint8_t autoPanelReset, autoPanelResetTime; // time: 0 disabled, 1-6 = list item 0-5
    uint8_t spare1[2];
    uint32_t sleepModeTime;
    uint8_t autoShutOff;
    uint8_t spare2[3];
    uint32_t autoShutOffTime;
    uint8_t adfDensityMode, bookDensityMode;
    uint8_t spare3;
    uint8_t printDensity, lcdContrast;
    uint8_t spare4;
    uint8_t destinationCode; // chooses the panel languages; nothing sets it yet
    uint8_t panelLanguage;
    uint8_t buzzerEnabled;    // 0 or 128
    uint8_t buzzerVolumes[10]; // each a level 0-3 shifted into its bit pair
    uint8_t initialMode, scanThreshold, keyRepeatStart, keyRepeatInterval;
    uint8_t pageFlag; // where the machine keeps the page's changed flag
};

// The Paper Source page's block, in the same order and widths.
struct PaperSourceBlock {
    uint8_t tray1Unit, trayUnit[4], tray1Media, tray1Size;
    uint8_t spare1;
    uint16_t sizeInputX, sizeInputY;
    uint8_t spare2;
    uint8_t trayMedia[4];
    uint8_t spare3;
    uint16_t memory1X, memory1Y, memory2X, memory2Y;
    uint8_t pageFlag;
};

struct CopySetting1Block {
    uint8_t paperPriority, qualityPriority, densityPriority, autoDensityLevel, manualDensity;
    uint8_t bindingPosition, pageMargin, smallOriginal, eraseLeft, eraseUpper, eraseFrame;
    uint8_t spare[2];
    uint8_t duplexPriority, outputBindingPosition, originalBindingPosition;
    uint8_t pageFlag;
    uint8_t outerErase;
};

struct CopySetting2Block {
    uint8_t mixedOriginal, copyPriority, outputPriority, fourInOneOrder, crisscross;
    uint8_t originalDirection, bookSeparation, stamp, pageFormat, dateTimeFormat;
    uint8_t pageFlag;
};

static_assert(offsetof(MachineSettingBlock, sleepModeTime) == 4 &&
                  offsetof(MachineSettingBlock, autoShutOffTime) == 12 &&
                  offsetof(MachineSettingBlock, destinationCode) == 22 &&
                  offsetof(MachineSettingBlock, pageFlag) == 39 && sizeof(MachineSettingBlock) == 40,
              "Machine Setting block layout");
static_assert(offsetof(PaperSourceBlock, sizeInputX) == 8 &&
                  offsetof(PaperSourceBlock, trayMedia) == 13 &&
                  offsetof(PaperSourceBlock, memory1X) == 18 &&
                  offsetof(PaperSourceBlock, pageFlag) == 26,
              "Paper Source block layout");
static_assert(offsetof(CopySetting1Block, duplexPriority) == 13 &&
                  sizeof(CopySetting1Block) == 18 && sizeof(CopySetting2Block) == 11,
              "Copy Setting block layouts");

// Settings of the Utility sheet. They have no block: they start at zero and
// neither the image, the settings file nor the machine carries them.
struct UtilitySettings {
    MachineSettingBlock machine;
    PaperSourceBlock paper;
    CopySetting1Block copy1;
    CopySetting2Block copy2;
    uint8_t faxDensityLevel, faxQuality, defaultTxMode, faxHeader, confirmFaxNumber;
    uint8_t memoryRx;
    uint16_t memoryRxOnTime, memoryRxOffTime;
    uint8_t memoryRxTimeFlags, reductionRx, rxPrintMode, rxMode, forwardMode;
    uint8_t trayEnable[5], rxFooter, callTransfer, callTransferTime, closedNetwork, ringCount;
    uint8_t activityReport, reservationReport, txResultReport, rxResultReport;
    uint8_t scanResolution, scanFormat, scanCoding, scanColor;
    // The fax pages' stored values beside their working ones above: the
    // density as the machine counts it (level x 8), the memory-RX password
    // (four digits, or all zero for none) and the forwarding destination.
    uint8_t faxDensity;
    char memoryRxPassword[4];
    ForwardLocation forwardLocation;
    uint8_t paperSizeRegion; // 1 or 5 choose the inch paper sizes; nothing sets it yet
};

struct SettingsRecord {
    ImageSettings image;
    UtilitySettings utility;
};

enum class ValueKind : uint8_t { U8, U32, Bytes };

// One settings block: its identifier, how its value is stored and where the
// value lives in ImageSettings.
struct SettingBlock {
    uint32_t id;
    ValueKind kind;
    uint8_t width;
    size_t memberOffset;
    const char* name;
};
extern const SettingBlock settingBlocks[settingBlockCount]; // blocks 50..90 in image order

// Everything one open document consists of.
struct Document {
    MachineImage image;
    RegisterArrays registers;
    SettingsRecord settings;
    uint8_t config[configRecordSize]; // machine configuration record, item 0x21002
    uint8_t dialRegistersOnly;        // document holds blocks 0..49 only
    uint8_t importPending;            // next unpack leaves the settings record alone
    uint8_t uploadCode;               // byte 1 of the next upload trailer
};

// Text settings: zero-terminated text in a member two bytes wider than the
// longest text, whose block's blockLength holds the text's length. The setter
// stores at most that longest text (shorter when `length` says so, or at the
// first zero byte), terminates it and sets the block's length at once.
// `block` is the image block (50..90) of a text setting. Returns the length
// stored, or -1 for a block that holds no text.
int setTextSetting(Document& doc, int block, const char* text, size_t length);
// The stored text, at most capacity - 1 bytes, always terminated; returns its length.
size_t textSetting(const Document& doc, int block, char* out, size_t capacity);
// The longest text a text setting takes (its member's width less two), 0 for
// a block that holds no text.
size_t textSettingLimit(int block);
// The image block of the machine name, which the tree's root shows.
constexpr int machineNameBlock = 63;

// Block index for an identifier among blocks [first, last), or -1.
int blockIndex(uint32_t id, int first = 0, int last = blockCount);
int findBlock(const MachineImage& image, uint32_t id, int first = 0, int last = blockCount);

void initImage(MachineImage& image);
int unpackImage(Document& doc);
int packImage(Document& doc);

size_t buildRequestList(uint8_t* buffer); // needs requestListSize bytes; returns 728
// The byte count buildItemList will produce.
size_t itemListSize(const MachineImage& image, bool dialRegistersOnly);
// Needs maxItemListSize bytes at most; returns the byte count, 0 when it does not fit.
size_t buildItemList(const MachineImage& image, bool dialRegistersOnly, uint8_t* buffer,
                     size_t capacity);
// Builds {0x21001, 2, 1, code} and clears the code, as every upload does.
size_t buildUploadTrailer(Document& doc, uint8_t* buffer);
void storeConfigRecord(Document& doc, const uint8_t* record, size_t length);

enum class MergeStatus {
    Ok,
    ItemTruncated, // an item header or its data runs past the bytes received or stored
    ItemTooLong,   // an item longer than the data area of its block
    Unclosed,      // the list ends without its closing item
};
const char* mergeStatusText(MergeStatus status);

struct MergeResult {
    MergeStatus status;
    size_t consumed; // offset reached
    bool ok() const { return status == MergeStatus::Ok; }
};

// Download reply: items up to and including endBlockId.
MergeResult mergeReplyItems(MachineImage& image, const uint8_t* items, size_t length);
// The same walk without writing: decides whether mergeReplyItems would succeed.
MergeResult checkReplyItems(const uint8_t* items, size_t length);
// Settings file body: closed by endBlockId (full document) or by the block-49
// item ending exactly at totalLength (register-only document).
MergeResult mergeFileItems(MachineImage& image, const uint8_t* items, size_t totalLength,
                           uint8_t& dialRegistersOnly);
// The same walk without writing: decides whether mergeFileItems would succeed.
MergeResult checkFileItems(const uint8_t* items, size_t totalLength, uint8_t& dialRegistersOnly);
// Address book import: register blocks only, closed by block 49 or by the
// first item that is not a register block.
MergeResult mergeDialItems(MachineImage& image, const uint8_t* items, size_t length);
