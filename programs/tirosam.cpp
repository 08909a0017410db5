#include "lessons/tirosam/tirosam.h"
#include "programs/window_main.h"

int main() { return RunInWindow("Tirosam", tirosam::Run); }
