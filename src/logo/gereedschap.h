#pragma once

// The drawing tools of the logo canvas, one small class each behind one
// interface. The canvas does what every tool shares on a mouse event (undo
// snapshot, start point, eraser outline, draw width, draw mode) and hands the
// tool's own part to the tool chosen by Gereedschap.

#include <QPoint>

#include <array>
#include <memory>

class LogoCanvas;

class TekenGereedschap {
public:
    virtual ~TekenGereedschap() = default;
    virtual void LinksNeer(LogoCanvas&, QPoint) {}
    virtual void RechtsNeer(LogoCanvas&, QPoint) {}
    // A move with exactly the left button held.
    virtual void LinksSleept(LogoCanvas&, QPoint) {}
    virtual void LinksOp(LogoCanvas&, QPoint) {}
};

std::unique_ptr<TekenGereedschap> MaakVrijeLijn();             // 1
std::unique_ptr<TekenGereedschap> MaakRechteLijn();            // 2
std::unique_ptr<TekenGereedschap> MaakRechthoek(bool gevuld);  // 3, 4
std::unique_ptr<TekenGereedschap> MaakEllips(bool gevuld);     // 5, 6
std::unique_ptr<TekenGereedschap> MaakVlakVuller();            // 7
std::unique_ptr<TekenGereedschap> MaakSpray();                 // 8
std::unique_ptr<TekenGereedschap> MaakGum();                   // 9
std::unique_ptr<TekenGereedschap> MaakKleurPipet();            // 10
std::unique_ptr<TekenGereedschap> MaakKleurCirkels();          // 11
std::unique_ptr<TekenGereedschap> MaakFotoVlak();              // 12

// Index 1..12 is the tool of that number; index 0, no tool, stays empty.
using Gereedschappen = std::array<std::unique_ptr<TekenGereedschap>, 13>;
Gereedschappen MaakGereedschappen();
