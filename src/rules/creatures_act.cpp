#include "rules/behaviour.h"

// The creatures' own turn; they stand still until their behaviour is written.
void CreaturesAct() {}
