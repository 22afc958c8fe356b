#include "app_state.h"

Collection theCollection;
bool acceleratorsEnabled = true;
