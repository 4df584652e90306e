// Pictures, icons and the tune. (To be filled in by the data-pictures work.)
#include "generators.h"

void WritePictures(const std::filesystem::path&) {}
void WriteIcons(const std::filesystem::path&) {}
void WriteTune(const std::filesystem::path&) {}
