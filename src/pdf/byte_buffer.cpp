// Growable byte buffer on malloc/realloc, so that a failed allocation is a result, not a throw.
#include "pdf/byte_buffer.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace vandrix::pdf {

ByteBuffer::~ByteBuffer() {
    release();
}

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

bool ByteBuffer::reserve(std::size_t n) {
    if (n <= capacity_ && data_ != nullptr)
        return true;
    if (n > static_cast<std::size_t>(-1) - kStep)
        return false;
    std::size_t rounded = (n + kStep - 1) / kStep * kStep;
    if (rounded == 0)
        rounded = kStep;
    void* grown = data_ == nullptr ? std::malloc(rounded) : std::realloc(data_, rounded);
    if (grown == nullptr)
        return false;
    data_ = static_cast<char*>(grown);
    capacity_ = rounded;
    return true;
}

bool ByteBuffer::append(std::string_view bytes) {
    if (bytes.size() > static_cast<std::size_t>(-1) - size_)
        return false;
    if (!reserve(size_ + bytes.size()))
        return false;
    if (!bytes.empty())
        std::memcpy(data_ + size_, bytes.data(), bytes.size());
    size_ += bytes.size();
    return true;
}

void ByteBuffer::release() {
    std::free(data_);
    data_ = nullptr;
    size_ = 0;
    capacity_ = 0;
}

}  // namespace vandrix::pdf
