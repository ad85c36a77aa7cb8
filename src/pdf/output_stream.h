// The one buffered output of PdfWriter. Its own byte count is the only source
// of the cross-reference offsets and stream lengths.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace pdf {

class OutputStream {
public:
    OutputStream();
    ~OutputStream();
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    // Creates or truncates the file; throws std::system_error when it cannot.
    void Open(const std::string& path);
    // Collects the bytes in memory instead of a file, until TakeBytes.
    void OpenMemory();
    // The bytes collected since OpenMemory; the memory is emptied.
    std::string TakeBytes();
    // Writes what is buffered and closes; throws std::system_error on failure.
    void Close();
    // Closes without reporting anything (destructor, reopening).
    void CloseQuietly() noexcept;
    bool IsOpen() const { return file_ != nullptr || inMemory_; }

    // Bytes written since Open: the offset of the next byte.
    std::uint64_t Offset() const { return offset_; }

    // Throw std::logic_error when no file is open, std::system_error when
    // the file cannot take the bytes.
    void Write(std::string_view bytes);
    void Write(std::span<const std::uint8_t> bytes);

private:
    void Flush();
    void Raw(const char* data, std::size_t size);

    static constexpr std::size_t kCapacity = 64 * 1024;
    std::FILE* file_ = nullptr;
    bool inMemory_ = false;
    std::string memory_;
    std::string path_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    std::uint64_t offset_ = 0;
};

}  // namespace pdf
