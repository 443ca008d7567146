#include "link.h"

#include "bytes.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void tellDisconnected(MachineLink& link, void* window) {
    if (link.showMessage) link.showMessage(window, textDisconnected);
    if (link.setStatusText) link.setStatusText(window, 1, textProgramName);
}

// One write per part; a write that moves fewer bytes than it was given leaves
// the machine with half a message, so it fails like one that moved nothing.
int writeWhole(MachineLink& link, const uint8_t* data, size_t size) {
    return link.transport->writePipe(link.requestPipe, data, size) == size;
}

int sendMessage(MachineLink& link, uint32_t code, const uint8_t* body, size_t length) {
    uint8_t header[messageHeaderSize];
    writeLe32(header, code);
    writeLe32(header + 4, static_cast<uint32_t>(length));
    return writeWhole(link, header, sizeof header) && writeWhole(link, body, length);
}

int sendCommand(MachineLink& link, uint32_t command) {
    uint8_t item[itemHeaderSize];
    writeLe32(item, command);
    writeLe32(item + 4, 0);
    return sendMessage(link, messageControl, item, sizeof item);
}

// A reply body, held in a buffer of exactly the announced size.
struct Reply {
    std::unique_ptr<uint8_t[]> bytes;
    size_t length = 0;
};

// The header, then the announced body in one read. A body larger than the
// transaction's buffer is refused before anything of it is read.
int receiveMessage(MachineLink& link, size_t limit, Reply& reply) {
    uint8_t header[messageHeaderSize];
    if (link.transport->readPipe(link.replyPipe, header, sizeof header) != sizeof header) return 0;
    const uint32_t length = readLe32(header + 4);
    if (length > limit) return 0;
    reply.length = length;
    reply.bytes.reset(new uint8_t[length ? length : 1]);
    if (length == 0) return 1;
    return link.transport->readPipe(link.replyPipe, reply.bytes.get(), length) == length;
}

// The first item of a reply body: its identifier and data, which lie inside
// the body.
struct ReplyItem {
    uint32_t id;
    uint32_t length;
    const uint8_t* data;
};

// The largest image with its trailer fits the machine's transfer buffer.
static_assert(maxItemListSize + itemHeaderSize + uploadTrailerSize <= transferBufferSize,
              "upload body");

int firstItem(const Reply& reply, ReplyItem& item) {
    ByteReader reader(reply.bytes.get(), reply.length);
    item.id = reader.le32();
    item.length = reader.le32();
    item.data = reader.bytes(item.length);
    return reader.ok();
}

// Unused entries of the list are 0; they must not accept a device that
// reports product ID 0.
bool acceptedProductId(const MachineLink& link, uint32_t productId) {
    for (uint32_t accepted : link.productIdList)
        if (accepted != 0 && accepted == productId) return true;
    return false;
}

} // namespace

const LinkText* statusMessage(uint8_t status) {
    switch (status) {
    case statusBusy:
        return &textOperating;
    case statusTimeout:
        return &textTimeout;
    case statusTrouble:
        return &textTrouble;
    case statusDataError:
        return &textReadWriteError;
    default:
        return nullptr;
    }
}

void initLink(MachineLink& link, Transport* transport) {
    std::memset(&link, 0, sizeof link);
    link.transport = transport;
    link.requestPipe = invalidPipe;
    link.replyPipe = invalidPipe;
}

void fillProductIdList(uint32_t (&list)[productIdCount], const char* text) {
    std::memset(list, 0, sizeof list);
    const size_t maxTokenLength = 9;
    int count = 0;
    for (const char* p = text; *p && count < productIdCount;) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        uint32_t value = 0;
        bool digits = true;
        for (size_t n = 0; *p && *p != ' '; ++p, ++n) {
            if (n >= maxTokenLength || !digits) continue;
            char c = *p;
            uint32_t d;
            if (c >= '0' && c <= '9')
                d = static_cast<uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                d = static_cast<uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                d = static_cast<uint32_t>(c - 'A' + 10);
            else {
                digits = false; // the number ends at the first non-hex character
                continue;
            }
            value = value << 4 | d;
        }
        list[count++] = value;
    }
}

int openDevice(MachineLink& link) {
    if (link.replyPipe != invalidPipe) return 0;
    // A device found earlier whose reply pipe would not open is still half
    // open; close it rather than lose its handle.
    closeDevice(link);
    if (!link.transport) return -1;
    char device[32];
    char path[40];
    for (int index = 0; index < deviceIndexCount; ++index) {
        std::snprintf(device, sizeof device, "\\\\.\\Usbscan%d", index);
        std::snprintf(path, sizeof path, "%s\\0", device);
        link.requestPipe = link.transport->openPipe(path);
        if (link.requestPipe == invalidPipe) continue;
        DeviceDescriptor descriptor = {};
        const int answered = link.transport->getDeviceDescriptor(link.requestPipe, descriptor);
        const uint32_t productId = answered ? descriptor.productId : 0;
        if (answered && acceptedProductId(link, productId)) {
            std::snprintf(path, sizeof path, "%s\\1", device);
            // Not tested here: an invalid reply pipe makes the next read fail,
            // and the transaction reports that.
            link.replyPipe = link.transport->openPipe(path);
            return 0;
        }
        closeDevice(link);
    }
    return -1;
}

int closeDevice(MachineLink& link) {
    if (link.requestPipe != invalidPipe) link.transport->closePipe(link.requestPipe);
    if (link.replyPipe != invalidPipe) link.transport->closePipe(link.replyPipe);
    link.requestPipe = invalidPipe;
    link.replyPipe = invalidPipe;
    return 1;
}

int queryMachineFree(MachineLink& link) {
    if (openDevice(link) != 0) return 1; // the status query that follows reports it
    uint8_t reply[busyReplySize] = {};
    const ControlRequest request = {0, 0, 0x0C, 0xC1, 1};
    const size_t got = link.transport->controlIn(link.requestPipe, request, reply, sizeof reply);
    if (got > 0 && ((reply[0] == 0 && reply[1] == 0) || reply[1] == 8)) return 1;
    closeDevice(link);
    return 0;
}

int queryStatus(MachineLink& link, uint8_t& statusOut) {
    if (openDevice(link) != 0) return 0;
    Reply reply;
    ReplyItem item = {};
    // The status byte leads the item's data; a machine may send more after it.
    int ok = sendCommand(link, commandStatus) && receiveMessage(link, controlBufferSize, reply) &&
             firstItem(reply, item) && item.length >= 1;
    if (ok) statusOut = item.data[0];
    closeDevice(link);
    return ok;
}

int openSession(MachineLink& link, void* window) {
    int ok = openDevice(link) == 0 && sendCommand(link, commandOpenSession);
    closeDevice(link);
    if (!ok) tellDisconnected(link, window);
    return ok;
}

int closeSession(MachineLink& link, void* window) {
    // After a failed poll the machine has most likely ended the session on its
    // own; nothing is sent.
    int ok = link.lastPollOk && openDevice(link) == 0 && sendCommand(link, commandCloseSession);
    closeDevice(link);
    if (!ok) tellDisconnected(link, window);
    return ok;
}

int readConfigRecord(MachineLink& link, uint8_t (&record)[configRecordSize]) {
    link.linkOpen = 0;
    if (openDevice(link) != 0) return 0;
    uint8_t request[itemHeaderSize];
    writeLe32(request, configItemId);
    writeLe32(request + 4, 0);
    Reply reply;
    ReplyItem item = {};
    // The reply answers the one item asked for, whatever identifier the
    // machine puts on it; only its length must fit the record.
    int ok = sendMessage(link, messageRead, request, sizeof request) &&
             receiveMessage(link, controlBufferSize, reply) && firstItem(reply, item) &&
             item.length <= configRecordSize;
    if (ok) {
        std::memset(record, 0, sizeof record);
        std::memcpy(record, item.data, item.length);
    }
    closeDevice(link);
    return ok;
}

int downloadImage(MachineLink& link, MachineImage& image) {
    link.linkOpen = 0;
    if (openDevice(link) != 0) return 0;
    uint8_t request[requestListSize];
    buildRequestList(request);
    Reply reply;
    int ok = sendMessage(link, messageRead, request, sizeof request) &&
             receiveMessage(link, transferBufferSize, reply);
    closeDevice(link);
    if (!ok) return 0;
    // The whole reply is checked before the image is touched, so a reply that
    // breaks off leaves the caller's image as it was.
    MergeResult checked = checkReplyItems(reply.bytes.get(), reply.length);
    if (!checked.ok() || checked.consumed != reply.length) return 0;
    initImage(image);
    mergeReplyItems(image, reply.bytes.get(), reply.length);
    return 1;
}

int uploadImage(MachineLink& link, Document& doc) {
    link.linkOpen = 0;
    if (openDevice(link) != 0) return 0;
    const bool registersOnly = doc.dialRegistersOnly != 0;
    const size_t listSize = itemListSize(doc.image, registersOnly);
    std::unique_ptr<uint8_t[]> body(new uint8_t[listSize + itemHeaderSize + uploadTrailerSize]);
    size_t length = buildItemList(doc.image, registersOnly, body.get(), listSize);
    const uint8_t code = doc.uploadCode;
    length += buildUploadTrailer(doc, body.get() + length);
    if (sendMessage(link, messageWrite, body.get(), length))
        return 1; // left open: the next status query closes it
    doc.uploadCode = code;
    closeDevice(link);
    return 0;
}

int fetchDocument(MachineLink& link, Document& doc) {
    uint8_t record[configRecordSize];
    if (!readConfigRecord(link, record)) return -1;
    if (!downloadImage(link, doc.image)) return 0;
    storeConfigRecord(doc, record, sizeof record);
    doc.dialRegistersOnly = 0;
    unpackImage(doc);
    return 1;
}
