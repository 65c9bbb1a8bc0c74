// A growable byte buffer whose capacity grows in steps of 2048 bytes, so that appending many
// short lines does not reallocate each time. Allocation failure is reported, never thrown.
#pragma once

#include <cstddef>
#include <string_view>

namespace vandrix::pdf {

class ByteBuffer {
  public:
    static constexpr std::size_t kStep = 2048;

    ByteBuffer() = default;
    ~ByteBuffer();
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;

    // Makes room for at least n bytes in all (rounded up to a multiple of kStep).
    // Returns false, leaving the buffer as it was, when the memory cannot be allocated.
    bool reserve(std::size_t n);
    // Appends the bytes; false (and nothing appended) when the buffer cannot grow.
    bool append(std::string_view bytes);
    // Frees the memory; the buffer is then empty with no capacity.
    void release();

    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    std::string_view view() const { return {data_ == nullptr ? "" : data_, size_}; }

  private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace vandrix::pdf
