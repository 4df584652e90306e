// The progress rules, run by every frame on the values latched by the last press. Each is
// harmless when repeated.
#pragma once

// An enabled ending box asks for its ending and locks all four ending boxes.
void RunEndingTrigger(int pickedBox);
// Hides a taken hammer or bread (GL-free part of the item drawing).
void HideTakenItems(int pickedBox);
// Draws the hammer, the bread, the notes and keys not yet taken (HideTakenItems has run) and
// the bookcase at its offset.
void DrawItems();
// An enabled picked box gives its icon (box 2 gives two).
void GrantIcon(int pickedBox);
// Whether a press on the box now gives an icon not yet owned: GrantIcon would change the bar.
bool GrantWouldGiveIcon(int pickedBox);
// Whether the box is an open place that gives icons and all of them are in the bar now: a press
// there takes nothing because it was taken before.
bool PlaceEmptied(int pickedBox);
// Uses an owned icon. Returns the note slot (7, 8 or 9) whose large picture this frame shows,
// 0 when none.
int UseIcon(int icon);
// Icons 1 to 9 gone, boxes 2, 4, 10, 12, 13 and 14 locked.
void ResetInventory();
