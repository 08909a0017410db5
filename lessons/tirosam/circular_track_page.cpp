// Chapter problems B, page 4: two walkers on a circular course, who meet
// after 15 minutes and one catches the other up after 30.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::ShowCircularTrackPage() {
    Page page(rt, Clear{0, 0, 1760, 1800}, 36, 30);
    ShowChapterPlates(page, L, Same, "P55 章の問題B", "4");
    page.text(L, Down(50), 0, "Aの速さを毎分xm,Bを毎分ymとすると").key();
    page.text(L, Down(50), 0, "15分後に出会う→2人の進んだ");
    page.text(L, Down(50), 0, "距離の和が周囲の長さになる。").key();
    page.text(L, Down(50), 3, "15x+15y=3600").key();
    page.text(L, Down(50), 3, "x+y=240").key();
    page.text(L, Down(50), 0, "30分後に追いつく→2人の進んだ");
    page.text(L, Down(50), 0, "距離の差が周囲の長さになる。").key();
    page.text(L, Down(50), 3, "30x-30y=3600");
    page.text(L, Down(50), 3, "x-y=120").key();
    page.text(L, Down(50), 0, "");  // only brings the cursor to the next row
    page.system(C, Same, 0, "x+y=240…①", "x-y=120…②").key();

    rt.leftMargin = 722;
    rt.cursorY = 30;
    page.text(L, Down(50), 3, "①+②").key();
    page.columnSum(L, Down(50), 0, "x+y=240", "+", "x-y=120");
    page.text(rt.resultX - 27, Down(50), 0, "2x  =360");
    page.text(rt.resultX - 27, Down(50), 0, " x  =180").key();
    page.text(L, Down(50), 3, "x=180 を①に代入して").key();
    page.text(L, Down(50), 0, "180+y=240");
    page.text(L, Down(50), 0, "y=240-180=60");
    page.text(L, Down(50), 3, " x=180,y=60").key();
    page.text(L, Down(50), 0, "これらは問題に適している。");
    page.text(L - 76, Down(50), 5, "答　Aが毎分180m,Bが毎分60m");
}

}  // namespace tirosam
