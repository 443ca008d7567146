// The still-image driver (usbscan.sys) behind the transport: each pipe of a
// device is a file, the device descriptor and the vendor control request are
// DeviceIoControl requests on the pipe-0 handle.
#include "transport.h"

#include <windows.h>
#include <winioctl.h>

#include <usbscan.h>

namespace {

static_assert(static_cast<DWORD>(IOCTL_GET_DEVICE_DESCRIPTOR) == 0x80002018u, "driver interface");
static_assert(static_cast<DWORD>(IOCTL_SEND_USB_REQUEST) == 0x80002024u, "driver interface");
static_assert(sizeof(DEVICE_DESCRIPTOR) == 8, "driver interface");

HANDLE handleOf(PipeHandle pipe) {
    return reinterpret_cast<HANDLE>(pipe);
}

class UsbscanTransport : public Transport {
  public:
    PipeHandle openPipe(const char* path) override {
        HANDLE file =
            CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_SYSTEM, nullptr);
        return file == INVALID_HANDLE_VALUE ? invalidPipe : reinterpret_cast<PipeHandle>(file);
    }

    void closePipe(PipeHandle pipe) override { CloseHandle(handleOf(pipe)); }

    int getDeviceDescriptor(PipeHandle pipe, DeviceDescriptor& out) override {
        DEVICE_DESCRIPTOR descriptor = {};
        DWORD returned = 0;
        if (!DeviceIoControl(handleOf(pipe), IOCTL_GET_DEVICE_DESCRIPTOR, nullptr, 0, &descriptor,
                             sizeof descriptor, &returned, nullptr) ||
            returned < sizeof descriptor)
            return 0;
        out.vendorId = descriptor.usVendorId;
        out.productId = descriptor.usProductId;
        out.bcdDevice = descriptor.usBcdDevice;
        out.languageId = descriptor.usLanguageId;
        return 1;
    }

    size_t writePipe(PipeHandle pipe, const uint8_t* data, size_t size) override {
        DWORD written = 0;
        if (!WriteFile(handleOf(pipe), data, static_cast<DWORD>(size), &written, nullptr)) return 0;
        return written;
    }

    size_t readPipe(PipeHandle pipe, uint8_t* buffer, size_t size) override {
        DWORD got = 0;
        if (!ReadFile(handleOf(pipe), buffer, static_cast<DWORD>(size), &got, nullptr)) return 0;
        return got;
    }

    // The driver builds the setup packet from IO_BLOCK_EX (uOffset is the
    // value word) and reads the data stage into the output buffer, which must
    // be the buffer pbyData names.
    size_t controlIn(PipeHandle pipe, const ControlRequest& request, uint8_t* buffer,
                     size_t size) override {
        IO_BLOCK_EX block = {};
        block.uOffset = request.value;
        block.uLength = static_cast<unsigned>(size);
        block.pbyData = buffer;
        block.uIndex = request.index;
        block.bRequest = request.request;
        block.bmRequestType = request.requestType;
        block.fTransferDirectionIn = request.directionIn;
        DWORD returned = 0;
        if (!DeviceIoControl(handleOf(pipe), IOCTL_SEND_USB_REQUEST, &block, sizeof block, buffer,
                             static_cast<DWORD>(size), &returned, nullptr))
            return 0;
        return returned < size ? returned : size;
    }
};

} // namespace

Transport* usbscanTransport() {
    static UsbscanTransport transport;
    return &transport;
}
