// One pass of the speed example page and its closing hint. The page's
// entry, loop and random data are in speed_examples.cpp.
#include "lessons/tirosam/tirosam_lessons.h"

namespace tirosam {

// The problem, its line diagram and table, the set-up and the solver's
// working of one example, up to the answer rows.
void TirosamLessons::DrawSpeedExample() {}

// The pointer to the textbook exercise after the last example.
void TirosamLessons::ShowSpeedExerciseHint() {}

}  // namespace tirosam
