// Keypad panel. (To be filled in by the interaction work.)
#include "gameplay/keypad.h"

void KeypadPanel::Init() {}
void KeypadPanel::LoadPictures() {}
int KeypadPanel::HitTest(int, int) const { return -1; }
void KeypadPanel::EnterDigit(int) {}
void KeypadPanel::HandlePress(int, int) {}
bool KeypadPanel::CheckEntry() { return false; }
void KeypadPanel::Draw(int, int) {}
void KeypadPanel::Reset() {}
