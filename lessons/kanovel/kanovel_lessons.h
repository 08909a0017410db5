// Kanovel's six lessons: their entries, goal screens, sub-menus, pages and
// the random systems of their example pages.
#pragma once

#include <vector>

#include "lessons/common/lesson_base.h"
#include "lessons/common/page.h"
#include "solver/elimination_solver.h"

namespace kanovel {

using solver::SolveOptions;

class KanovelLessons : public lessons::LessonBase {
public:
    explicit KanovelLessons(runtime::Runtime& runtime) : LessonBase(runtime), solver(runtime) {}

    solver::EliminationSolver solver;

    // ---- lesson entries (main-menu entries 1 to 6) ----
    void RunSystemsLesson();
    void RunEliminationLesson1();
    void RunEliminationLesson2();
    void RunSubstitutionLesson();
    void RunVariousSystemsLesson();
    void RunBasicProblemsLesson();

    // ---- goal screens ----
    void ShowSystemsLessonGoal();
    void ShowEliminationLesson1Goal();
    void ShowEliminationLesson2Goal();
    void ShowSubstitutionLessonGoal();
    void ShowVariousSystemsLessonGoal();

    // ---- lesson 1 pages ----
    void ShowShotProblemPage();
    void ShowTwoUnknownEquationPage();
    void ShowSolutionTablesPage();
    void ShowSolutionCheckPage();
    void ShowCandidatePairsPage();

    // ---- lesson 2 and 3 scripted pages ----
    void ShowPictogramEliminationPage();
    void ShowEliminationExplanationPage();
    void ShowMultiplyFirstPage();
    void ShowTask2Page();

    // ---- fixed systems worked by the solver ----
    void ShowExercise1Page();
    void ShowExercise2Page();
    void ShowEliminationExercise3Page();
    void ShowEliminationExercise4Page();

    // Positions of table cells and points that a page keeps while it runs
    // (elements 0 to 40); every page writes what it reads.
    basic::Array<float> cellX = basic::Array<float>(40), cellY = basic::Array<float>(40);
    // The column of headings and remarks at the right of some pages.
    lessons::SideColumn side;

    // ---- random elimination examples ----
    void RunExample1Page();
    void RunExample2Page();
    void RunExample3Page();

    // ---- substitution lesson pages ----
    void ShowSubstitutionPuzzlePage();
    void ShowSubstitutionExplanationPage();
    void ShowSubstitutionExercise5Page();
    void ShowEqualValuesExamplePage();
    void ShowSubstitutionExercise6Page();

    // ---- random systems a1x+b1y=c1, a2x+b2y=c2 in solverCoef and solverConst ----
    // One unknown's coefficients equal (first example of a visit), then
    // opposite, in turn.
    void MakeRandomSystemA();
    // One unknown's coefficients in the ratio 1 : 2, 3 or 4.
    void MakeRandomSystemB();
    // Both equations must be multiplied: for neither unknown does one
    // coefficient divide the other.
    void MakeRandomSystemC();
    // Generator C's systems drawn again until |a2| and |b2| share no factor:
    // then ② divided through by their product has that product as its
    // least common denominator (the fraction page).
    void MakeFractionFormSystem();

    // ---- lesson 4: random substitution examples (例４) ----
    // The page: x-form and y-form examples in turn until 1 is typed.
    void RunSubstitutionExamplesPage();
    // ② x = a3·y + a6: y drawn first, found first.
    void RunSubstitutionExampleXForm();
    // ② y = a3·x + a6: x drawn first, found first.
    void RunSubstitutionExampleYForm();
    // The lead value of the last substitution example of either form (y of
    // an x-form, x of a y-form); the next lead value must differ from it.
    // Kept for the whole run.
    float lastLeadValue = 0;

    // ---- lesson 5: random examples with a bracket, with fractions, A=B=C ----
    void ShowBracketExamples();
    // ② rewritten as (a2-k·b2)x + b2(kx+y) = c2 with a random k of 1 to 3.
    void BuildBracketFormTexts();
    void ShowFractionExamples();
    // ② divided through so that its coefficients are unit fractions, and
    // the number that multiplies it back into ③.
    void BuildFractionFormTexts();
    void DrawFractionFormExample();
    // The stored systems A=B=C in turn, each in a random arrangement.
    void ShowAbcFormExamples();
    void MakeAbcFormExample();

    // ---- lesson 5: answers to the textbook exercises, unknown coefficients ----
    void ShowBracketExercise();
    void ShowFractionDecimalExercises();
    void ShowAbcFormExercises();
    void ShowUnknownCoefficientExample();
    void ShowUnknownCoefficientPractice();

    // ---- lesson 6: P48 基本の問題 ----
    void ShowBasicCandidateChecks();
    void ShowBasicEliminationProblems();
    void ShowBasicSubstitutionProblems();

    // Generator state, kept only for one call.
    float solutionX = 0, solutionY = 0;
    float signCoin = 0, poolIndex = 0, shuffleCase = 0, coefRatio = 0;

private:
    // Shared steps of the generators.
    float PickRandomWhole(float count, float low);
    void PickRandomSign(float& value);
    float TakeFromPool(int first, int live);
    void ResetPool();
    void PickSolution();
    void ShuffleSystem();
    // Right-hand sides from the solution; false when one exceeds 99.
    bool AcceptSystem();

    // One example of the elimination example pages.
    void ShowEliminationExample(float titleColour, float column, const char* label);

    // Exercises (1) at the left and (2) at the right, a key, then (3) at the
    // left on the erased left half; (1) carries the heading. Each system is
    // worked whole by the solver after its label.
    void WorkExercisesInTwoColumns(const char* heading, const solver::System (&systems)[3]);
    // A table of solutions of one equation, 76 right of leftMargin and 70
    // below the cursor: the x row with `columns` values from 0, then the y
    // row revealed a cell a key. The cells of its column x = 3 are kept in
    // cellX, cellY (`highlight`) and (`highlight` + 1).
    void RevealSolutionTable(lessons::Page& page, int highlight, float columns, float yRowHeight,
                             const std::function<std::string(float)>& yText);

    // The texts of a system worked after multiplying first: its two
    // equations, the hint, the caption and rows of the column subtraction,
    // the combined equation, the rows after y=3 is put into ①, the answer
    // and the first line of the rule.
    struct MultiplyFirstTexts {
        const char* equation1;
        const char* equation2;
        const char* hint;
        const char* caption;
        const char* upperRow;
        const char* lowerRow;
        const char* combined;
        std::vector<const char*> substitution;
        const char* answer;
        const char* rule;
    };
    void ShowMultiplyFirstWorking(const MultiplyFirstTexts& texts);

    // The system in solverCoef and solverConst worked by the solver step by
    // step in the column at `column`, after `label` on row 30.
    void SolveStepByStep(float column, const std::string& label, const std::string& secondLabel = "");
    // The same beside a titled example of lesson 5: the working at x 560,
    // the braced system after a blank label on the title's row.
    void SolveBesideExampleTitle(const std::string& secondLabel = "");
    void SolveAfterLabel(float column, float labelX, const std::string& label, const std::string& secondLabel);

    // The shared steps of the two substitution forms.
    void MakeSubstitutionExample(bool yForm);
    void ShowSubstitutionSteps(bool yForm);
};

}  // namespace kanovel
