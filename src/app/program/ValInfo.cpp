// The program ВалдренИнфо; it reads no command line.
#include "app/StartUp.h"

int main() { return app::runProgram(); }
