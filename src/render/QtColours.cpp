#include "QtColours.h"
