// Lesson 5's pages ⑦a,b値 and ⑧練習: a system with unknown coefficients a
// and b whose solution is given. The solution substituted into both
// equations gives a system in a and b, rewritten with a before b, solved by
// eliminating b in a column sum and finished by substituting a back.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

// 例4, one step per key, closed by the rule in words.
void KanovelLessons::ShowUnknownCoefficientExample() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 76, 30);
    page.text(L - 38, Same, 3, "例4　次の連立方程式の解がx=1,y=2");
    page.text(L + 38, Down(50), 3, "であるとき、a,bの値を求めなさい。");
    page.system(76, 130, 0, "ax+by=5…①", "bx+ay=4…②");
    page.key();
    page.text(76, 230, 3, "①,②にx=1,y=2を代入すると").key();
    page.system(76, 280, 0, "a+2b=5…①", "b+2a=4…②");
    page.key();
    // The rewritten system stands beside the substituted one, its brace a
    // full-width character clear of the rows' ends (26 right, not 10).
    page.system(C + 26, 280, 0, "a+2b=5…③", "2a+b=4…④");
    page.key();
    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(722, 80, 3, "③-④*2");
    page.columnSum(722, 130, 0, " a+2b=5", "-", "4a+2b=8");
    // The last sign stands over the constant 8, as on the other
    // subtraction pages, not over the "=" before it.
    page.signRow(722, MarkRow, 3, "+-  -   -").key();
    page.text(749, 230, 0, "-3a   =-3").key();
    page.text(776, 280, 0, " a   =1").key();
    page.text(722, 330, 3, "a=1 を③に代入して").key();
    page.text(722, 380, 0, "1+2b=5").key();
    page.text(722, 430, 0, "2b=5-1=4").key();
    page.text(722, 480, 0, " b=2").key();
    page.text(722, 530, 5, "答 a=1,b=2").key();
    // The rule goes back to the left column, under its last rows.
    page.text(76, Down(-50), 5, "連立方程式の解が分かっているときは、");
    page.text(76, Down(50), 5, "代入すればよい。");
}

// 練習, in three stages: the given system, its rewriting, the working.
void KanovelLessons::ShowUnknownCoefficientPractice() {
    Page page(rt, Clear{0, 0, 1600, 1800}, 76, 30);
    page.text(L - 38, Same, 3, "練習　次の連立方程式の解がx=-1,y=2");
    page.text(L + 38, Down(50), 3, "であるとき、a,bの値を求めなさい。");
    page.system(76, 130, 0, "ax-by=-13…①", "bx+ay=1…②");
    page.key();
    page.text(76, 230, 3, "①,②にx=-1,y=2を代入すると");
    page.system(76, 280, 0, "-a-2b=-13…①", "-b+2a=1…②");
    page.system(L + 10, Down(70), 0, "a+2b=13…③", "2a-b=1…④");
    page.key();
    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(722, 80, 3, "③+④*2");
    page.columnSum(722, 130, 0, " a+2b=13", "+", "4a-2b=2");
    page.text(776, 230, 0, "5a   =15");
    page.text(776, 280, 0, " a   =3");
    page.text(722, 330, 3, "a=3 を③に代入して");
    page.text(722, 380, 0, "3+2b=13");
    page.text(722, 430, 0, "2b=13-3=10");
    page.text(722, 480, 0, " b=5");
    page.text(722, 530, 5, "答 a=3,b=5");
}

}  // namespace kanovel
