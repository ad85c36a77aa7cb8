#pragma once

#include <QString>

// The short manual that "Help" shows over the page; CR LF between lines, the
// paragraphs themselves unbroken so the label wraps them.
QString Handleiding();

// The maker's pages behind "Meer Software" and "Orbano Software".
extern const QString kMeerSoftwareAdres;
extern const QString kOrbanoAdres;
