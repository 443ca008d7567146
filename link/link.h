#pragma once
// The machine link: finding the copier among the still-image devices, the
// busy check, and the framed transactions over its two pipes (status query,
// session open and close, configuration record, Download and Upload).
#include "machineimage.h"
#include "transport.h"

#include <cstddef>
#include <cstdint>

constexpr int productIdCount = 50;
constexpr int deviceIndexCount = 15; // \\.\Usbscan0 .. \\.\Usbscan14
// The accepted product IDs, hexadecimal, separated by single spaces.
constexpr char productIdString[] = "4C1A";

// Frame codes and limits of the wire format.
constexpr uint32_t messageControl = 0x302;
constexpr uint32_t messageRead = 0x202;
constexpr uint32_t messageWrite = 0x102;
constexpr uint32_t commandStatus = 1;
constexpr uint32_t commandOpenSession = 2;
constexpr uint32_t commandCloseSession = 3;
constexpr size_t messageHeaderSize = 8;
constexpr size_t controlBufferSize = 0x10400;  // status, session and configuration replies
constexpr size_t transferBufferSize = 0xFB900; // Download replies and Upload bodies
constexpr size_t busyReplySize = 1024;

// Machine status byte of the status reply.
enum MachineStatus : uint8_t {
    statusFree = 0,
    statusBusy = 1,
    statusTimeout = 2,
    statusTrouble = 3,
    statusDataError = 4,
};

// A user-facing text: its string ID in the resource module and the English
// text the program's own resources carry.
struct LinkText {
    unsigned id;
    const char* english;
};
constexpr LinkText textProgramName = {3316, "Zotwell"};
constexpr LinkText textReadWriteError = {3404, "Error reading/writing machine data!"};
constexpr LinkText textPortError = {3448, "Error opening USB Port !"};
constexpr LinkText textOperating = {3449, "Machine is operating !"};
constexpr LinkText textTimeout = {3450, "Disconnected from machine by timeout !"};
constexpr LinkText textDisconnected = {3451, "Disconnected from machine. Please connect again."};
constexpr LinkText textTrouble = {3480, "Disconnected from machine by Machine trouble!"};

// The message for status bytes 1 to 4; null for 0 and for values the machine
// does not document (the program treats those as ready).
const LinkText* statusMessage(uint8_t status);

// How the link tells the user something. The GUI shows a message box owned by
// `window` with the string loaded from its resource module; the status-text
// hook writes a pane of the status bar. Either may be null.
using LinkMessageHook = void (*)(void* window, const LinkText& text);
using LinkStatusTextHook = void (*)(void* window, int pane, const LinkText& text);

struct MachineLink {
    Transport* transport;
    PipeHandle requestPipe; // pipe 0: requests and the control transfer
    PipeHandle replyPipe;   // pipe 1: replies; valid means the device is open
    uint32_t productIdList[productIdCount];
    uint32_t linkOpen;   // the shell's poll runs only while 1; transfers clear it
    uint32_t lastPollOk; // the last machine-state query succeeded
    LinkMessageHook showMessage;
    LinkStatusTextHook setStatusText;
};

// Everything closed and cleared, talking through `transport`.
void initLink(MachineLink& link, Transport* transport);
// Fills the product-ID list from hexadecimal tokens separated by spaces (at
// most 50, each read from its first 9 characters); unused entries stay 0.
void fillProductIdList(uint32_t (&list)[productIdCount], const char* text);

// 0 when the pipes are open (already or now), -1 when no accepted device is
// among indices 0 to 14.
int openDevice(MachineLink& link);
int closeDevice(MachineLink& link); // 1, also when nothing was open
// 1 when the machine may be connected to (or no device opened, which the
// next step reports), 0 when it is busy or does not answer. Leaves the device
// open on 1.
int queryMachineFree(MachineLink& link);

// Transactions: 1 success, 0 failure, the device closed afterwards unless said.
int queryStatus(MachineLink& link, uint8_t& statusOut);
// Both tell the user "Disconnected from machine. Please connect again." when
// they fail (closeSession also when the last poll failed, sending nothing).
int openSession(MachineLink& link, void* window);
int closeSession(MachineLink& link, void* window);
// The configuration record into `record`, zero-filled past the item's length.
int readConfigRecord(MachineLink& link, uint8_t (&record)[configRecordSize]);
// The whole image. `image` is written only when the reply arrived whole and its
// items ended exactly at its end; otherwise it is as it was.
int downloadImage(MachineLink& link, MachineImage& image);
// The image as an item list, then the upload trailer (which clears the
// document's network-change code). The caller has run packImage. On success
// the device stays open; on failure the code is kept for the next attempt.
int uploadImage(MachineLink& link, Document& doc);

// The Download: configuration record, then the image. The document takes both
// over (dialRegistersOnly 0, unpacked) only when both arrived; otherwise it is
// unchanged. Returns 1; 0 when the image transfer failed (the caller reports
// "Error reading/writing machine data!"); -1 when the configuration record
// could not be read (no message). The caller normalises the 50 keys.
int fetchDocument(MachineLink& link, Document& doc);
