#pragma once

#include <QIcon>

// A miniature page of layout 1 (five columns, one totals row) or layout 2
// (three columns, stacked totals) for the layout buttons.
QIcon LayoutIcoon(int layout);
