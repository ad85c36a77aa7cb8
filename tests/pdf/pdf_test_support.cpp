#include "pdf/pdf_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace pdftest {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quillet-pdf-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    if (std::getenv("QUILLET_KEEP_TEMP")) {
        std::fprintf(stderr, "kept %s\n", path_.c_str());
        return;
    }
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Quote(const std::string& path)
{
    std::string q = "'";
    for (char c : path) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

CommandResult Run(const std::string& command)
{
    CommandResult r;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
        r.output.append(buf, n);
    const int status = pclose(pipe);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

namespace {

bool StartsWith(const std::string& s, std::size_t at, std::string_view what)
{
    return at <= s.size() && s.compare(at, what.size(), what) == 0;
}

// A non-negative whole number at s[at]; -1 when there is none.
long long NumberAt(const std::string& s, std::size_t at, std::size_t* end = nullptr)
{
    std::size_t i = at;
    long long v = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9')
        v = v * 10 + (s[i++] - '0');
    if (end)
        *end = i;
    return i == at ? -1 : v;
}

}  // namespace

std::vector<std::string> PdfFile::StreamLines(int object) const
{
    std::vector<std::string> lines;
    const auto it = streams.find(object);
    if (it == streams.end())
        return lines;
    const std::string& s = it->second;
    std::size_t start = 0;
    while (start < s.size()) {
        const std::size_t end = s.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(s.substr(start));
            break;
        }
        lines.push_back(s.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

int PdfFile::ContentsOf(int page) const
{
    const auto it = objects.find(page);
    if (it == objects.end())
        return 0;
    const std::size_t at = it->second.find("/Contents ");
    return at == std::string::npos ? 0 : static_cast<int>(NumberAt(it->second, at + 10));
}

PdfFile ParsePdf(const std::string& path)
{
    PdfFile f;
    f.bytes = ReadFile(path);
    const std::string& b = f.bytes;
    auto problem = [&](const std::string& what) { f.problems.push_back(what); };

    if (!StartsWith(b, 0, "%PDF-1.3\r\n"))
        problem("no %PDF-1.3 CR LF header");

    // startxref CR offset CR %%EOF CR LF, at the very end
    const std::size_t sx = b.rfind("startxref\r");
    if (sx == std::string::npos) {
        problem("no startxref");
        return f;
    }
    std::size_t end;
    const long long xref = NumberAt(b, sx + 10, &end);
    if (xref < 0 || b.compare(end, std::string::npos, "\r%%EOF\r\n") != 0)
        problem("the file does not end in startxref CR offset CR %%EOF CR LF");
    f.xrefOffset = static_cast<std::uint64_t>(xref);
    if (!StartsWith(b, f.xrefOffset, "xref\r\n0 ")) {
        problem("startxref does not point exactly at xref");
        return f;
    }
    std::size_t at = f.xrefOffset + 8;
    const long long count = NumberAt(b, at, &end);
    if (count <= 0 || !StartsWith(b, end, "\r\n")) {
        problem("bad xref subsection header");
        return f;
    }
    at = end + 2;
    if (!StartsWith(b, at, "0000000000 65535 f\r\n"))
        problem("bad entry of object 0");
    for (int n = 1; n < count; ++n) {
        const std::size_t e = at + 20 * static_cast<std::size_t>(n);
        const long long offset = NumberAt(b, e, &end);
        if (end != e + 10 || !StartsWith(b, e + 10, " 00000 n\r\n")) {
            problem("bad xref entry " + std::to_string(n));
            continue;
        }
        f.offsets[n] = static_cast<std::uint64_t>(offset);
        const std::string head = std::to_string(n) + " 0 obj\r\n";
        if (!StartsWith(b, static_cast<std::size_t>(offset), head) || b[static_cast<std::size_t>(offset) - 1] != '\n')
            problem("xref offset of object " + std::to_string(n) + " does not point exactly at its \"" +
                    std::to_string(n) + " 0 obj\"");
    }
    const std::size_t trailerAt = at + 20 * static_cast<std::size_t>(count);
    const std::string trailer = "trailer\r<<\r/Size " + std::to_string(count) + "\r/Info 1 0 R\r/Root 2 0 R\r>>\r\n";
    if (!StartsWith(b, trailerAt, trailer) || trailerAt + trailer.size() != sx)
        problem("trailer is not as the writer lays it out");
    f.size = static_cast<int>(count);

    // object bodies: from "N 0 obj" CR LF to the next object or the table
    std::map<std::uint64_t, int> byOffset;
    for (auto [n, offset] : f.offsets)
        byOffset[offset] = n;
    for (auto it = byOffset.begin(); it != byOffset.end(); ++it) {
        const std::uint64_t next = std::next(it) == byOffset.end() ? f.xrefOffset : std::next(it)->first;
        const std::size_t start = it->first + std::to_string(it->second).size() + 8;
        if (next < start + 8 || b.compare(next - 8, 8, "endobj\r\n") != 0) {
            problem("object " + std::to_string(it->second) + " does not end in endobj CR LF");
            continue;
        }
        f.objects[it->second] = b.substr(start, next - 8 - start);
    }

    // streams and their lengths
    for (const auto& [n, body] : f.objects) {
        const std::size_t s = body.find(">>\rstream\r\n");
        if (s == std::string::npos)
            continue;
        const std::string dict = body.substr(0, s + 2);
        f.dicts[n] = dict;
        const std::size_t l = dict.find("/Length ");
        if (l == std::string::npos) {
            problem("stream " + std::to_string(n) + " without /Length");
            continue;
        }
        long long length = NumberAt(dict, l + 8, &end);
        if (StartsWith(dict, end, " 0 R")) {
            const auto ref = f.objects.find(static_cast<int>(length));
            length = ref == f.objects.end() ? -1 : NumberAt(ref->second, 0, &end);
            if (ref == f.objects.end() || ref->second.compare(end, std::string::npos, "\r\n") != 0)
                problem("length object of stream " + std::to_string(n) + " is not one number");
        }
        const std::size_t data = s + 11;
        if (length < 0 || data + static_cast<std::size_t>(length) > body.size()) {
            problem("stream " + std::to_string(n) + " is shorter than its /Length");
            continue;
        }
        const std::string rest = body.substr(data + static_cast<std::size_t>(length));
        // the data ends either with the CR LF of the last line (content
        // streams) or is followed by one CR (image data)
        if (rest != "endstream\r\n" && rest != "\rendstream\r\n")
            problem("/Length of stream " + std::to_string(n) + " is not the bytes of its data");
        f.streams[n] = body.substr(data, static_cast<std::size_t>(length));
    }
    return f;
}

std::string QpdfProblems(const std::string& path)
{
    const CommandResult r = Run("qpdf --check " + Quote(path));
    if (r.exitCode != 0 || r.output.find("WARNING") != std::string::npos ||
        r.output.find("No syntax or stream encoding errors found") == std::string::npos)
        return "qpdf --check exit " + std::to_string(r.exitCode) + ":\n" + r.output;
    return {};
}

PdfFile CheckPdf(const std::string& path)
{
    PdfFile f = ParsePdf(path);
    for (const auto& p : f.problems)
        ADD_FAILURE() << path << ": " << p;
    const std::string qpdf = QpdfProblems(path);
    EXPECT_EQ(qpdf, "") << path;
    return f;
}

std::string PdfToText(const std::string& path)
{
    return Run("pdftotext -enc UTF-8 -layout " + Quote(path) + " -").output;
}

std::string MakeBmp(int width, int height, int bits, const std::vector<std::array<std::uint8_t, 3>>& palette,
                    const std::function<std::uint32_t(int x, int y)>& pixel)
{
    const int rowBytes = ((width * bits + 31) / 32) * 4;
    const int paletteBytes = bits <= 8 ? 4 * (1 << bits) : 0;
    const int offset = 14 + 40 + paletteBytes;
    const int fileSize = offset + rowBytes * height;
    std::string s;
    auto u16 = [&](int v) {
        s += static_cast<char>(v & 0xFF);
        s += static_cast<char>((v >> 8) & 0xFF);
    };
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    s += "BM";
    u32(static_cast<std::uint32_t>(fileSize));
    u16(0);
    u16(0);
    u32(static_cast<std::uint32_t>(offset));
    u32(40);
    u32(static_cast<std::uint32_t>(width));
    u32(static_cast<std::uint32_t>(height));
    u16(1);
    u16(bits);
    u32(0);  // BI_RGB
    u32(static_cast<std::uint32_t>(rowBytes * height));
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    for (int i = 0; i < paletteBytes / 4; ++i) {
        const auto c = i < static_cast<int>(palette.size()) ? palette[static_cast<std::size_t>(i)]
                                                            : std::array<std::uint8_t, 3>{0, 0, 0};
        s += static_cast<char>(c[2]);
        s += static_cast<char>(c[1]);
        s += static_cast<char>(c[0]);
        s += '\0';
    }
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;  // bottom row first
        std::string line(static_cast<std::size_t>(rowBytes), '\0');
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = pixel(x, y);
            if (bits == 24) {
                line[3 * x] = static_cast<char>(v & 0xFF);
                line[3 * x + 1] = static_cast<char>((v >> 8) & 0xFF);
                line[3 * x + 2] = static_cast<char>((v >> 16) & 0xFF);
            } else {
                const int bit = x * bits;
                const int shift = 8 - bits - bit % 8;
                line[bit / 8] = static_cast<char>(static_cast<unsigned char>(line[bit / 8]) | (v << shift));
            }
        }
        s += line;
    }
    return s;
}

Picture ReadPpm(const std::string& path)
{
    Picture p;
    const std::string b = ReadFile(path);
    std::istringstream in(b);
    std::string magic;
    int maxval = 0;
    in >> magic >> p.width >> p.height >> maxval;
    in.get();
    if (magic != "P6" || maxval != 255)
        return {};
    const auto n = static_cast<std::size_t>(p.width) * p.height * 3;
    p.rgb.assign(b.end() - static_cast<std::ptrdiff_t>(n), b.end());
    return p;
}

}  // namespace pdftest
