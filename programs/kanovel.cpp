#include "lessons/kanovel/kanovel.h"
#include "programs/window_main.h"

int main() { return RunInWindow("Kanovel", kanovel::Run); }
