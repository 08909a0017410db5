#include "lessons/tirosam/tirosam.h"
#include "programs/window_main.h"

int main(int argc, char** argv) { return RunInWindow("Tirosam", tirosam::Run, argc, argv); }
