#include "engine/local_time.h"

LocalTimeSource localTimeSource = readLocalTime;
