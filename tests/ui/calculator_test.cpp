#include "ui/dialogs/calculator.h"
#include "ui/dialogs/rekenmachine.h"

#include "support/scripted_prompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Types keys as written on the calculator: digits, ",", "+", "-", "X", "/",
// "=", "%", "C" and "CE", separated by blanks. Returns whether every
// operation was carried out.
bool Typ(Rekenmachine& r, const QString& toetsen)
{
    bool gelukt = true;
    for (const QString& t : toetsen.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (t.size() == 1 && t[0].isDigit())
            r.Cijfer(t.toInt());
        else if (t == ",")
            r.Decimaal();
        else if (t == "%")
            r.Procent();
        else if (t == "C")
            r.Wis();
        else if (t == "CE")
            r.WisInvoer();
        else
            gelukt &= r.Bewerking(static_cast<Rekenmachine::Toets>(QStringLiteral("+-X/=").indexOf(t)));
    }
    return gelukt;
}

}  // namespace

TEST(Rekenmachine, Sequences)
{
    struct {
        const char* toetsen;
        const char* display;
    } gevallen[] = {
        {"", "0,"},
        {"1 2", "12,"},
        {"1 , 5", "1,5"},
        {", 5", "0,5"},
        {"1 2 + 3 =", "15"},
        {"2 + 3 + 4 =", "9"},            // each operator finishes the one before
        {"5 - - 3 =", "8"},              // the second minus makes the 3 negative
        {"- 4 X 2 =", "-8"},
        {"2 0 0 X 1 0 %", "0,1"},
        {"2 0 0 X 1 0 % =", "20"},       // percent turns 10 into 0.1, the next operator multiplies
        {"1 0 / 4 =", "2,5"},
        {"1 / 3 =", "0,333333333333333"},
        {"1 0 0 0 0 0 0 0 X 1 0 0 0 0 0 0 0 X 1 0 0 0 0 0 =", "1E+19"},
        {"7 + 8 CE 2 =", "9"},
        {"7 + 8 C", "0,"},
        {"7 + 8 C 2 + 2 =", "4"},
        {"6 = 5 =", "5"},
        {"3 , , 5", "3,5"},
    };
    for (const auto& g : gevallen) {
        Rekenmachine r;
        EXPECT_TRUE(Typ(r, QString::fromLatin1(g.toetsen))) << g.toetsen;
        EXPECT_EQ(r.Display(), QString::fromLatin1(g.display)) << g.toetsen;
    }
}

TEST(Rekenmachine, DividingByZeroIsRefusedAndKeepsTheFirstOperand)
{
    Rekenmachine r;
    EXPECT_FALSE(Typ(r, QStringLiteral("7 / 0 =")));
    EXPECT_EQ(r.Display(), QStringLiteral("7"));
    EXPECT_TRUE(Typ(r, QStringLiteral("+ 1 =")));
    EXPECT_EQ(r.Display(), QStringLiteral("8"));
}

TEST(Calculator, TheCopyBoxAlwaysShowsTheDisplay)
{
    ScriptedPrompts prompts;
    Calculator c(prompts);
    EXPECT_EQ(c.Text1->text(), QStringLiteral("0,"));

    QPushButton* toetsen[] = {c.Number[7], c.Operator[3], c.Number[0], c.Operator[4], c.Decimal, c.Number[5],
                              c.Operator[2], c.Number[4], c.Percent, c.CancelEntry, c.Number[1], c.Cancel};
    for (QPushButton* t : toetsen) {
        QTest::mouseClick(t, Qt::LeftButton);
        EXPECT_EQ(c.Text1->text(), c.Readout->text()) << t->text().toStdString();
    }
    ASSERT_EQ(prompts.gevraagd.size(), 1u);
    EXPECT_EQ(prompts.gevraagd[0].titel, QStringLiteral("Calculator"));
    EXPECT_EQ(prompts.gevraagd[0].tekst, QStringLiteral("Can't divide by zero"));
}

TEST(Calculator, BackspaceTakesBackTheLastDigitWhereverTheFocusIs)
{
    struct {
        const char* getypt;
        int backspaces;
        const char* display;
    } gevallen[] = {
        {"123", 1, "12,"},  {"1,25", 1, "1,2"}, {"1,", 1, "1,"},   {"1,5", 2, "1,"},
        {"12", 2, "0,"},    {"7+8", 0, "8,"},   {"12+3=", 1, "15"},  // a result stays
    };
    ScriptedPrompts prompts;
    Calculator c(prompts);
    c.show();
    for (QWidget* focus : {static_cast<QWidget*>(c.Text1), static_cast<QWidget*>(c.Number[5])}) {
        for (const auto& g : gevallen) {
            c.Cancel_Click();
            focus->setFocus();
            QTest::keyClicks(focus, QString::fromLatin1(g.getypt));
            for (int i = 0; i < g.backspaces; ++i)
                QTest::keyClick(focus, Qt::Key_Backspace);
            EXPECT_EQ(c.Readout->text(), QString::fromLatin1(g.display)) << g.getypt;
        }
        // After the comma went, the number goes on whole: "1," then "2" is 12.
        c.Cancel_Click();
        QTest::keyClicks(focus, QStringLiteral("1,"));
        QTest::keyClick(focus, Qt::Key_Backspace);
        QTest::keyClicks(focus, QStringLiteral("2"));
        EXPECT_EQ(c.Readout->text(), QStringLiteral("12,"));
    }
}

TEST(Calculator, TheKeyboardPressesTheKeysAndEscapeClearsInsteadOfClosing)
{
    struct {
        const char* getypt;
        std::initializer_list<Qt::Key> daarna;   // keys without text, pressed after the typing
        const char* display;
    } gevallen[] = {
        {"12+3", {Qt::Key_Return}, "15"},
        {"7*8=", {}, "56"},
        {"7x8", {Qt::Key_Enter}, "56"},
        {"1,5-0.5=", {}, "1"},
        {"200*10%", {}, "0,1"},
        {"9/4", {Qt::Key_Return}, "2,25"},
        {"7+8", {Qt::Key_Backspace}, "0,"},   // the entry goes, the 7 waits for its operand
        {"7+85", {Qt::Key_Backspace, Qt::Key_2, Qt::Key_Return}, "89"},   // the last digit goes
        {"7+8", {Qt::Key_Escape}, "0,"},
        {"5q", {}, "5,"},                     // a key the calculator does not have does nothing
    };
    for (const auto& g : gevallen) {
        ScriptedPrompts prompts;
        Calculator c(prompts);
        c.show();
        QWidget* doel = c.focusWidget() ? c.focusWidget() : &c;
        QTest::keyClicks(doel, QString::fromLatin1(g.getypt));
        for (Qt::Key toets : g.daarna)
            QTest::keyClick(doel, toets);
        EXPECT_EQ(c.Readout->text(), QString::fromLatin1(g.display)) << g.getypt;
        EXPECT_TRUE(c.isVisible()) << g.getypt;
    }
}
