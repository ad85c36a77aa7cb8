#pragma once

#include <QString>

// The side panel's table of special characters and keyboard shortcuts.
QString SpecialeTekens();
