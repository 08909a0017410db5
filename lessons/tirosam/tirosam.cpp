#include "lessons/tirosam/tirosam.h"

#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

runtime::ProgramData ProgramData() {
    runtime::ProgramData data;
    data.title = "Tirosam";
    data.entries = {"1　導入", "2　個数と代金", "3　速さ・時間・道のり", "4　割合",
                    "5　章の問題A", "6　章の問題B", "7　", "8　終了"};
    data.auxUpper = 40;
    return data;
}

void Run(platform::Platform& platform) {
    runtime::Runtime rt(platform, ProgramData());
    TirosamLessons lessons(rt);
    rt.program.lessons = {[&] { lessons.RunIntroLesson(); },   [&] { lessons.RunCountPriceLesson(); },
                          [&] { lessons.RunSpeedLesson(); },   [&] { lessons.RunPercentLesson(); },
                          [&] { lessons.RunChapterExercisesA(); }, [&] { lessons.RunChapterExercisesB(); }};
    rt.Run();
}

}  // namespace tirosam
