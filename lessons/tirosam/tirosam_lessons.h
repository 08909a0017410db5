// Tirosam's six lessons: their entries, goal screens, sub-menus, pages and
// the random data of their example pages.
#pragma once

#include <array>

#include "lessons/common/lesson_base.h"
#include "lessons/common/page.h"
#include "solver/elimination_solver.h"

namespace tirosam {

using solver::SolveOptions;

class TirosamLessons : public lessons::LessonBase {
public:
    explicit TirosamLessons(runtime::Runtime& runtime) : LessonBase(runtime), solver(runtime) {}

    solver::EliminationSolver solver;

    // ---- lesson entries (main-menu entries 1 to 6) ----
    void RunIntroLesson();
    void RunCountPriceLesson();
    void RunSpeedLesson();
    void RunPercentLesson();
    void RunChapterExercisesA();
    void RunChapterExercisesB();

    // ---- goal screens ("<めあて>"), drawn once on each entry ----
    void ShowIntroLessonGoal();
    void ShowCountPriceLessonGoal();
    void ShowSpeedLessonGoal();
    void ShowPercentLessonGoal();

    // ---- lesson 1: introduction ----
    void ShowCakesAndPuddingsProblem();
    void ShowFourStepProcedure();
    void ShowUnsuitableSolution();

    // ---- lesson 2: numbers and prices ----
    void RunAdmissionFeeExamples();
    void GenerateAdmissionFeeData();
    void ShowBreadAndDoughnutAnswer();

    // ---- lesson 3: speed, time and distance ----
    void ShowWalkRunQuestionPage();
    void ShowExpresswayQuestionPage();
    // The speed example page: RunSpeedExamples clears the page and repeats
    // GenerateSpeedExampleData and one pass of DrawSpeedExample until 1 is
    // typed at the next-step prompt (the loop asks it after each pass), then
    // closes with ShowSpeedExerciseHint.
    void RunSpeedExamples();
    void GenerateSpeedExampleData();
    void DrawSpeedExample();
    void ShowSpeedExerciseHint();

    // ---- lesson 5: chapter problems A, pages 2 to 5 ----
    void ShowDrillSystemsPage();
    void ShowCoinSavingsPage();
    void ShowAdmissionFeesPage();
    void ShowTrianglePerimetersPage();

    // ---- lesson 6: chapter problems B ----
    void ShowBracketDecimalSystemsPage();
    void ShowRatioCoefficientPage();
    void ShowClassSizeChangePage();
    void ShowCircularTrackPage();
    void ShowSaltWaterPage();

    // ---- state of the pages ----
    // The right-hand and left-hand panes of the random example pages.
    float exampleColumnX = 0, setupColumnX = 0;
    // Positions a page keeps between its drawing calls (line-diagram points,
    // table origins, figure corners); each page fills what it uses.
    basic::Array<float> pointX{40}, pointY{40};
    // The admission-fee example: the fees drawn and where its set-up ends.
    float adultFee = 0, feeRatio = 0, studentFee = 0;
    float lastEquationY = 0;

    // ---- lesson 4: percentages ----
    // The percentage example page: the panes set and the page cleared, then
    // GeneratePercentExampleData and one pass of DrawPercentExample until 1
    // is typed at the next-step prompt, then the pointer to the exercise.
    void ShowPercentExamplePage();
    void GeneratePercentExampleData();
    void DrawPercentExample();
    void ShowDiscountQuestionPage();

    // ---- lesson 5: chapter problems A, page 1 ----
    void ShowCandidatePairsPage();

private:
    // A table row's three texts, into workText(1..3).
    void SetRowTexts(const char* first, const char* second, const char* third);
    // The three value cells of a table row from workText(1..3), each drawn
    // whole (frame 3, text colour 0): column i at pointX(12) + pitch·(i-1),
    // `pitch` wide, the last one `lastWidth`, each text moved `nudgeX`(i)
    // right of centre (NudgedCell). The cursor does not move.
    void DrawValueRow(lessons::Page& page, float top, float height, float fill, float pitch, float lastWidth,
                      const std::array<float, 3>& nudgeX = {});
};

}  // namespace tirosam
