// The parts of the data generator: each writes its share of OUTDIR/Data. Everything they write
// is deterministic: fixed seeds, no time, no locale.
#pragma once

#include <filesystem>  // Required for: std::filesystem::path

// Data/Model: house_main, house_hammer, bookcase1, bread1 and the four small items (house_note1,
// house_key1, house_key2, house_note3) with their textures.
void WriteModels(const std::filesystem::path& dataFolder);
// Data/Picture: the sky box, the keypad, the screens and the info pictures.
void WritePictures(const std::filesystem::path& dataFolder);
// Data/Icon: the bar background, the item and note icons and the large note pictures.
void WriteIcons(const std::filesystem::path& dataFolder);
// Data/BGM.wav: the tune.
void WriteTune(const std::filesystem::path& dataFolder);
// OUTDIR/icons: the menu icon as PNG in the hicolor theme's layout (not part of Data).
void WriteAppIcons(const std::filesystem::path& iconFolder);
