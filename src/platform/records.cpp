#include "platform/records.h"

#include "platform/cp1252.h"

#include <charconv>
#include <cmath>

namespace platform {

// Always in positional notation: the shortest form would write 100000 as
// "1e+05", which no reader of these files takes back.
QString Getal(double value)
{
    char digits[400];   // the longest finite double in positional notation has some 330 characters
    const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr;
    return QString::fromLatin1(digits, end - digits);
}

void RecordWriter::Schrijf(std::initializer_list<Veld> velden)
{
    bool eerste = true;
    for (const Veld& veld : velden) {
        if (!eerste)
            bytes_.append(',');
        eerste = false;
        if (const auto* tekst = std::get_if<QString>(&veld)) {
            QString veilig = *tekst;
            veilig.replace('"', '\'');
            bytes_.append('"').append(NaarCp1252(veilig)).append('"');
        } else if (const auto* getal = std::get_if<double>(&veld)) {
            bytes_.append(Getal(*getal).toLatin1());
        }
    }
    bytes_.append("\r\n");
}

bool RecordReader::LeesLegeRegel()
{
    const qsizetype begin = pos_;
    SlaBlancoOver();
    if (pos_ < bytes_.size() && (bytes_[pos_] == '\r' || bytes_[pos_] == '\n')) {
        SlaVeldEindeOver();
        return true;
    }
    pos_ = begin;
    return false;
}

bool RecordReader::AanHetEinde() const
{
    return pos_ >= bytes_.size();
}

void RecordReader::SlaBlancoOver()
{
    while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t'))
        ++pos_;
}

// After a field: past its comma, or past the line end that closes it.
void RecordReader::SlaVeldEindeOver()
{
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != '\r' && bytes_[pos_] != '\n')
        ++pos_;
    if (pos_ >= bytes_.size())
        return;
    if (bytes_[pos_] == ',') {
        ++pos_;
        return;
    }
    if (bytes_[pos_] == '\r')
        ++pos_;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
        ++pos_;
}

std::optional<RecordReader::Ruw> RecordReader::LeesVeld()
{
    // Blank lines between records are not fields.
    while (true) {
        SlaBlancoOver();
        if (pos_ < bytes_.size() && (bytes_[pos_] == '\r' || bytes_[pos_] == '\n'))
            ++pos_;
        else
            break;
    }
    if (pos_ >= bytes_.size())
        return std::nullopt;
    Ruw veld;
    if (bytes_[pos_] == '"') {
        const qsizetype sluit = bytes_.indexOf('"', pos_ + 1);
        if (sluit < 0)
            return std::nullopt;  // a cut-off text
        veld.tekst = bytes_.mid(pos_ + 1, sluit - pos_ - 1);
        veld.gequote = true;
        pos_ = sluit + 1;
    } else {
        const qsizetype begin = pos_;
        while (pos_ < bytes_.size() && bytes_[pos_] != ',' && bytes_[pos_] != '\r' && bytes_[pos_] != '\n')
            ++pos_;
        veld.tekst = bytes_.mid(begin, pos_ - begin).trimmed();
    }
    SlaVeldEindeOver();
    return veld;
}

std::optional<QString> RecordReader::LeesTekst()
{
    const auto veld = LeesVeld();
    if (!veld)
        return std::nullopt;
    return VanCp1252(veld->tekst);
}

bool RecordReader::LeesTekstIn(QString& veld)
{
    const auto waarde = LeesTekst();
    if (!waarde)
        return false;
    veld = *waarde;
    return true;
}

bool RecordReader::SlaVeldOver()
{
    return LeesVeld().has_value();
}

std::optional<double> RecordReader::LeesGetal()
{
    const auto veld = LeesVeld();
    if (!veld || veld->gequote)
        return std::nullopt;
    if (veld->tekst.isEmpty())
        return 0.0;
    const char* begin = veld->tekst.constData();
    const char* end = begin + veld->tekst.size();
    if (*begin == '+')
        ++begin;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> RecordReader::LeesGeheel(int min, int max)
{
    const auto getal = LeesGetal();
    if (!getal)
        return std::nullopt;
    const double afgerond = std::nearbyint(*getal);  // half to even, as an integer variable takes it
    if (afgerond < min || afgerond > max)
        return std::nullopt;
    return static_cast<int>(afgerond);
}

}  // namespace platform
