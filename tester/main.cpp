// The console guess tester's program: one game at the console, its result the exit status.
#include "tester/guess.h"

int main() { return runGuessTester(); }
