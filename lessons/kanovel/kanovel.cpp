#include "lessons/kanovel/kanovel.h"

#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

runtime::ProgramData ProgramData() {
    runtime::ProgramData data;
    data.title = "Kanovel";
    data.entries = {"1　連立方程式とその解", "2　加減法1", "3　加減法2", "4　代入法",
                    "5　いろいろな連立方程式", "6　基本の問題", "7　", "8　終了"};
    data.auxUpper = 80;
    return data;
}

void Run(platform::Platform& platform) {
    runtime::Runtime rt(platform, ProgramData());
    KanovelLessons lessons(rt);
    rt.program.lessons = {[&] { lessons.RunSystemsLesson(); },      [&] { lessons.RunEliminationLesson1(); },
                          [&] { lessons.RunEliminationLesson2(); }, [&] { lessons.RunSubstitutionLesson(); },
                          [&] { lessons.RunVariousSystemsLesson(); }, [&] { lessons.RunBasicProblemsLesson(); }};
    rt.Run();
}

}  // namespace kanovel
