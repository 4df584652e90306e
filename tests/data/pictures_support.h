// Reading the generated pictures, icons and tune back for the data checks, with parsers of our
// own (independent of the generator's writers and of the game's readers, which the checks also
// compare against), plus the colour measures the button and keypad checks use.
#pragma once

#include <cstdint>  // Required for: std::uint8_t
#include <string>   // Required for: std::string
#include <vector>   // Required for: std::vector

#include "support/game_window.h"  // Required for: Rgb

// A decoded picture, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    const Rgb& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct TargaHeader {
    int idLength = 0;
    int colourMapType = 0;
    int imageType = 0;
    int width = 0;
    int height = 0;
    int depth = 0;
    int descriptor = 0;
};

struct BmpHeader {
    char signature[2] = {};
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    int planes = 0;
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
};

struct WaveHeader {
    std::uint32_t riffSize = 0;
    int format = 0;
    int channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    std::uint32_t dataSize = 0;
    std::vector<std::int16_t> samples;
};

// The build folder the checks run in; the generated Data folder lies inside it.
std::string BuildFolder();
// The whole file, or false.
bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>* bytes);
// Header and pixels of a 24-bit Targa (types 2 and 10); false with the reason otherwise. The
// run-length data must end exactly at the end of the file.
bool DecodeTarga(const std::vector<std::uint8_t>& bytes, TargaHeader* header, Picture* picture,
                 std::string* error);
// Header and pixels of an uncompressed bottom-up 24-bit BMP with pixels at offset 54.
bool DecodeBmp(const std::vector<std::uint8_t>& bytes, BmpHeader* header, Picture* picture,
               std::string* error);
// A canonical 44-byte-header PCM WAV file.
bool DecodeWave(const std::vector<std::uint8_t>& bytes, WaveHeader* wave, std::string* error);

struct MeanColour {
    double r = 0, g = 0, b = 0;
};
// Mean over the pixels whose centres lie in [left, right) x [top, bottom) (y from the top).
MeanColour MeanInside(const Picture& picture, double left, double top, double right, double bottom);
// Mean over a band `width` pixels wide just outside that rectangle.
MeanColour MeanRing(const Picture& picture, double left, double top, double right, double bottom,
                    double width);
double ColourDistance(const MeanColour& a, const MeanColour& b);

// The sky box's faces as the game draws them: the cube corner at texture (0, 0) and the steps
// along s and along t, on the cube from -1 to 1.
struct SkyFace {
    const char* file;
    double origin[3], across[3], up[3];
};
extern const SkyFace kSkyFaces[6];

// Writes a picture as a PNG (for looking at what the checks saw).
bool WritePicturePng(const std::string& path, const Picture& picture);
