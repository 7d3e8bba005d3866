#include "render/QtColours.h"
