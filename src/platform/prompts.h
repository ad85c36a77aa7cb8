#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace platform {

// Message and input boxes. Every routine that asks the user takes a Prompts&,
// so its caller decides who answers.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual bool Vraag(const QString& titel, const QString& tekst) = 0;      // Yes/No; true is Yes
    virtual void Melding(const QString& titel, const QString& tekst) = 0;    // OK
    // An OK box with the stop sign; where no stop sign can be shown it is an ordinary message.
    virtual void Fout(const QString& titel, const QString& tekst) { Melding(titel, tekst); }
    // An input box; nothing when the user cancels.
    virtual std::optional<QString> Invoer(const QString& titel, const QString& tekst,
                                          const QString& voorstel) = 0;
};

class QtPrompts : public Prompts {
public:
    bool Vraag(const QString& titel, const QString& tekst) override;
    void Melding(const QString& titel, const QString& tekst) override;
    void Fout(const QString& titel, const QString& tekst) override;
    std::optional<QString> Invoer(const QString& titel, const QString& tekst,
                                  const QString& voorstel) override;

private:
    QWidget* Eigenaar() const;
};

}  // namespace platform
