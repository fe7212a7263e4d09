#include "app/local_time.h"

LocalTimeSource localTimeSource = readLocalTime;
