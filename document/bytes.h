#pragma once
// Little-endian access to the machine's byte layouts, and a bounded reader.
#include <cstddef>
#include <cstdint>

inline uint16_t readLe16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t readLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
inline void writeLe16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void writeLe32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

// Reads from a buffer of known size. Once a read would pass the end the reader
// stays failed, so a caller checks ok() once after a whole record.
class ByteReader {
  public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint32_t le32() {
        if (!take(4)) return 0;
        return readLe32(data_ + pos_ - 4);
    }
    const uint8_t* bytes(size_t n) {
        if (!take(n)) return nullptr;
        return data_ + pos_ - n;
    }
    bool ok() const { return ok_; }
    size_t position() const { return pos_; }
    size_t remaining() const { return size_ - pos_; }

  private:
    bool take(size_t n) {
        if (!ok_ || n > size_ - pos_) {
            ok_ = false;
            return false;
        }
        pos_ += n;
        return true;
    }
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};
