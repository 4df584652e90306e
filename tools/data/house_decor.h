// Textures of the furniture and of the clickable things in the house, each painted once.
#pragma once

#include "model_mesh.h"

namespace house {

const Surface& Linen();
const Surface& Quilt();
const Surface& RedBlanket();
const Surface& Velvet();
const Surface& NoteUpstairs();
const Surface& NoteNightstand();
const Surface& CabinetFront();
const Surface& WardrobeFront();
const Surface& SideboardFront();
const Surface& NightstandFront();
const Surface& KitchenDoors();
const Surface& Worktop();
const Surface& Hob();
const Surface& Sink();
const Surface& Landscape();
const Surface& Seascape();
const Surface& Flowers();
const Surface& Mountains();
const Surface& Portrait();
const Surface& SafeDoor();
const Surface& SafeFrame();
const Surface& SafeEnamel();
const Surface& PlateGlaze();
const Surface& Calendar();
const Surface& RadioFront();
const Surface& BoilerPaint();
const Surface& DangerSign();
const Surface& BurnerPanel();
const Surface& CrateWood();
const Surface& Brass();
const Surface& ClockFace();

}  // namespace house
