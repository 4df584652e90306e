// Pick box lookup. (To be filled in by the interaction work.)
#include "gameplay/pick_boxes.h"

int FindPickBox(double, double, double) { return -1; }
