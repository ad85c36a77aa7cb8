// Form XObjects, drawn explicitly and by their page options.
#include "pdf/number_format.h"
#include "pdf/pdf_writer.h"
#include "pdf/text_encoding.h"

namespace pdf {
namespace {

// The form options: may a form with these options be drawn
// automatically on this page?
bool FormOnPage(std::int32_t Options, int page)
{
    if ((Options & 7) == 7)
        return false;
    const bool even = page % 2 == 0;
    if ((Options & 2) && even)
        return false;
    if ((Options & 4) && !even && !(page == 1 && (Options & 8)))
        return false;
    return true;
}

}  // namespace

void PdfWriter::StartObject(std::string_view Name, std::int32_t Options)
{
    const double W = pageWidth_, H = pageHeight_, M = margin_;
    const std::string name = ToAnsi(Name);
    const std::int32_t O = BeginObj(0);
    line_ = "<<\r/Type /XObject\r/Subtype /Form\r/FormType 1\r/Name /" + name + "\r/BBox [";
    AppendBox(line_, M, M, W - M, H - M);
    line_ += "]\r/Matrix [1 0 0 1 0 0]\r/Length ";
    AppendInt(line_, O + 1);
    line_ += " 0 R >>\rstream";
    WriteLine(line_);

    streamStart_ = out_.Offset();
    AddResource(formList_, xobjectNames_, name, O);
    forms_.push_back({name, Options});
}

void PdfWriter::EndObject()
{
    WriteStreamLength();
}

void PdfWriter::DrawObject(std::string_view Name)
{
    line_.clear();
    line_ += '/';
    AppendAnsi(line_, Name);
    line_ += " Do";
    WriteLine(line_);
}

void PdfWriter::DrawPageForms()
{
    for (const FormObject& form : forms_) {
        if (FormOnPage(form.Options, pages_)) {
            line_ = "/" + form.Name + " Do";
            WriteLine(line_);
        }
    }
}

}  // namespace pdf
