// The lesson entries: each shows its goal screen once, then runs its
// sub-menu until the last entry.
#include "lessons/kanovel/kanovel_lessons.h"

namespace kanovel {

using namespace lessons;

void KanovelLessons::RunSystemsLesson() {
    ShowSystemsLessonGoal();
    RunSubmenu("①シュート　②2元1次　③連立方程式　④解判別　⑤問1　⑥終了",
               {[this] { ShowShotProblemPage(); }, [this] { ShowTwoUnknownEquationPage(); },
                [this] { ShowSolutionTablesPage(); }, [this] { ShowSolutionCheckPage(); },
                [this] { ShowCandidatePairsPage(); }});
}

void KanovelLessons::RunEliminationLesson1() {
    ShowEliminationLesson1Goal();
    RunSubmenu("①Q見いだし　②説明　③例1　④問1　⑤終了",
               {[this] { ShowPictogramEliminationPage(); }, [this] { ShowEliminationExplanationPage(); },
                [this] { RunExample1Page(); }, [this] { ShowExercise1Page(); }});
}

void KanovelLessons::RunEliminationLesson2() {
    ShowEliminationLesson2Goal();
    RunSubmenu("①例見いだし　②例2　③問２　④課題２　⑤例3　⑥問３　⑦問４　⑧終了",
               {[this] { ShowMultiplyFirstPage(); }, [this] { RunExample2Page(); }, [this] { ShowExercise2Page(); },
                [this] { ShowTask2Page(); }, [this] { RunExample3Page(); },
                [this] { ShowEliminationExercise3Page(); }, [this] { ShowEliminationExercise4Page(); }});
}

void KanovelLessons::RunSubstitutionLesson() {
    ShowSubstitutionLessonGoal();
    RunSubmenu("①Q見いだし　②説明　③例４　④問5　⑤等値法例　⑥問6　⑦終了",
               {
                   [this] { ShowSubstitutionPuzzlePage(); },
                   [this] { ShowSubstitutionExplanationPage(); },
                   [this] { RunSubstitutionExamplesPage(); },
                   [this] { ShowSubstitutionExercise5Page(); },
                   [this] { ShowEqualValuesExamplePage(); },
                   [this] { ShowSubstitutionExercise6Page(); },
               });
}

void KanovelLessons::RunVariousSystemsLesson() {
    ShowVariousSystemsLessonGoal();
    RunSubmenu("①かっこ　②問1　③分数　④問2　⑤A=B=C　⑥問３　⑦a,b値　⑧練習　⑨終了",
               {[this] { ShowBracketExamples(); }, [this] { ShowBracketExercise(); },
                [this] { ShowFractionExamples(); }, [this] { ShowFractionDecimalExercises(); },
                [this] { ShowAbcFormExamples(); }, [this] { ShowAbcFormExercises(); },
                [this] { ShowUnknownCoefficientExample(); }, [this] { ShowUnknownCoefficientPractice(); }});
}

void KanovelLessons::RunBasicProblemsLesson() {
    RunSubmenu("P48 基本の問題 ①　②　③　④終了",
               {[this] { ShowBasicCandidateChecks(); }, [this] { ShowBasicEliminationProblems(); },
                [this] { ShowBasicSubstitutionProblems(); }});
}

// ---- goal screens ----

void KanovelLessons::ShowSystemsLessonGoal() {
    ShowFirstLessonGoal("2元１次方程式と解、連立方程式と解の意味をつかもう。");
}

void KanovelLessons::ShowEliminationLesson1Goal() {
    ShowGoal({"1 2つの方程式から、文字を1つだけふくむ方程式をつくろう。", "2 連立方程式を加減法で解こう。"});
}

void KanovelLessons::ShowEliminationLesson2Goal() {
    ShowGoal({"たしてもひいても文字が消去できないとき、どうしたらよいか考えよう。"});
}

void KanovelLessons::ShowSubstitutionLessonGoal() { ShowGoal({"連立方程式を代入法で解こう。"}); }

void KanovelLessons::ShowVariousSystemsLessonGoal() { ShowGoal({"いろいろな連立方程式を工夫して解こう。"}); }

}  // namespace kanovel
