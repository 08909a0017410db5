// Lesson 3, page ①: the entry and loop of the random speed examples, and
// the random data of one example. A walks from home at a m per minute,
// then runs at b m per minute and reaches the station D m away T minutes
// after 10 o'clock: x + y = D (①) and x/a + y/b = T (②), which times L, the
// least common multiple of a and b, gives (L/a)x + (L/b)y = L·T (③).
#include "lessons/tirosam/tirosam_lessons.h"
#include "runtime/coefficient_text.h"

namespace tirosam {

using namespace lessons;
using runtime::CoefficientForm;

void TirosamLessons::RunSpeedExamples() {
    exampleColumnX = 680;
    setupColumnX = 40;
    Page page(rt, setupColumnX, 30);
    page.penWidth(5);
    page.eraseAt(0, 0, 1600, 1800);
    RunExamples([this] {
        GenerateSpeedExampleData();
        DrawSpeedExample();
    });
    ShowSpeedExerciseHint();
}

void TirosamLessons::GenerateSpeedExampleData() {
    // Four draws in a fixed order, none repeated: a clock seed fixes the
    // examples shown.
    float walkSpeed = basic::RandomWhole(rt.random, 4, 4) * 10;
    const float runSpeed = basic::RandomWhole(rt.random, 3, 8) * 10;
    // The pair 70 and 80 (common multiple 560) is left out: it becomes 50
    // and 80.
    if (walkSpeed == 70 && runSpeed == 80) walkSpeed = 50;
    const float walkMinutes = basic::RandomWhole(rt.random, 4, 8);
    const float runMinutes = basic::RandomWhole(rt.random, 4, 6);
    const float totalMinutes = walkMinutes + runMinutes;
    const float totalDistance = walkSpeed * walkMinutes + runSpeed * runMinutes;

    // 1/a + 1/b over their common denominator gives L, L/a and L/b.
    rt.fracNum1 = 1;
    rt.fracDen1 = walkSpeed;
    rt.fracNum2 = 1;
    rt.fracDen2 = runSpeed;
    rt.AddFractions();
    const float speedLcm = rt.fracDen;

    rt.workNum(1) = walkSpeed;
    rt.workNum(2) = runSpeed;
    rt.workNum(3) = walkMinutes;
    rt.workNum(4) = runMinutes;
    rt.workNum(5) = totalMinutes;
    rt.workNum(6) = totalDistance;
    rt.workNum(7) = speedLcm;
    rt.workNum(8) = rt.scaledNum1;
    rt.workNum(9) = rt.scaledNum2;
    rt.workNum(10) = speedLcm * totalMinutes;
    rt.solverCoef(1) = 1;
    rt.solverCoef(2) = 1;
    rt.solverCoef(3) = rt.workNum(8);
    rt.solverCoef(4) = rt.workNum(9);
    rt.solverConst(1) = totalDistance;
    rt.solverConst(2) = rt.workNum(10);
    rt.MakeValueTexts();
    // ③ shows no coefficient 1.
    for (int i = 8; i <= 9; ++i) runtime::WriteCoefficient(rt, i, CoefficientForm::OneOmitted);
}

}  // namespace tirosam
