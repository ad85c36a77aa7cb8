#include "pdf/output_stream.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <system_error>

namespace pdf {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error)
{
    throw std::system_error(error ? error : EIO, std::generic_category(), what + " " + path);
}

}  // namespace

OutputStream::OutputStream() : buffer_(new char[kCapacity]) {}

OutputStream::~OutputStream()
{
    CloseQuietly();
}

void OutputStream::Open(const std::string& path)
{
    CloseQuietly();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        Fail("PdfWriter: cannot create", path, errno);
    std::setvbuf(f, nullptr, _IONBF, 0);  // our own buffer is the only one
    file_ = f;
    path_ = path;
    used_ = 0;
    offset_ = 0;
}

void OutputStream::OpenMemory()
{
    CloseQuietly();
    memory_.clear();
    inMemory_ = true;
    path_.clear();
    used_ = 0;
    offset_ = 0;
}

void OutputStream::Close()
{
    inMemory_ = false;
    if (!file_)
        return;
    try {
        Flush();
    } catch (...) {
        CloseQuietly();
        throw;
    }
    std::FILE* f = file_;
    file_ = nullptr;
    if (std::fclose(f) != 0)
        Fail("PdfWriter: cannot close", path_, errno);
}

void OutputStream::CloseQuietly() noexcept
{
    inMemory_ = false;
    if (!file_)
        return;
    if (used_ > 0)
        std::fwrite(buffer_.get(), 1, used_, file_);
    std::fclose(file_);
    file_ = nullptr;
    used_ = 0;
}

void OutputStream::Write(std::string_view bytes)
{
    Raw(bytes.data(), bytes.size());
}

void OutputStream::Write(std::span<const std::uint8_t> bytes)
{
    Raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void OutputStream::Raw(const char* data, std::size_t size)
{
    if (inMemory_) {
        // Room for twice what is needed: a picture appended to a short
        // document would otherwise be copied again by the next few bytes.
        if (memory_.capacity() - memory_.size() < size)
            memory_.reserve(2 * (memory_.size() + size));
        memory_.append(data, size);
        offset_ += size;
        return;
    }
    if (!file_)
        throw std::logic_error("PdfWriter: no file is open (InitPDFFile first)");
    offset_ += size;
    if (size <= kCapacity - used_) {
        std::memcpy(buffer_.get() + used_, data, size);
        used_ += size;
        return;
    }
    Flush();
    if (size >= kCapacity) {
        // large blocks (image data) go to the file directly
        if (std::fwrite(data, 1, size, file_) != size)
            Fail("PdfWriter: cannot write", path_, errno);
        return;
    }
    std::memcpy(buffer_.get(), data, size);
    used_ = size;
}

void OutputStream::Flush()
{
    if (used_ == 0)
        return;
    const std::size_t n = used_;
    used_ = 0;
    if (std::fwrite(buffer_.get(), 1, n, file_) != n)
        Fail("PdfWriter: cannot write", path_, errno);
}

}  // namespace pdf
