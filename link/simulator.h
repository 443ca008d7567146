#pragma once
// The simulated copier: a machine with product ID 0x4C1A on a simulated
// still-image bus, behind the same transport as the USB driver. It answers the
// busy check, status queries, sessions, reads and writes from its memory,
// which a settings file can keep across runs, and it can be told to misbehave
// in every way the link has to survive.
#include "machineimage.h"
#include "transport.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

constexpr uint16_t machineProductId = 0x4C1A;
constexpr uint16_t simulatedVendorId = 0x1209;
// More slots than the host scans, so that a device can sit beyond its reach.
constexpr int simulatedSlotCount = 32;

// Which request a fault waits for. A refused header write can only tell a
// control message from a read or a write: Status, OpenSession and CloseSession
// then all mean "the next control message".
enum class SimRequest : uint8_t {
    Any,
    Status,
    OpenSession,
    CloseSession,
    Config,
    Download,
    Upload
};

enum class SimFault : uint8_t {
    Status,        // the status reply carries `value` instead of the machine's status
    NoHeaderWrite, // the request's header write transfers nothing
    NoBodyWrite,   // the request's body write transfers nothing
    ShortHeader,   // the reply header breaks off after 5 bytes
    ShortBody,     // the reply body breaks off half-way through its announced length
    OversizedBody, // the reply announces, and sends, more than the link's buffer for it
    Garbage,       // the reply body is noise
    UnknownItem,   // an item nobody asked for comes first in the reply
    LongItem,      // a reply item longer than its destination (status byte, record, block)
    Vanish,        // the device is unplugged once this request is answered
    VanishMidway,  // the device is unplugged in the middle: after the reply header, or
                   // during the body write of a request that has no reply
};

// What the simulated bus saw, in order (when tracing).
struct BusEvent {
    enum Kind : uint8_t { Open, OpenRefused, Descriptor, Control, Write, Read, Close } kind;
    int device; // slot index; -1 for a path that names no device
    int pipe;
    size_t bytes; // transferred by a write, read or control transfer
};

// The simulated copier keeps its memory as a settings file with the program's
// signature, so that zotwell and zotctl open it like any document of theirs.
constexpr char simulatorMemorySignature[] = "QEBCODE001|ZOT|TAROVENQEBNS|ALL";

class SimulatedCopier : public Transport {
  public:
    // The machine sits at index 0 with the sample content. With a memory file
    // it keeps its memory there: loaded when the host opens the machine, saved
    // after every write; a missing file is created with the sample content.
    explicit SimulatedCopier(const char* memoryPath = nullptr);
    ~SimulatedCopier() override;

    // False, with the reason, when the memory file exists but cannot be used.
    bool ready() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }

    // The bus.
    void plugMachine(int index);
    void plugDevice(int index, uint16_t productId, bool answersDescriptor = true);
    void unplug(int index);

    // Behaviour.
    void setBusyReply(uint8_t byte0, uint8_t byte1); // the control reply's first bytes
    void setControlSilent(bool silent);              // the control transfer returns nothing
    void setStatus(uint8_t status);                  // the machine's own status byte
    // Arms a fault for the (skip + 1)-th matching request from now; it fires once.
    void inject(SimFault fault, SimRequest on = SimRequest::Any, int skip = 0, uint8_t value = 0);
    // The same knobs as text, separated by spaces or commas: "busy", "silent",
    // "status=N", "index=N" and "FAULT@REQUEST" or "FAULT@REQUEST#N" (see
    // docs/link.md). False with `error` set for anything it does not know.
    bool configure(const char* text, std::string& error);

    // The machine's side, for inspection.
    Document& memory() { return *memory_; }
    bool sessionOpen() const { return sessionOpen_; }
    int uploadsTaken() const { return uploadsTaken_; }
    uint8_t lastUploadCode() const { return lastUploadCode_; }
    int openHandles() const { return static_cast<int>(pipes_.size()); }

    // The bus trace and the bytes of every write the host made, one entry per write.
    void trace(bool on) { tracing_ = on; }
    const std::vector<BusEvent>& events() const { return events_; }
    const std::vector<std::vector<uint8_t>>& writes() const { return writes_; }
    void clearTrace();

    // Transport.
    PipeHandle openPipe(const char* path) override;
    void closePipe(PipeHandle pipe) override;
    int getDeviceDescriptor(PipeHandle pipe, DeviceDescriptor& out) override;
    size_t writePipe(PipeHandle pipe, const uint8_t* data, size_t size) override;
    size_t readPipe(PipeHandle pipe, uint8_t* buffer, size_t size) override;
    size_t controlIn(PipeHandle pipe, const ControlRequest& request, uint8_t* buffer,
                     size_t size) override;

  private:
    struct Slot {
        bool present;
        uint16_t productId;
        bool answersDescriptor;
    };
    struct Pipe {
        PipeHandle handle;
        int device;
        int pipe;
        bool alive; // false once its device was unplugged under it
    };
    struct Armed {
        SimFault fault;
        SimRequest on;
        int skip;
        uint8_t value;
    };

    Pipe* usable(PipeHandle handle, int pipe);
    bool machineOpen() const;
    bool takeFault(SimFault fault, SimRequest kind, uint8_t* value = nullptr);
    bool takeFaultAmong(SimFault fault, unsigned kinds, uint8_t* value = nullptr);
    size_t receive(const uint8_t* data, size_t size);
    void note(BusEvent::Kind kind, int device, int pipe, size_t bytes);
    void vanish(int device);
    void resetConversation();
    void process(const uint8_t* message, size_t size);
    void answer(SimRequest kind, uint32_t code, std::vector<uint8_t>& body);
    void takeUpload(const uint8_t* body, size_t size);
    void loadMemory();
    void saveMemory();

    Slot slots_[simulatedSlotCount] = {};
    int machineIndex_ = 0;
    std::vector<Pipe> pipes_; // the open ones; handles are never reused
    PipeHandle nextHandle_ = 1;
    std::unique_ptr<Document> memory_;
    std::string memoryPath_;
    std::string problem_;

    uint8_t busyReply_[2] = {0, 0};
    bool controlSilent_ = false;
    uint8_t status_ = 0;
    bool pendingError_ = false; // a bad write or a failed save: the next status is 4
    bool sessionOpen_ = false;
    int uploadsTaken_ = 0;
    uint8_t lastUploadCode_ = 0;
    std::vector<Armed> armed_;

    std::vector<uint8_t> inbox_;  // the request being received
    std::vector<uint8_t> reply_;  // the reply body being built
    std::vector<uint8_t> outbox_; // the reply being read
    size_t outPos_ = 0;
    bool cutAfterHeader_ = false;

    bool tracing_ = false;
    std::vector<BusEvent> events_;
    std::vector<std::vector<uint8_t>> writes_;
};

// The sample machine: a plausible configuration record, an address book with
// e-mail keys, an FTP and an SMB key, and the machine settings.
void buildSampleMachine(Document& doc);
