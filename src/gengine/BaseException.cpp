#include "gengine/BaseException.h"

// The family is header-only; this unit anchors it in the engine library.
