#include "simulator.h"

#include "bytes.h"
#include "destination.h"
#include "link.h"
#include "settingsfile.h"
#include "textrules.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr uint32_t unknownItemId = 0x30000;
constexpr size_t reasonableUploadLimit = transferBufferSize;

unsigned bit(SimRequest kind) {
    return 1u << static_cast<unsigned>(kind);
}
constexpr unsigned controlKinds = (1u << static_cast<unsigned>(SimRequest::Status)) |
                                  (1u << static_cast<unsigned>(SimRequest::OpenSession)) |
                                  (1u << static_cast<unsigned>(SimRequest::CloseSession));

bool hasReply(SimRequest kind) {
    return kind == SimRequest::Status || kind == SimRequest::Config || kind == SimRequest::Download;
}

// What a message is, from its code and as much of its body as has arrived.
SimRequest classify(uint32_t code, const uint8_t* body, size_t available) {
    if (code == messageControl) {
        uint32_t command = available >= 4 ? readLe32(body) : 0;
        if (command == commandOpenSession) return SimRequest::OpenSession;
        if (command == commandCloseSession) return SimRequest::CloseSession;
        return SimRequest::Status;
    }
    if (code == messageRead)
        return available >= 4 && readLe32(body) == configItemId ? SimRequest::Config
                                                                : SimRequest::Download;
    if (code == messageWrite) return SimRequest::Upload;
    return SimRequest::Any;
}

// Kinds a header alone can stand for. A read of a single item is taken for
// the configuration read, which is the only one the program makes.
unsigned headerKinds(uint32_t code, uint32_t length) {
    if (code == messageControl) return controlKinds;
    if (code == messageRead)
        return length == itemHeaderSize ? bit(SimRequest::Config) : bit(SimRequest::Download);
    if (code == messageWrite) return bit(SimRequest::Upload);
    return 0;
}

void appendLe32(std::vector<uint8_t>& out, uint32_t v) {
    const size_t at = out.size();
    out.resize(at + 4);
    writeLe32(out.data() + at, v);
}

void appendItem(std::vector<uint8_t>& out, uint32_t id, uint32_t length, const uint8_t* data,
                size_t dataSize) {
    const size_t at = out.size();
    out.resize(at + itemHeaderSize + dataSize);
    writeLe32(out.data() + at, id);
    writeLe32(out.data() + at + 4, length);
    if (dataSize) std::memcpy(out.data() + at + itemHeaderSize, data, dataSize);
}

// Copies at most capacity bytes of text and a terminator.
void copyText(char* to, size_t capacity, const char* text) {
    const size_t n = strnlen(text, capacity);
    std::memcpy(to, text, n);
    to[n] = '\0';
}

void setText(uint8_t* field, size_t width, const char* text) {
    std::memset(field, 0, width);
    copyText(reinterpret_cast<char*>(field), width - 1, text);
}

void setAddress(uint8_t* field, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    field[0] = a;
    field[1] = b;
    field[2] = c;
    field[3] = d;
}

DestinationEntry emptyEntry() {
    DestinationEntry e;
    std::memset(&e, 0, sizeof e);
    return e;
}

struct EmailKey {
    int key;
    const char* name;
    const char* name2;
    const char* address;
};

const EmailKey sampleEmailKeys[] = {
    {1, "Sales", "", "sales@example.com"},
    {2, "Accounts", "Invoices", "accounts@example.com"},
    {3, "Front desk", "", "reception@example.com"},
    {4, "J. Okafor", "Joy Okafor", "j.okafor@example.com"},
    {5, "M. Lindqvist", "", "m.lindqvist@example.org"},
    {7, "Scan archive", "", "archive@scans.example.net"},
    {12, "Legal", "", "legal@example.com"},
    {40, "IT helpdesk", "Helpdesk", "helpdesk@example.com"},
};

} // namespace

void buildSampleMachine(Document& doc) {
    std::memset(&doc, 0, sizeof doc);
    initImage(doc.image);
    const TextRules rules{"ENGLISH", nullptr};

    for (const EmailKey& k : sampleEmailKeys) {
        DestinationEntry e = emptyEntry();
        e.type = typeEmail;
        copyText(e.name, nameCapacity, k.name);
        copyText(e.name2, nameCapacity, k.name2);
        copyText(e.address, addressCapacity, k.address);
        encodeDestination(rules, doc.registers, k.key - 1, e);
    }

    DestinationEntry ftp = emptyEntry();
    ftp.type = typeFtp;
    copyText(ftp.name, nameCapacity, "Scan server");
    copyText(ftp.address, addressCapacity, "ftp.example.com");
    copyText(ftp.directory, directoryCapacity, "/scans/incoming");
    ftp.port = 2121;
    ftp.notify = 1;
    copyText(ftp.notifyAddress[0], addressCapacity, "ops@example.com");
    copyText(ftp.notifyAddress[1], addressCapacity, "j.okafor@example.com");
    ftp.accountMode = 0; // private site
    copyText(ftp.userName, accountCapacity, "scanner");
    copyText(ftp.password, accountCapacity, "Tr4nsfer");
    encodeDestination(rules, doc.registers, 40, ftp);

    DestinationEntry smb = emptyEntry();
    smb.type = typeSmb;
    copyText(smb.name, nameCapacity, "Office share");
    copyText(smb.address, addressCapacity, "fileserver01");
    copyText(smb.directory, directoryCapacity, "scans\\second-floor");
    smb.notify = 1;
    copyText(smb.notifyAddress[0], addressCapacity, "it@example.com");
    smb.accountMode = 0;
    copyText(smb.userName, accountCapacity, "copier2f");
    copyText(smb.password, accountCapacity, "Sh4re-2f");
    encodeDestination(rules, doc.registers, 41, smb);

    DestinationEntry publicFtp = emptyEntry();
    publicFtp.type = typeFtp;
    copyText(publicFtp.name, nameCapacity, "Public FTP");
    copyText(publicFtp.address, addressCapacity, "ftp.example.org");
    copyText(publicFtp.directory, directoryCapacity, "/pub/incoming");
    publicFtp.port = 21;
    publicFtp.useProxy = 1;
    publicFtp.accountMode = 1; // anonymous
    encodeDestination(rules, doc.registers, 44, publicFtp);

    ImageSettings& s = doc.settings.image;
    s.ipAddressMode = 1;
    setAddress(s.ipAddress, 192, 168, 1, 50);
    setAddress(s.subnetMask, 255, 255, 255, 0);
    setAddress(s.gatewayAddress, 192, 168, 1, 1);
    s.dnsMode = 1;
    setAddress(s.dnsServer, 192, 168, 1, 1);
    s.lpdEnabled = 1;
    setText(s.ntpServer, sizeof s.ntpServer, "ntp.example.com");
    s.ntpPort = 123;
    s.autoGetTime = 1;
    s.networkPort = 80;
    s.snmpEnabled = 1;
    s.webLanguage = 1; // UK-English
    setText(s.senderName, sizeof s.senderName, "Copier 2nd floor");
    setText(s.emailAddress, sizeof s.emailAddress, "copier-2f@example.com");
    setText(s.smtpServer, sizeof s.smtpServer, "mail.example.com");
    s.smtpPort = 587;
    s.smtpTimeout = 60;
    s.textInsert = 8;
    setText(s.defaultSubject, sizeof s.defaultSubject, "Scanned document");
    s.popBeforeSmtp = 0;
    s.popBeforeSmtpWait = 5;
    s.smtpAuthentication = 1;
    setText(s.smtpAccount, sizeof s.smtpAccount, "copier-2f");
    setText(s.smtpPassword, sizeof s.smtpPassword, "m41l-s3cret");
    setText(s.pop3Server, sizeof s.pop3Server, "pop.example.com");
    s.pop3Port = 110;
    s.pop3Timeout = 60;
    setText(s.pop3Account, sizeof s.pop3Account, "copier-2f");
    setText(s.pop3Password, sizeof s.pop3Password, "m41l-s3cret");
    s.timeZone = 2;         // +01:00
    s.daylightSaving = 128; // on
    s.daylightMinutes = 60;
    setAddress(s.ftpProxyAddress, 192, 168, 1, 8);
    s.ftpProxyPort = 8080;
    s.ftpTimeout = 60;
    s.smbSend = 1;
    s.smbAuthentication = 2; // NTLM v2
    s.sleepShift = 0;
    s.showPrinterOwner = 1;
    s.adminNumber = 2468;
    packImage(doc);
    // The machine reports text settings with their text length, values with
    // their width.
    for (int k = 0; k < settingBlockCount; ++k) {
        const SettingBlock& b = settingBlocks[k];
        ImageBlock& block = doc.image.blocks[dialBlockCount + k];
        const bool text = b.kind == ValueKind::Bytes && b.width > 4;
        block.blockLength = static_cast<uint32_t>(
            text ? strnlen(reinterpret_cast<const char*>(block.data), b.width) : b.width);
    }

    uint8_t record[configRecordSize] = {};
    record[0] = 1; // document feeder
    record[1] = 1; // duplex document feeder
    record[2] = 4; // paper trays
    record[3] = 1; // multi-bypass
    record[8] = 1; // duplex unit
    writeLe16(record + 9, 256);
    std::memcpy(record + 11, "ZC80-1.20.04-EN", 15);
    std::memcpy(record + 30, "ZE80-2.03.11", 12);
    std::memcpy(record + 87, "ZW80K2U004512", 13);
    storeConfigRecord(doc, record, sizeof record);
}

SimulatedCopier::SimulatedCopier(const char* memoryPath) : memory_(new Document) {
    buildSampleMachine(*memory_);
    plugMachine(0);
    if (!memoryPath || !*memoryPath) return;
    memoryPath_ = memoryPath;
    std::error_code ec;
    const bool exists = std::filesystem::exists(std::filesystem::path(memoryPath_), ec);
    if (ec) {
        problem_ = memoryPath_ + ": " + ec.message();
    } else if (exists) {
        std::unique_ptr<Document> loaded(new Document(*memory_));
        FileStatus s = openSettingsFile(*loaded, memoryPath_.c_str(), simulatorMemorySignature);
        if (s == FileStatus::Ok) {
            loaded->dialRegistersOnly = 0;
            memory_ = std::move(loaded);
        } else {
            problem_ = memoryPath_ + ": " + fileStatusText(s);
        }
    } else if (saveSettingsFile(*memory_, memoryPath_.c_str(), simulatorMemorySignature) !=
               FileStatus::Ok) {
        problem_ = memoryPath_ + ": the simulated copier's memory cannot be created";
    }
}

SimulatedCopier::~SimulatedCopier() = default;

void SimulatedCopier::plugMachine(int index) {
    if (index < 0 || index >= simulatedSlotCount) return;
    if (slots_[machineIndex_].productId == machineProductId) unplug(machineIndex_);
    slots_[index] = Slot{true, machineProductId, true};
    machineIndex_ = index;
}

void SimulatedCopier::plugDevice(int index, uint16_t productId, bool answersDescriptor) {
    if (index < 0 || index >= simulatedSlotCount) return;
    slots_[index] = Slot{true, productId, answersDescriptor};
}

void SimulatedCopier::unplug(int index) {
    if (index < 0 || index >= simulatedSlotCount) return;
    vanish(index);
    slots_[index] = Slot{};
}

void SimulatedCopier::setBusyReply(uint8_t byte0, uint8_t byte1) {
    busyReply_[0] = byte0;
    busyReply_[1] = byte1;
}

void SimulatedCopier::setControlSilent(bool silent) {
    controlSilent_ = silent;
}
void SimulatedCopier::setStatus(uint8_t status) {
    status_ = status;
}

void SimulatedCopier::inject(SimFault fault, SimRequest on, int skip, uint8_t value) {
    armed_.push_back(Armed{fault, on, skip, value});
}

void SimulatedCopier::clearTrace() {
    events_.clear();
    writes_.clear();
}

bool SimulatedCopier::takeFault(SimFault fault, SimRequest kind, uint8_t* value) {
    return takeFaultAmong(fault, bit(kind), value);
}

bool SimulatedCopier::takeFaultAmong(SimFault fault, unsigned kinds, uint8_t* value) {
    for (size_t i = 0; i < armed_.size(); ++i) {
        Armed& a = armed_[i];
        if (a.fault != fault || (a.on != SimRequest::Any && !(kinds & bit(a.on)))) continue;
        if (a.skip > 0) {
            --a.skip;
            continue;
        }
        if (value) *value = a.value;
        armed_.erase(armed_.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    return false;
}

void SimulatedCopier::note(BusEvent::Kind kind, int device, int pipe, size_t bytes) {
    if (tracing_) events_.push_back(BusEvent{kind, device, pipe, bytes});
}

void SimulatedCopier::vanish(int device) {
    slots_[device].present = false;
    for (Pipe& p : pipes_)
        if (p.device == device) p.alive = false;
    if (device == machineIndex_) resetConversation();
}

void SimulatedCopier::resetConversation() {
    inbox_.clear();
    outbox_.clear();
    outPos_ = 0;
    cutAfterHeader_ = false;
}

SimulatedCopier::Pipe* SimulatedCopier::usable(PipeHandle handle, int pipe) {
    for (Pipe& p : pipes_)
        if (p.handle == handle) return p.alive && (pipe < 0 || p.pipe == pipe) ? &p : nullptr;
    return nullptr;
}

bool SimulatedCopier::machineOpen() const {
    for (const Pipe& p : pipes_)
        if (p.device == machineIndex_) return true;
    return false;
}

PipeHandle SimulatedCopier::openPipe(const char* path) {
    static const char prefix[] = "\\\\.\\Usbscan";
    const size_t prefixLength = sizeof prefix - 1;
    int device = -1;
    int pipe = -1;
    if (std::strncmp(path, prefix, prefixLength) == 0) {
        const char* p = path + prefixLength;
        int index = 0;
        int digits = 0;
        for (; *p >= '0' && *p <= '9' && digits < 3; ++p, ++digits)
            index = index * 10 + (*p - '0');
        if (digits > 0 && p[0] == '\\' && (p[1] == '0' || p[1] == '1') && p[2] == '\0' &&
            index < simulatedSlotCount) {
            device = index;
            pipe = p[1] - '0';
        }
    }
    if (device < 0 || !slots_[device].present) {
        note(BusEvent::OpenRefused, device, pipe, 0);
        return invalidPipe;
    }
    if (device == machineIndex_ && pipe == 0 && !machineOpen())
        loadMemory(); // another process may have written it
    const PipeHandle handle = nextHandle_++;
    pipes_.push_back(Pipe{handle, device, pipe, true});
    note(BusEvent::Open, device, pipe, 0);
    return handle;
}

void SimulatedCopier::closePipe(PipeHandle handle) {
    for (size_t i = 0; i < pipes_.size(); ++i) {
        if (pipes_[i].handle != handle) continue;
        const Pipe closed = pipes_[i];
        pipes_.erase(pipes_.begin() + static_cast<std::ptrdiff_t>(i));
        note(BusEvent::Close, closed.device, closed.pipe, 0);
        // Half a request or an unread reply dies with the connection.
        if (closed.device == machineIndex_ && !machineOpen()) resetConversation();
        return;
    }
}

int SimulatedCopier::getDeviceDescriptor(PipeHandle handle, DeviceDescriptor& out) {
    Pipe* p = usable(handle, -1);
    note(BusEvent::Descriptor, p ? p->device : -1, p ? p->pipe : -1, 0);
    if (!p || !slots_[p->device].answersDescriptor) return 0;
    out = DeviceDescriptor{simulatedVendorId, slots_[p->device].productId, 0x0100, 0x0409};
    return 1;
}

size_t SimulatedCopier::controlIn(PipeHandle handle, const ControlRequest& request, uint8_t* buffer,
                                  size_t size) {
    Pipe* p = usable(handle, -1);
    // Only the busy check is known; anything else stalls.
    const bool busyCheck = request.value == 0 && request.index == 0 && request.request == 0x0C &&
                           request.requestType == 0xC1 && request.directionIn == 1;
    size_t n = 0;
    if (p && p->device == machineIndex_ && busyCheck && !controlSilent_ && size > 0) {
        n = size < 2 ? size : 2;
        std::memcpy(buffer, busyReply_, n);
    }
    note(BusEvent::Control, p ? p->device : -1, p ? p->pipe : -1, n);
    return n;
}

size_t SimulatedCopier::writePipe(PipeHandle handle, const uint8_t* data, size_t size) {
    Pipe* p = usable(handle, 0);
    size_t taken = 0;
    if (p && p->device == machineIndex_) taken = receive(data, size);
    note(BusEvent::Write, p ? p->device : -1, 0, taken);
    if (tracing_ && taken) writes_.emplace_back(data, data + taken);
    return taken;
}

size_t SimulatedCopier::receive(const uint8_t* data, size_t size) {
    if (inbox_.size() < messageHeaderSize) {
        if (inbox_.empty() && size >= messageHeaderSize &&
            takeFaultAmong(SimFault::NoHeaderWrite,
                           headerKinds(readLe32(data), readLe32(data + 4))))
            return 0;
    } else {
        // A body write: header and these bytes say what the request is.
        const uint8_t* body =
            inbox_.size() > messageHeaderSize ? inbox_.data() + messageHeaderSize : data;
        const size_t available =
            inbox_.size() > messageHeaderSize ? inbox_.size() - messageHeaderSize : size;
        const SimRequest kind = classify(readLe32(inbox_.data()), body, available);
        if (takeFault(SimFault::NoBodyWrite, kind)) return 0;
        if (!hasReply(kind) && takeFault(SimFault::VanishMidway, kind)) {
            vanish(machineIndex_);
            return 0;
        }
    }
    inbox_.insert(inbox_.end(), data, data + size);
    while (inbox_.size() >= messageHeaderSize) {
        const size_t length = readLe32(inbox_.data() + 4);
        if (length > reasonableUploadLimit) {
            // Not a message this machine could hold: drop it and report it.
            pendingError_ = true;
            inbox_.clear();
            break;
        }
        if (inbox_.size() < messageHeaderSize + length) break;
        process(inbox_.data(), messageHeaderSize + length);
        inbox_.erase(inbox_.begin(),
                     inbox_.begin() + static_cast<std::ptrdiff_t>(messageHeaderSize + length));
    }
    return size;
}

size_t SimulatedCopier::readPipe(PipeHandle handle, uint8_t* buffer, size_t size) {
    Pipe* p = usable(handle, 1);
    size_t n = 0;
    if (p && p->device == machineIndex_) {
        if (cutAfterHeader_ && outPos_ >= messageHeaderSize) {
            vanish(machineIndex_);
        } else {
            const size_t left = outbox_.size() - outPos_;
            n = size < left ? size : left;
            std::memcpy(buffer, outbox_.data() + outPos_, n);
            outPos_ += n;
        }
    }
    note(BusEvent::Read, p ? p->device : -1, 1, n);
    return n;
}

void SimulatedCopier::process(const uint8_t* message, size_t size) {
    const uint32_t code = readLe32(message);
    const uint8_t* body = message + messageHeaderSize;
    const size_t length = size - messageHeaderSize;
    const SimRequest kind = classify(code, body, length);
    if (takeFault(SimFault::Vanish, kind)) slots_[machineIndex_].present = false;

    std::vector<uint8_t>& reply = reply_; // kept, so that its room is reused
    reply.clear();
    switch (kind) {
    case SimRequest::Status: {
        const uint8_t status = pendingError_ ? uint8_t{statusDataError} : status_;
        pendingError_ = false;
        const uint8_t item[itemHeaderSize + 1] = {commandStatus, 0, 0, 0, 1, 0, 0, 0, status};
        reply.assign(item, item + sizeof item);
        answer(kind, code, reply);
        break;
    }
    case SimRequest::OpenSession:
        sessionOpen_ = true;
        break;
    case SimRequest::CloseSession:
        sessionOpen_ = false;
        break;
    case SimRequest::Config:
    case SimRequest::Download: {
        ByteReader request(body, length);
        while (request.remaining() >= itemHeaderSize) {
            const uint32_t id = request.le32();
            request.le32(); // a read names items with length 0
            if (id == configItemId) {
                appendItem(reply, id, configRecordSize, memory_->config, configRecordSize);
                continue;
            }
            const int k = findBlock(memory_->image, id);
            if (k < 0) {
                appendItem(reply, id, lengthNotPresent, nullptr, 0);
                continue;
            }
            const ImageBlock& b = memory_->image.blocks[k];
            size_t data = b.blockLength == lengthNotPresent ? 0 : b.blockLength;
            if (data > blockDataSize) data = blockDataSize;
            appendItem(reply, id, b.blockLength, b.data, data);
        }
        answer(kind, code, reply);
        break;
    }
    case SimRequest::Upload:
        takeUpload(body, length);
        break;
    case SimRequest::Any:
        pendingError_ = true;
        break;
    }
}

void SimulatedCopier::answer(SimRequest kind, uint32_t code, std::vector<uint8_t>& body) {
    uint8_t value = 0;
    if (kind == SimRequest::Status && takeFault(SimFault::Status, kind, &value))
        body[itemHeaderSize] = value;
    if (takeFault(SimFault::UnknownItem, kind)) {
        static const uint8_t stray[4] = {0xDE, 0xAD, 0xBE, 0xEF};
        std::vector<uint8_t> front;
        appendItem(front, unknownItemId, sizeof stray, stray, sizeof stray);
        body.insert(body.begin(), front.begin(), front.end());
    }
    if (takeFault(SimFault::LongItem, kind)) {
        if (kind == SimRequest::Status) {
            writeLe32(body.data() + 4, 2); // two bytes for a one-byte status
            body.push_back(0);
        } else if (kind == SimRequest::Config) {
            body.clear();
            std::vector<uint8_t> record(memory_->config, memory_->config + configRecordSize);
            record.push_back(0x5A);
            appendItem(body, configItemId, static_cast<uint32_t>(record.size()), record.data(),
                       record.size());
        } else {
            std::vector<uint8_t> front;
            std::vector<uint8_t> data(blockDataSize + 1, 0x41);
            appendItem(front, firstDialBlockId, static_cast<uint32_t>(data.size()), data.data(),
                       data.size());
            body.insert(body.begin(), front.begin(), front.end());
        }
    }
    if (takeFault(SimFault::Garbage, kind)) {
        // Noise with the top bit set: every length read from it is huge.
        uint32_t seed = 0x2545F491;
        for (uint8_t& b : body) {
            seed = seed * 1103515245u + 12345u;
            b = static_cast<uint8_t>(0x80 | (seed >> 16));
        }
    }
    size_t announced = body.size();
    if (takeFault(SimFault::OversizedBody, kind)) {
        announced = (kind == SimRequest::Download ? transferBufferSize : controlBufferSize) + 16;
        body.resize(announced, 0x41);
    }
    outbox_.clear();
    appendLe32(outbox_, code);
    appendLe32(outbox_, static_cast<uint32_t>(announced));
    outbox_.insert(outbox_.end(), body.begin(), body.end());
    outPos_ = 0;
    if (takeFault(SimFault::ShortBody, kind)) outbox_.resize(messageHeaderSize + announced / 2);
    if (takeFault(SimFault::ShortHeader, kind)) outbox_.resize(5);
    cutAfterHeader_ = takeFault(SimFault::VanishMidway, kind);
}

void SimulatedCopier::takeUpload(const uint8_t* body, size_t size) {
    // The item list ends with the trailer item, which is the last thing sent.
    ByteReader walk(body, size);
    size_t trailerAt = 0;
    const uint8_t* trailer = nullptr;
    while (walk.ok() && walk.remaining() > 0) {
        const size_t at = walk.position();
        const uint32_t id = walk.le32();
        const uint32_t length = walk.le32();
        const bool carriesData = length != 0 && length != lengthNotPresent;
        const uint8_t* data = carriesData ? walk.bytes(length) : nullptr;
        if (id == uploadTrailerId) {
            if (walk.ok() && length == uploadTrailerSize && walk.remaining() == 0) {
                trailerAt = at;
                trailer = data;
            }
            break;
        }
    }
    uint8_t registersOnly = 0;
    MergeResult check = trailer ? checkFileItems(body, trailerAt, registersOnly)
                                : MergeResult{MergeStatus::Unclosed, 0};
    if (!check.ok() || check.consumed != trailerAt) {
        pendingError_ = true; // the machine keeps what it had
        return;
    }
    mergeFileItems(memory_->image, body, trailerAt, registersOnly);
    lastUploadCode_ = trailer[1];
    ++uploadsTaken_;
    saveMemory();
}

void SimulatedCopier::loadMemory() {
    if (memoryPath_.empty() || !problem_.empty()) return;
    std::unique_ptr<Document> loaded(new Document(*memory_));
    if (openSettingsFile(*loaded, memoryPath_.c_str(), simulatorMemorySignature) != FileStatus::Ok)
        return;
    loaded->dialRegistersOnly = 0;
    memory_ = std::move(loaded);
}

void SimulatedCopier::saveMemory() {
    if (memoryPath_.empty()) return;
    memory_->dialRegistersOnly = 0;
    if (saveSettingsFile(*memory_, memoryPath_.c_str(), simulatorMemorySignature) != FileStatus::Ok)
        pendingError_ = true;
}

namespace {

struct Named {
    const char* name;
    int value;
};

const Named faultNames[] = {
    {"no-header-write", static_cast<int>(SimFault::NoHeaderWrite)},
    {"no-body-write", static_cast<int>(SimFault::NoBodyWrite)},
    {"short-header", static_cast<int>(SimFault::ShortHeader)},
    {"short-body", static_cast<int>(SimFault::ShortBody)},
    {"oversized-body", static_cast<int>(SimFault::OversizedBody)},
    {"garbage", static_cast<int>(SimFault::Garbage)},
    {"unknown-item", static_cast<int>(SimFault::UnknownItem)},
    {"long-item", static_cast<int>(SimFault::LongItem)},
    {"vanish", static_cast<int>(SimFault::Vanish)},
    {"vanish-midway", static_cast<int>(SimFault::VanishMidway)},
};

const Named requestNames[] = {
    {"any", static_cast<int>(SimRequest::Any)},
    {"status", static_cast<int>(SimRequest::Status)},
    {"open", static_cast<int>(SimRequest::OpenSession)},
    {"close", static_cast<int>(SimRequest::CloseSession)},
    {"config", static_cast<int>(SimRequest::Config)},
    {"download", static_cast<int>(SimRequest::Download)},
    {"upload", static_cast<int>(SimRequest::Upload)},
};

template <size_t N> bool lookUp(const Named (&table)[N], const std::string& name, int& value) {
    for (const Named& n : table)
        if (name == n.name) {
            value = n.value;
            return true;
        }
    return false;
}

bool parseNumber(const std::string& text, long low, long high, long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return *end == '\0' && value >= low && value <= high;
}

} // namespace

bool SimulatedCopier::configure(const char* text, std::string& error) {
    std::string all = text ? text : "";
    size_t at = 0;
    while (at < all.size()) {
        size_t end = all.find_first_of(" ,", at);
        if (end == std::string::npos) end = all.size();
        const std::string token = all.substr(at, end - at);
        at = end + 1;
        if (token.empty()) continue;
        long n = 0;
        const size_t atSign = token.find('@');
        if (atSign == std::string::npos) {
            if (token == "busy")
                setBusyReply(1, 0);
            else if (token == "silent")
                setControlSilent(true);
            else if (token.compare(0, 7, "status=") == 0 && parseNumber(token.substr(7), 0, 255, n))
                setStatus(static_cast<uint8_t>(n));
            else if (token.compare(0, 6, "index=") == 0 &&
                     parseNumber(token.substr(6), 0, simulatedSlotCount - 1, n))
                plugMachine(static_cast<int>(n));
            else {
                error = "unknown simulator setting '" + token + "'";
                return false;
            }
            continue;
        }
        std::string what = token.substr(0, atSign);
        std::string on = token.substr(atSign + 1);
        long skip = 0;
        const size_t hash = on.find('#');
        if (hash != std::string::npos) {
            if (!parseNumber(on.substr(hash + 1), 0, 1000000, skip)) {
                error = "bad request count in '" + token + "'";
                return false;
            }
            on.resize(hash);
        }
        int fault = 0;
        int request = 0;
        long value = 0;
        if (what.compare(0, 7, "status=") == 0 && parseNumber(what.substr(7), 0, 255, value))
            fault = static_cast<int>(SimFault::Status);
        else if (!lookUp(faultNames, what, fault)) {
            error = "unknown simulator fault '" + what + "'";
            return false;
        }
        if (!lookUp(requestNames, on, request)) {
            error = "unknown request '" + on + "' in '" + token + "'";
            return false;
        }
        inject(static_cast<SimFault>(fault), static_cast<SimRequest>(request),
               static_cast<int>(skip), static_cast<uint8_t>(value));
    }
    return true;
}
