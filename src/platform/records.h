#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

// Sequential records, the way the settings and invoice files hold them: one
// write is one line of comma-separated fields ending in CR LF; texts are
// quoted (CR LF inside a text stays as it is), numbers are bare.
namespace platform {

struct NietGezet {};  // a value that was never set: written as nothing
using Veld = std::variant<QString, double, NietGezet>;

class RecordWriter {
public:
    // A double quote inside a text would end it early and make the file
    // unreadable, so it is written as a single quote.
    void Schrijf(std::initializer_list<Veld> velden);
    const QByteArray& Bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// Reads the fields one at a time, across line ends. Every read says whether
// it succeeded; past the end of the data or on a malformed field it fails.
class RecordReader {
public:
    explicit RecordReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

    std::optional<QString> LeesTekst();
    // Reads a text into a field; on failure the field keeps its value.
    bool LeesTekstIn(QString& veld);
    // Reads a field whose content does not matter.
    bool SlaVeldOver();
    // A field that is not a number (a quoted text, letters) fails; an empty
    // field reads as 0.
    std::optional<double> LeesGetal();
    // The same, for a whole number that must lie within [min, max].
    std::optional<int> LeesGeheel(int min, int max);
    // A value that was never set is written as an empty line. When the next
    // record is one, reads past it and says so; otherwise reads nothing.
    bool LeesLegeRegel();
    bool AanHetEinde() const;
    // The bytes not read yet.
    QByteArray Rest() const { return bytes_.mid(pos_); }

private:
    struct Ruw {
        QByteArray tekst;
        bool gequote = false;
    };
    std::optional<Ruw> LeesVeld();
    void SlaBlancoOver();
    void SlaVeldEindeOver();

    QByteArray bytes_;
    qsizetype pos_ = 0;
};

QString Getal(double value);  // bare decimal with a point, as a record writes it

}  // namespace platform
