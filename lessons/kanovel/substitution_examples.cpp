// Lesson 4's page 例４: random systems solved by substitution, drawn by the
// page itself in ten steps. Two forms take turns, starting with the x-form:
//   x-form  ① a1x+a2y=c   ② x=a3y+a6   (y drawn first and found first)
//   y-form  ① a1x+a2y=c   ② y=a3x+a6   (x drawn first and found first)
// The value drawn first is the "lead"; the letter ② replaces is the
// "other". workNum rows: 1 a1, 2 a2, 3 a3, 5 c, 6 a6, 7 and 8 the terms out
// of the bracket, 9 the constant moved right, 10 and 11 the collected
// coefficient and right side, 12 a3 times the lead; auxNum 3, 10, 11 copy
// rows 3, 10, 11 for the plain texts of the quotient and the product.
#include "lessons/kanovel/kanovel_lessons.h"
#include "runtime/number_text.h"
#include "runtime/coefficient_text.h"

namespace kanovel {

using namespace lessons;
using runtime::CoefficientForm;

void KanovelLessons::RunSubstitutionExamplesPage() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 114, 30);
    RunExamples([this] {
        if (basic::Mod(exampleCount, 2) == 1) RunSubstitutionExampleYForm();
        else RunSubstitutionExampleXForm();
    });
    page.key();
    page.text(44, 610, 7, "教科書P45 問5　をしなさい。");
}

void KanovelLessons::RunSubstitutionExampleXForm() {
    MakeSubstitutionExample(false);
    ShowSubstitutionSteps(false);
}

void KanovelLessons::RunSubstitutionExampleYForm() {
    MakeSubstitutionExample(true);
    ShowSubstitutionSteps(true);
}

void KanovelLessons::MakeSubstitutionExample(bool yForm) {
    float lead = 0, other = 0;
    for (;;) {
        // Draws in this order: lead and its sign, a3, a6, a1, a2 each with
        // its sign; every sign is negative when its draw is below one half.
        // A lead equal to the last lead is drawn again; it is compared with
        // its sign, so -2 after 2 stands.
        do {
            lead = PickRandomWhole(5, 1);
            PickRandomSign(lead);
        } while (lead == lastLeadValue);
        lastLeadValue = lead;
        float& a3 = rt.workNum(3);
        float& a6 = rt.workNum(6);
        float& a1 = rt.workNum(1);
        float& a2 = rt.workNum(2);
        a3 = PickRandomWhole(4, 1);
        PickRandomSign(a3);
        a6 = PickRandomWhole(4, 1);
        PickRandomSign(a6);
        other = a3 * lead + a6;
        // The x-form draws a1 from 2 up, so that the bracket it multiplies
        // never stands alone.
        a1 = PickRandomWhole(5, yForm ? 1 : 2);
        PickRandomSign(a1);
        a2 = PickRandomWhole(5, 1);
        PickRandomSign(a2);
        const float x = yForm ? lead : other, y = yForm ? other : lead;
        // The bracket is multiplied by the coefficient of the letter ②
        // replaces; the collected coefficient adds the lead's own.
        const float bracketFactor = yForm ? a2 : a1;
        const float leadCoef = yForm ? a1 : a2;
        rt.workNum(5) = a1 * x + a2 * y;
        rt.workNum(7) = bracketFactor * a3;
        rt.workNum(8) = bracketFactor * a6;
        rt.workNum(9) = -rt.workNum(8);
        rt.workNum(10) = leadCoef + rt.workNum(7);
        rt.workNum(11) = rt.workNum(5) + rt.workNum(9);
        // A collected coefficient of 0 leaves nothing to divide by: the
        // whole example is drawn again, its lead compared with the
        // rejected one.
        if (rt.workNum(10) != 0) break;
    }
    rt.workNum(12) = rt.workNum(3) * lead;
    for (int row : {3, 10, 11}) rt.auxNum(row) = rt.workNum(row);
    solutionX = yForm ? lead : other;
    solutionY = yForm ? other : lead;

    rt.MakeValueTexts();
    rt.xText = runtime::NumberText(rt, solutionX);
    rt.yText = runtime::NumberText(rt, solutionY);
    rt.xTextParen = solutionX < 0 ? "(" + rt.xText + ")" : rt.xText;
    rt.yTextParen = solutionY < 0 ? "(" + rt.yText + ")" : rt.yText;
    for (int row : {1, 3, 10}) runtime::WriteCoefficient(rt, row, CoefficientForm::Leading);
    runtime::WriteCoefficient(rt, 2, CoefficientForm::Following);
    // Row 7 starts its row in the x-form and follows x in the y-form.
    runtime::WriteCoefficient(rt, 7, yForm ? CoefficientForm::Following : CoefficientForm::Leading);
    for (int row : {6, 8, 9}) runtime::WriteCoefficient(rt, row, CoefficientForm::Signed);
}

void KanovelLessons::ShowSubstitutionSteps(bool yForm) {
    auto W = [this](int row) { return rt.workText(row); };
    auto A = [this](int row) { return rt.auxText(row); };
    const std::string lead = yForm ? "x" : "y", other = yForm ? "y" : "x";
    const std::string& leadText = yForm ? rt.xText : rt.yText;
    const std::string& leadParen = yForm ? rt.xTextParen : rt.yTextParen;
    const std::string& otherText = yForm ? rt.yText : rt.xText;
    const bool leadAlone = rt.workNum(10) == 1;

    Page page(rt, Clear{0, 0, 1320, 1300}, 114, 30);
    page.text(L, Same, 3, "例4　次の連立方程式を解きなさい。");
    page.system(L, Down(60), 0, W(1) + "x" + W(2) + "y=" + W(5) + "…①",
                 other + "=" + W(3) + lead + W(6) + "…②");
    page.key();
    page.text(L, Down(70), 3, "②を ① に代入して、");
    if (yForm) {
        page.text(L, Down(50), 0, W(1) + "x" + W(2) + "(" + W(3) + "x" + W(6) + ")=" + W(5)).key();
        page.text(L, Down(60), 0, W(1) + "x" + W(7) + "x" + W(8) + "=" + W(5)).key();
        page.text(L, Down(60), 0, W(1) + "x" + W(7) + "x=" + W(5) + W(9)).key();
    } else {
        page.text(L, Down(50), 0, W(1) + "(" + W(3) + "y" + W(6) + ")" + W(2) + "y=" + W(5)).key();
        page.text(L, Down(60), 0, W(7) + "y" + W(8) + W(2) + "y=" + W(5)).key();
        page.text(L, Down(60), 0, W(7) + "y" + W(2) + "y=" + W(5) + W(9)).key();
    }
    // When the collected coefficient is 1 its row already states the
    // value, and the quotient row stays empty. The quotient is shown as
    // computed, never reduced.
    page.text(L, Down(60), leadAlone ? 3 : 0, W(10) + lead + "=" + W(11)).key();
    page.text(L, Down(80), 3, leadAlone ? "" : lead + "=ﾀ" + A(11) + "/" + A(10) + "ﾀ=" + leadText);
    rt.leftMargin = 600;  // the right column
    rt.cursorY = 90;
    page.key();
    page.text(L, Down(50), 3, lead + "=" + leadText + " を②に代入して").key();
    page.text(L, Down(60), 0, other + "=" + A(3) + "*" + leadParen + W(6)).key();
    page.text(L, Down(60), 3, " =" + W(12) + W(6) + "=" + otherText).key();
    page.text(L, Down(80), 5, "答 x=" + rt.xText + ",y=" + rt.yText);
}

}  // namespace kanovel
