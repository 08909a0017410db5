#include "lessons/kanovel/kanovel.h"
#include "programs/window_main.h"

int main(int argc, char** argv) { return RunInWindow("Kanovel", kanovel::Run, argc, argv); }
