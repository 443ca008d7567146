// Any bytes as a Download reply body.
#include "machineimage.h"

#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto image = std::make_unique<MachineImage>();
    initImage(*image);
    std::unique_ptr<uint8_t[]> exact(new uint8_t[size ? size : 1]);
    if (size) std::memcpy(exact.get(), data, size);
    MergeResult checked = checkReplyItems(exact.get(), size);
    MergeResult r = mergeReplyItems(*image, exact.get(), size);
    if (r.consumed > size) __builtin_trap();
    // The dry run must decide exactly as the merge does: Download relies on it.
    if (checked.status != r.status || checked.consumed != r.consumed) __builtin_trap();
    for (const ImageBlock& b : image->blocks)
        if (b.blockLength != lengthNotPresent && b.blockLength > blockDataSize) __builtin_trap();
    return 0;
}
