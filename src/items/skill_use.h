// The old name of items/skill_choice.h, kept only while the soak bot still includes it;
// new code includes items/skill_choice.h.
#pragma once
#include "items/skill_choice.h"
