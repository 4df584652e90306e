// Start and end screens. (To be filled in by the interaction work.)
#include "gameplay/screens.h"

void Screens::Init() { startScreenShown = 1; }
void Screens::LoadPictures() {}
bool Screens::StartButtonTest(int, int) { return false; }
void Screens::EndButtonTest(int, int) {}
void Screens::Draw(int, int) {}
