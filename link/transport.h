#pragma once
// What the machine link needs of the USB still-image driver, and nothing more:
// the pipe files of a device, its device descriptor, bulk writes and reads, and
// one vendor control-in transfer. The Windows driver and the simulated copier
// both sit behind this interface, so the link logic never sees a platform type.
#include <cstddef>
#include <cstdint>
#include <string>

using PipeHandle = intptr_t;
constexpr PipeHandle invalidPipe = -1;

// The driver's 8-byte device descriptor.
struct DeviceDescriptor {
    uint16_t vendorId;
    uint16_t productId;
    uint16_t bcdDevice;
    uint16_t languageId;
};

// A vendor control request as the driver's IO_BLOCK_EX carries it; the length
// is the size of the buffer handed to controlIn.
struct ControlRequest {
    uint32_t value; // the setup packet's value word
    uint32_t index; // the setup packet's index word
    uint8_t request;
    uint8_t requestType;
    uint8_t directionIn;
};

class Transport {
  public:
    virtual ~Transport() = default;
    // Opens a pipe file such as "\\.\Usbscan3\0" for reading and writing;
    // invalidPipe when there is no such device or it cannot be opened.
    virtual PipeHandle openPipe(const char* path) = 0;
    virtual void closePipe(PipeHandle pipe) = 0;
    // 1 with the descriptor filled in, 0 when the device does not answer.
    virtual int getDeviceDescriptor(PipeHandle pipe, DeviceDescriptor& out) = 0;
    // One write; returns the bytes transferred (0 on failure).
    virtual size_t writePipe(PipeHandle pipe, const uint8_t* data, size_t size) = 0;
    // One read of at most `size` bytes; returns the bytes that arrived.
    virtual size_t readPipe(PipeHandle pipe, uint8_t* buffer, size_t size) = 0;
    // A device-to-host control transfer asking for `size` bytes; returns the
    // bytes that came back (0 when none did or the request failed).
    virtual size_t controlIn(PipeHandle pipe, const ControlRequest& request, uint8_t* buffer,
                             size_t size) = 0;
};

// The machine this process talks to: the simulated copier when the environment
// variable ZOTWELL_SIMULATOR names its memory file, otherwise the USB driver
// (Windows builds). Null, with `problem` saying why, when there is neither.
// The transport lives until the process ends.
Transport* defaultTransport(std::string& problem);

#ifdef _WIN32
// The still-image driver (usbscan.sys) through its device files.
Transport* usbscanTransport();
#endif
