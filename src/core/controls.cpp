#include "core/controls.h"
