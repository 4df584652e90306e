// Progress rules. (To be filled in by the interaction work.)
#include "gameplay/progress.h"

void RunEndingTrigger(int) {}
void HideTakenItems(int) {}
void DrawItems() {}
void GrantIcon(int) {}
int UseIcon(int) { return 0; }
void ResetInventory() {}
