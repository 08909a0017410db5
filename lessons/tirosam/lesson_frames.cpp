// The lesson entries: each shows its goal screen once (lessons 5 and 6 have
// none), then runs its sub-menu until the last entry.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

using namespace lessons;

void TirosamLessons::RunIntroLesson() {
    ShowIntroLessonGoal();
    RunSubmenu("①Q1次方程式　②Q連立方程式　③不適例　④終了",
               {[this] { ShowCakesAndPuddingsProblem(); }, [this] { ShowFourStepProcedure(); },
                [this] { ShowUnsuitableSolution(); }});
}

void TirosamLessons::RunCountPriceLesson() {
    ShowCountPriceLessonGoal();
    RunSubmenu("①例１　②問1　③終了",
               {[this] { RunAdmissionFeeExamples(); }, [this] { ShowBreadAndDoughnutAnswer(); }});
}

void TirosamLessons::RunSpeedLesson() {
    ShowSpeedLessonGoal();
    RunSubmenu("①例2　②問2　③問3　④終了", {[this] { RunSpeedExamples(); }, [this] { ShowWalkRunQuestionPage(); },
                                           [this] { ShowExpresswayQuestionPage(); }});
}

void TirosamLessons::RunPercentLesson() {
    ShowPercentLessonGoal();
    RunSubmenu("①例3　②問4　③終了",
               {[this] { ShowPercentExamplePage(); }, [this] { ShowDiscountQuestionPage(); }});
}

void TirosamLessons::RunChapterExercisesA() {
    // The sub-menu stands alone on the screen the main menu has cleared.
    RunSubmenu("P54 章の問題A ①　②　③　④　⑤　⑥終了",
               {[this] { ShowCandidatePairsPage(); }, [this] { ShowDrillSystemsPage(); },
                [this] { ShowCoinSavingsPage(); }, [this] { ShowAdmissionFeesPage(); },
                [this] { ShowTrianglePerimetersPage(); }});
}

void TirosamLessons::RunChapterExercisesB() {
    RunSubmenu("P55 章の問題B ①　②　③　④　⑤　⑥終了",
               {[this] { ShowBracketDecimalSystemsPage(); }, [this] { ShowRatioCoefficientPage(); },
                [this] { ShowClassSizeChangePage(); }, [this] { ShowCircularTrackPage(); },
                [this] { ShowSaltWaterPage(); }});
}

// ---- goal screens ----

void TirosamLessons::ShowIntroLessonGoal() { ShowFirstLessonGoal("連立方程式を利用する手順をつかもう。"); }

void TirosamLessons::ShowCountPriceLessonGoal() { ShowGoal({"連立方程式を利用して、個数と代金に関する問題を解こう。"}); }

void TirosamLessons::ShowSpeedLessonGoal() { ShowGoal({"連立方程式を利用して、速さに関する問題を解こう。"}); }

void TirosamLessons::ShowPercentLessonGoal() { ShowGoal({"連立方程式を利用して、割合に関する問題を解こう。"}); }

}  // namespace tirosam
