#pragma once

#include "ui/main/main_window.h"

#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QLabel>

#include <memory>

// The main window over a fresh program folder, for the dialogs that show
// their results on its page.
struct Venster {
    TempProgramFolder map;
    Factuur factuur;
    ScriptedPrompts prompts;
    std::unique_ptr<Main> main = std::make_unique<Main>(factuur, prompts, map.path());

    static QString Tekst(const QLabel* label) { return label->text(); }
};
