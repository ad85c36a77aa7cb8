#pragma once

#include "platform/prompts.h"

#include <QStringList>

#include <deque>

// Answers message and input boxes from a script and keeps what was asked.
class ScriptedPrompts : public platform::Prompts {
public:
    struct Box {
        QString soort;  // "Vraag", "Melding", "Fout" or "Invoer"
        QString titel;
        QString tekst;
    };

    std::deque<bool> antwoorden;                       // for Vraag
    std::deque<std::optional<QString>> invoer;         // for Invoer
    std::vector<Box> gevraagd;

    bool Vraag(const QString& titel, const QString& tekst) override
    {
        gevraagd.push_back({QStringLiteral("Vraag"), titel, tekst});
        if (antwoorden.empty())
            return false;
        const bool a = antwoorden.front();
        antwoorden.pop_front();
        return a;
    }
    void Melding(const QString& titel, const QString& tekst) override
    {
        gevraagd.push_back({QStringLiteral("Melding"), titel, tekst});
    }
    void Fout(const QString& titel, const QString& tekst) override
    {
        gevraagd.push_back({QStringLiteral("Fout"), titel, tekst});
    }
    std::optional<QString> Invoer(const QString& titel, const QString& tekst, const QString&) override
    {
        gevraagd.push_back({QStringLiteral("Invoer"), titel, tekst});
        std::optional<QString> antwoord;
        if (!invoer.empty()) {
            antwoord.swap(invoer.front());
            invoer.pop_front();
        }
        return antwoord;
    }
};
