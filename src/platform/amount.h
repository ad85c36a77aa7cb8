#pragma once

#include <QString>

#include <compare>
#include <cstdint>

namespace platform {

// An amount of money as an exact decimal: a whole number of hundred-millionths.
// A price is read to six decimals, so its VAT at a whole percentage is exact
// too; sums stay exact and only showing or writing an amount rounds it.
class Bedrag {
public:
    static constexpr int kDecimalen = 8;
    static constexpr std::int64_t kEenheidenPerEuro = 100'000'000;
    // Prices are held below a billion, so twenty lines with their VAT stay far
    // inside the 64-bit range.
    static constexpr std::int64_t kGrootste = 1'000'000'000 * kEenheidenPerEuro - 100;

    constexpr Bedrag() = default;
    static constexpr Bedrag UitEenheden(std::int64_t eenheden) { return Bedrag(eenheden); }
    static constexpr Bedrag UitCenten(std::int64_t centen) { return Bedrag(centen * 1'000'000); }

    constexpr std::int64_t Eenheden() const { return eenheden_; }
    constexpr bool IsNul() const { return eenheden_ == 0; }

    // This amount times a whole percentage, divided by 100: exact for an
    // amount of at most six decimals.
    Bedrag MaalProcent(int procent) const;
    // Rounded half away from zero to the given number of decimals (0..8).
    Bedrag Afgerond(int decimalen) const;
    Bedrag OpCenten() const { return Afgerond(2); }

    // Rounded half away from zero, with the given decimal separator and no
    // grouping; never "-0,00".
    QString Tekst(int decimalen, QChar scheiding) const;

    constexpr Bedrag& operator+=(Bedrag b) { eenheden_ += b.eenheden_; return *this; }
    constexpr Bedrag& operator-=(Bedrag b) { eenheden_ -= b.eenheden_; return *this; }
    friend constexpr Bedrag operator+(Bedrag a, Bedrag b) { return a += b; }
    friend constexpr Bedrag operator-(Bedrag a, Bedrag b) { return a -= b; }
    friend constexpr auto operator<=>(Bedrag, Bedrag) = default;

private:
    constexpr explicit Bedrag(std::int64_t eenheden) : eenheden_(eenheden) {}
    std::int64_t eenheden_ = 0;
};

// "###0.00" with a decimal comma, rounded half away from zero.
QString FormatBedrag(Bedrag bedrag);

// The leading number of a text with a point as decimal separator: blanks
// skipped, optional sign, digits, optional point and digits; otherwise 0.
// Read exactly to six decimals (the seventh rounds); a number of a billion
// or more is held at the largest price.
Bedrag Val(const QString& text);

}  // namespace platform
