#include "app/program_entry.h"

int programEntry(HINSTANCE instance) {
    (void)instance;
    return 1;
}
