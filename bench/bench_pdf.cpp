// PdfWriter against Qt's QPdfWriter on an invoice-like A4 page: two 24-bit
// pictures (the 625 x 125 logo and the 460 x 410 background, read from BMP
// files), two fonts, 90 text runs, 12 lines. Both write the same content in
// the same run; the summary prints both times and both file sizes.
//
// Target: at most 2 ms per document, at least 10 times faster
// than QPdfWriter.
#include <benchmark/benchmark.h>

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "pdf/pdf_writer.h"

namespace {

struct TextRun {
    float x, y;  // millimetres from the bottom-left, baseline start (or end when right-aligned)
    std::string text;
    int font;    // 1 regular, 2 bold
    float size;  // points
    int align;   // 1 left, 2 right
    int grey;    // fill colour RGB(grey, grey, grey)
};

struct Rule {
    float x1, y1, x2, y2;
};

struct Page {
    std::vector<TextRun> texts;
    std::vector<Rule> rules;
};

// The exported invoice's layout 1 with its 90 text runs and 12 rules.
Page InvoicePage()
{
    Page p;
    const char* sender[] = {"Bakkerij Één & Zoon", "Dorpsstraat 12", "1234 AB Ergenshuizen", "Tel. 012-3456789",
                            "KvK 12345678", "IBAN NL00 BANK 0123 4567 89"};
    float y = 240;
    for (const char* s : sender) {
        p.texts.push_back({15, y, s, 2, 12, 1, 120});
        y -= 5;
    }
    p.texts.push_back({15, 204, "Factuurnr.          : 2024-0117", 2, 12, 1, 120});
    p.texts.push_back({15, 199, "Factuurdatum    : 14-03-2024", 2, 12, 1, 120});
    const char* address[] = {"Café De Gouden Leeuw", "t.a.v. mevrouw J. Jansen", "Marktplein 3", "5678 CD Stadskanaal",
                             "Nederland"};
    y = 230;
    for (const char* s : address) {
        p.texts.push_back({100, y, s, 2, 14, 1, 40});
        y -= 6;
    }
    p.texts.push_back({5, 184, "Datum", 2, 12, 1, 50});
    p.texts.push_back({33, 184, "Omschrijving", 2, 12, 1, 50});
    p.texts.push_back({179, 184, "Btw", 2, 12, 2, 50});
    p.texts.push_back({154, 184, "Prijs", 2, 12, 2, 50});
    p.texts.push_back({205, 184, "Totaal", 2, 12, 2, 50});
    p.texts.push_back({113, 33, "Totaal:", 2, 12, 1, 50});
    p.texts.push_back({154, 33, "€ 1.234,50", 2, 11, 2, 50});
    p.texts.push_back({179, 33, "€ 259,25", 2, 11, 2, 50});
    p.texts.push_back({205, 33, "€ 1.493,75", 2, 11, 2, 50});
    for (int i = 0; i < 20; ++i) {
        const float ly = 175.0f - 5 * i;
        const std::string price = std::to_string(10 + i * 7) + "," + std::to_string(10 + i * 3);
        p.texts.push_back({5, ly, std::to_string(1 + i % 28) + "-03-2024", 1, 11, 1, 60});
        p.texts.push_back({33, ly, "Croissants en koffie à la crème, levering " + std::to_string(i + 1), 1, 11, 1, 60});
        p.texts.push_back({153, ly, price, 1, 11, 2, 60});
        if (i < 3) {
            p.texts.push_back({178, ly, std::to_string(2 + i) + ",10", 1, 11, 2, 60});
            p.texts.push_back({205, ly, std::to_string(12 + i * 7) + ",20", 1, 11, 2, 60});
        }
    }
    p.texts.push_back({5, 15, "Betaling binnen 30 dagen op IBAN NL00 BANK 0123 4567 89 o.v.v. het factuurnummer.", 1, 11, 1, 60});
    p.texts.push_back({5, 10, "Wij danken u voor uw bestelling — tot ziens!", 1, 11, 1, 60});

    p.rules = {{5, 180, 205, 180},   {30, 180, 30, 22},   {180, 180, 180, 22}, {130, 180, 130, 22},
               {155, 180, 155, 22},  {5, 40, 205, 40},    {5, 30, 205, 30},    {5, 22, 205, 22},
               {5, 180, 5, 22},      {205, 180, 205, 22}, {100, 40, 100, 30},  {5, 190, 205, 190}};
    return p;
}

struct Setup {
    std::string logo, background;
    Page page = InvoicePage();
};

Setup* setup = nullptr;

void WriteBmp24(const std::string& path, int width, int height, int seed)
{
    const int row = (width * 3 + 3) / 4 * 4;
    std::string s = "BM";
    auto u16 = [&](int v) { s += static_cast<char>(v & 0xFF), s += static_cast<char>(v >> 8 & 0xFF); };
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            s += static_cast<char>(v >> (8 * i) & 0xFF);
    };
    u32(static_cast<std::uint32_t>(54 + row * height));
    u16(0), u16(0), u32(54), u32(40), u32(static_cast<std::uint32_t>(width)), u32(static_cast<std::uint32_t>(height));
    u16(1), u16(24), u32(0), u32(static_cast<std::uint32_t>(row * height)), u32(3780), u32(3780), u32(0), u32(0);
    std::uint32_t noise = static_cast<std::uint32_t>(seed);
    for (int y = 0; y < height; ++y) {
        std::string line(static_cast<std::size_t>(row), '\0');
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = static_cast<int>(noise >> 28);
            line[3 * x] = static_cast<char>((x * 255 / width + n) & 0xFF);
            line[3 * x + 1] = static_cast<char>((y * 255 / height + n) & 0xFF);
            line[3 * x + 2] = static_cast<char>((((x / 25 + y / 25) % 2) ? 220 : 60) + n);
        }
        s += line;
    }
    std::ofstream(path, std::ios::binary).write(s.data(), static_cast<std::streamsize>(s.size()));
}

void WriteWithPdfWriter(const Setup& s, const std::string& out)
{
    pdf::PdfWriter w;
    w.Title("factuur-2024-0117");
    w.ScaleMode(3);
    w.PaperSize(0);
    w.Margin(0);
    w.Orientation(1);
    w.InitPDFFile(out);
    w.LoadFont("Fnt1", "Arial", 1);
    w.LoadFont("Fnt2", "Arial", 2);
    const bool logo = w.LoadImgFromBMPFile("Img1", s.logo, 0);
    const bool background = w.LoadImgFromBMPFile("Img2", s.background, 0);
    w.StartPage();
    if (logo)
        w.DrawImg("Img1", 2, 295, 206, 43);
    if (background)
        w.DrawImg("Img2", 30, 180, 150, 140);
    int grey = -1;
    for (const auto& t : s.page.texts) {
        if (t.grey != grey)
            w.SetColorFill(t.grey + t.grey * 256 + t.grey * 65536), grey = t.grey;
        w.DrawText(t.x, t.y, t.text, t.font == 1 ? "Fnt1" : "Fnt2", t.size, t.align);
    }
    for (const auto& r : s.page.rules) {
        w.MoveTo(r.x1, r.y1);
        w.LineTo(r.x2, r.y2, 1);
    }
    w.EndPage();
    w.ClosePDFFile();
}

void WriteWithQPdfWriter(const Setup& s, const std::string& out)
{
    QPdfWriter writer(QString::fromStdString(out));
    writer.setTitle("factuur-2024-0117");
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);  // one unit a point
    QPainter p(&writer);
    auto pt = [](float mm) { return mm / 25.4 * 72; };
    auto at = [&](float x, float y) { return QPointF(pt(x), pt(297 - y)); };
    const QImage logo(QString::fromStdString(s.logo));
    const QImage background(QString::fromStdString(s.background));
    if (!logo.isNull())
        p.drawImage(QRectF(at(2, 295), QSizeF(pt(206), pt(43))), logo);
    if (!background.isNull())
        p.drawImage(QRectF(at(30, 180), QSizeF(pt(150), pt(140))), background);
    QFont regular("Arial"), bold("Arial");
    bold.setBold(true);
    for (const auto& t : s.page.texts) {
        QFont& font = t.font == 1 ? regular : bold;
        font.setPointSizeF(t.size);
        p.setFont(font);
        p.setPen(QColor(t.grey, t.grey, t.grey));
        const QString text = QString::fromStdString(t.text);
        QPointF origin = at(t.x, t.y);
        if (t.align == 2)
            origin.rx() -= QFontMetricsF(font, &writer).horizontalAdvance(text);
        p.drawText(origin, text);
    }
    p.setPen(QPen(Qt::black, 1));
    for (const auto& r : s.page.rules)
        p.drawLine(at(r.x1, r.y1), at(r.x2, r.y2));
    p.end();
}

// One benchmark: `write` into `out`, a fresh file each time (an export
// writes a new file; truncating the old one would make ext4 flush it at close).
void Bench(benchmark::State& state, void (*write)(const Setup&, const std::string&), const std::string& out)
{
    for (auto _ : state) {
        std::filesystem::remove(out);
        write(*setup, out);
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(out));
}

// Keeps the time per document of every benchmark besides printing it.
class Reporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> milliseconds;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                milliseconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1000;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    // the pictures and the memory-backed output live in /dev/shm (tmpfs);
    // the disk output in the temporary folder (on this machine ext4)
    std::filesystem::path memory = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string m = (memory / "quillet-bench-pdf-XXXXXX").string();
    std::string d = (std::filesystem::temp_directory_path() / "quillet-bench-pdf-XXXXXX").string();
    if (!mkdtemp(m.data()) || !mkdtemp(d.data()))
        return 1;
    Setup s;
    s.logo = m + "/logo.bmp";
    s.background = m + "/background.bmp";
    WriteBmp24(s.logo, 625, 125, 1);
    WriteBmp24(s.background, 460, 410, 2);
    setup = &s;

    struct Variant {
        const char* name;
        void (*write)(const Setup&, const std::string&);
        std::string out;
    };
    const Variant variants[] = {
        {"PdfWriter/memory", WriteWithPdfWriter, m + "/pdfwriter.pdf"},
        {"QPdfWriter/memory", WriteWithQPdfWriter, m + "/qpdfwriter.pdf"},
        {"PdfWriter/disk", WriteWithPdfWriter, d + "/pdfwriter.pdf"},
        {"QPdfWriter/disk", WriteWithQPdfWriter, d + "/qpdfwriter.pdf"},
    };
    for (const auto& v : variants)
        benchmark::RegisterBenchmark(v.name, Bench, v.write, v.out)->Unit(benchmark::kMillisecond)->MinTime(2.0);

    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nInvoice page (2 pictures 625x125 and 460x410 from BMP files, 2 fonts, %zu text runs, %zu lines):\n",
                s.page.texts.size(), s.page.rules.size());
    for (const char* where : {"memory", "disk"}) {
        const double ours = reporter.milliseconds[std::string("PdfWriter/") + where];
        const double qt = reporter.milliseconds[std::string("QPdfWriter/") + where];
        if (ours <= 0 || qt <= 0)
            continue;
        const auto size = [&](const char* name) {
            return static_cast<unsigned long long>(std::filesystem::file_size((std::string(where) == "memory" ? m : d) + name));
        };
        std::printf("  %-6s PdfWriter : %7.3f ms per document, %8llu bytes\n", where, ours, size("/pdfwriter.pdf"));
        std::printf("  %-6s QPdfWriter: %7.3f ms per document, %8llu bytes\n", where, qt, size("/qpdfwriter.pdf"));
        std::printf("  %-6s PdfWriter is %.1f times faster; target <= 2 ms and >= 10x: %s\n", where, qt / ours,
                    ours <= 2.0 && qt / ours >= 10 ? "met" : "NOT met");
    }
    std::filesystem::remove_all(m);
    std::filesystem::remove_all(d);
    return 0;
}
