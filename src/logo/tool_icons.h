#pragma once

#include <QIcon>

// The picture on tool button Knop(index), drawn by the program itself.
QIcon GereedschapIcoon(int index);
