#pragma once

#include <QString>

class Main;
struct Factuur;

namespace platform {
class Prompts;
}

// What the program needs to open its dialogs and tools from the main window.
struct Omgeving {
    Main& main;
    Factuur& factuur;
    platform::Prompts& prompts;
    QString programmaMap;
};
