#pragma once

#include <QFont>

// "Arial" at the size in points: the font of the page and of every window.
QFont PaginaFont(double punten);
