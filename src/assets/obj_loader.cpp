// OBJ and MTL reading. A small subset reader: a word-by-word scan that recognises a handful of
// keywords by their first characters (OBJ) or by the whole word (MTL) and ignores everything
// else, word by word. Where the scan's read fails (a malformed number, a line too long to skip)
// the file ends there, with a warning, as it always has. What would make the drawing reach
// outside the arrays (face indices, materials without colours, "d" or "map_Kd" with no colour
// record to go to, a word that does not fit its buffer) ends the load with an error naming the
// file, the line and the reason.
#include "assets/obj_model.h"

#include <cstdio>   // Required for: std::fprintf()
#include <cstdlib>  // Required for: std::exit()
#include <cstring>  // Required for: std::strcmp(), std::memcpy(), std::strlen()

#include "assets/bmp_reader.h"
#include "assets/word_scanner.h"
#include "platform/file_bytes.h"

namespace {

using Read = WordScanner::Read;

// Paths and words live in 128-character buffers in the game's file conventions.
constexpr std::size_t kLongestPath = 127;

bool Fail(std::string* error, const char* fileName, unsigned line, const std::string& reason) {
    *error = std::string(fileName) + ":" + std::to_string(line) + ": " + reason;
    return false;
}

// The warning for a read that failed inside a record: the rest of the file is not read.
void StopWarning(std::string* warning, const char* fileName, unsigned line, Read read,
                 const char* keyword, unsigned keywordLine) {
    std::string what;
    if (read == Read::kMalformed) {
        what = "a malformed number";
    } else if (read == Read::kEnd) {
        what = "the end of the file";
    } else {
        what = "a line longer than 127 characters";
    }
    *warning = std::string(fileName) + ":" + std::to_string(line) +
               ": warning: reading stopped at " + what + " in the '" + keyword +
               "' begun on line " + std::to_string(keywordLine) +
               "; the rest of the file is ignored";
}

// Every file the game ships ends its last line. One that ends inside a line has most likely been
// cut short; what was read of it stays, but the player should hear why part of the house is gone.
void CutShortWarning(std::string* warning, const char* fileName, std::string_view text,
                     unsigned line) {
    if (!warning->empty() || text.empty() || text.back() == '\n') return;
    *warning = std::string(fileName) + ":" + std::to_string(line) +
               ": warning: the file ends inside a line; it may have been cut short";
}

bool PathFits(const std::string& path, std::string* error) {
    if (path.size() <= kLongestPath) return true;
    *error = path + ": path longer than 127 characters";
    return false;
}

bool ReadFromFiles(MtlLib& library, const char* path, std::string* error) {
    return library.TryLoadBitMap(path, error);
}

void PrintWarning(const std::string& warning) {
    if (!warning.empty()) std::fprintf(stderr, "%s\n", warning.c_str());
}

[[noreturn]] void ExitWithError(const std::string& error) {
    std::fprintf(stderr, "%s\n", error.c_str());
    std::exit(1);
}

}  // namespace

MtlLib::~MtlLib() {
    for (BitMap& bitmap : bitmaps) delete[] bitmap.pixels;
}

bool MtlLib::TryLoadBitMap(const char* path, std::string* error) {
    BmpPixels read;
    if (!ReadBmp24File(path, &read, error)) return false;
    bitmaps.push_back(BitMap{read.pixels, read.width, read.height, read.byteSize});
    return true;
}

void MtlLib::LoadBitMap(const char* path) {
    std::string error;
    if (!TryLoadBitMap(path, &error)) ExitWithError(error);
}

bool MtlLib::TryLoadMtl(const char* basePath, std::string* error, std::string* warning) {
    const std::string path = std::string(basePath) + ".mtl";
    if (!PathFits(path, error)) return false;
    std::string text;
    std::string reason;
    if (!ReadFileBytes(path.c_str(), &text, &reason)) {
        *error = path + ": " + reason;
        return false;
    }
    std::string stopped;
    const bool read = ParseMtl(text, basePath, path.c_str(), error, &stopped);
    if (warning != nullptr) {
        *warning = stopped;
    } else if (read) {
        // A load that fails says only why it failed: one line.
        PrintWarning(stopped);
    }
    return read;
}

void MtlLib::LoadMtl(const char* basePath) {
    std::string error;
    if (!TryLoadMtl(basePath, &error)) ExitWithError(error);
}

bool MtlLib::ParseMtl(std::string_view text, const char* basePath, const char* fileName,
                      std::string* error, std::string* warning, TextureReader readTexture) {
    if (readTexture == nullptr) readTexture = ReadFromFiles;
    warning->clear();
    WordScanner in(text);
    char word[WordScanner::kWordCapacity];
    char argument[WordScanner::kWordCapacity];
    for (;;) {
        Read read = in.ReadWord(word);
        if (read == Read::kEnd) break;
        if (read == Read::kTooLong) {
            return Fail(error, fileName, in.Line(), "word longer than 127 characters");
        }
        const unsigned keywordLine = in.Line();
        // Each record is read whole before it is stored; a failed read drops it and ends the
        // file.
        if (word[0] == '#') {
            read = in.SkipLine();
            if (read == Read::kTooLong) {
                StopWarning(warning, fileName, in.Line(), read, word, keywordLine);
                break;
            }
        } else if (std::strcmp(word, "newmtl") == 0) {
            read = in.ReadWord(argument);
            if (read == Read::kTooLong) {
                return Fail(error, fileName, in.Line(), "material name longer than 127 characters");
            }
            if (read != Read::kOk) {
                StopWarning(warning, fileName, in.Line(), read, word, keywordLine);
                break;
            }
            MtlName name;
            std::memcpy(name.name, argument, sizeof name.name);
            names.push_back(name);
        } else if (std::strcmp(word, "Ka") == 0 || std::strcmp(word, "Kd") == 0 ||
                   std::strcmp(word, "Ks") == 0) {
            float rgb[3];
            for (float& channel : rgb) {
                read = in.ReadFloat(&channel);
                if (read != Read::kOk) break;
            }
            if (read != Read::kOk) {
                StopWarning(warning, fileName, in.Line(), read, word, keywordLine);
                break;
            }
            if (word[1] == 'a') {
                ambient.push_back(Vec4D{rgb[0], rgb[1], rgb[2], 1.0f});
            } else if (word[1] == 'd') {
                diffuse.push_back(Diffuse{rgb[0], rgb[1], rgb[2], 1.0f, -1});
            } else {
                specular.push_back(Vec4D{rgb[0], rgb[1], rgb[2], 1.0f});
            }
        } else if (std::strcmp(word, "d") == 0) {
            // The alpha goes to the latest colours of all three kinds.
            if (diffuse.empty()) return Fail(error, fileName, keywordLine, "d before the first Kd");
            if (ambient.empty()) return Fail(error, fileName, keywordLine, "d before the first Ka");
            if (specular.empty())
                return Fail(error, fileName, keywordLine, "d before the first Ks");
            float alpha;
            read = in.ReadFloat(&alpha);
            if (read != Read::kOk) {
                StopWarning(warning, fileName, in.Line(), read, word, keywordLine);
                break;
            }
            diffuse.back().a = alpha;
            ambient.back().a = alpha;
            specular.back().a = alpha;
        } else if (std::strcmp(word, "map_Kd") == 0) {
            if (diffuse.empty()) {
                return Fail(error, fileName, keywordLine, "map_Kd before the first Kd");
            }
            // Textures live in the model's own folder: the argument is written "folder/file",
            // and only the part after the first '/' is used.
            if (!in.DiscardThroughSlash()) {
                return Fail(error, fileName, keywordLine,
                            "map_Kd argument without '/' (written as folder/file.bmp)");
            }
            read = in.ReadWord(argument);
            if (read == Read::kTooLong) {
                return Fail(error, fileName, in.Line(), "texture name longer than 127 characters");
            }
            if (read != Read::kOk) {
                StopWarning(warning, fileName, in.Line(), read, word, keywordLine);
                break;
            }
            const std::string path = std::string(basePath) + "/" + argument;
            if (path.size() > kLongestPath) {
                return Fail(error, fileName, keywordLine,
                            "texture path " + path + " longer than 127 characters");
            }
            std::string textureError;
            if (!readTexture(*this, path.c_str(), &textureError)) {
                return Fail(error, fileName, keywordLine, "map_Kd texture " + textureError);
            }
            diffuse.back().textureIndex = static_cast<std::int32_t>(bitmaps.size()) - 1;
        }
        // Any other word is ignored alone; its arguments come round as words of their own.
    }
    CutShortWarning(warning, fileName, text, in.Line());
    return true;
}

bool obj3dmodel::TryLoadObj(const char* basePath, std::string* error, std::string* warnings) {
    const std::string path = std::string(basePath) + ".obj";
    if (!PathFits(path, error)) return false;
    std::string text;
    std::string reason;
    if (!ReadFileBytes(path.c_str(), &text, &reason)) {
        *error = path + ": " + reason;
        return false;
    }
    // The library is always the base path's own; a mtllib line of the OBJ file is not used.
    std::string libraryWarning;
    if (!TryLoadMtl(basePath, error, &libraryWarning)) return false;
    std::string warning;
    if (!ParseObj(text, path.c_str(), error, &warning)) {
        // A load that fails says why in one line; a library read only in part is often the cause.
        if (!libraryWarning.empty()) *error += " (" + libraryWarning + ")";
        return false;
    }
    PlanPieces();
    if (warnings != nullptr) {
        *warnings = libraryWarning;
        if (!warning.empty()) *warnings += (warnings->empty() ? "" : "\n") + warning;
        return true;
    }
    PrintWarning(libraryWarning);
    PrintWarning(warning);
    return true;
}

namespace {

constexpr char kReadAheadKey[] = "model:";

struct ModelReadAhead {
    obj3dmodel model;
    std::string error;
    std::string warnings;
    bool loaded = false;
};

}  // namespace

ReadAheadJob obj3dmodel::ReadModelAhead(const std::string& basePath) {
    return ReadAheadJobOf<ModelReadAhead>(
        kReadAheadKey + basePath, [basePath](ModelReadAhead& ahead) {
            ahead.loaded = ahead.model.TryLoadObj(basePath.c_str(), &ahead.error, &ahead.warnings);
        });
}

void obj3dmodel::LoadObj(const char* basePath) {
    std::string error;
    if (const auto ahead = TakeReadAheadAs<ModelReadAhead>(kReadAheadKey + std::string(basePath))) {
        obj3dmodel& read = ahead->model;
        bitmaps.swap(read.bitmaps);
        names.swap(read.names);
        ambient.swap(read.ambient);
        diffuse.swap(read.diffuse);
        specular.swap(read.specular);
        positions.swap(read.positions);
        normals.swap(read.normals);
        texCoords.swap(read.texCoords);
        faces.swap(read.faces);
        if (!ahead->loaded) ExitWithError(ahead->error);
        PrintWarning(ahead->warnings);
        return;
    }
    if (!TryLoadObj(basePath, &error)) ExitWithError(error);
}

bool obj3dmodel::ParseObj(std::string_view text, const char* fileName, std::string* error,
                          std::string* warning) {
    warning->clear();
    const std::size_t firstNewFace = faces.size();
    std::vector<unsigned> faceLines;  // for the checks after the scan
    WordScanner in(text);
    char word[WordScanner::kWordCapacity];
    std::int32_t material = 0;
    for (;;) {
        Read read = in.ReadWord(word);
        if (read == Read::kEnd) break;
        if (read == Read::kTooLong) {
            return Fail(error, fileName, in.Line(), "word longer than 127 characters");
        }
        const unsigned keywordLine = in.Line();
        // Only the first one or two characters decide: "vn1" is a normal, "fence" a face.
        if (word[0] == 'v' && (word[1] == '\0' || word[1] == 'n' || word[1] == 't')) {
            Vec3D value{0.0, 0.0, 0.0};
            read = in.ReadDouble(&value.x);
            if (read == Read::kOk) read = in.ReadDouble(&value.y);
            // A texture coordinate has two numbers; a third one is left to be read as a word.
            if (read == Read::kOk && word[1] != 't') read = in.ReadDouble(&value.z);
            if (read != Read::kOk) {
                StopWarning(warning, fileName, in.Line(), read, word, keywordLine);
                break;
            }
            if (word[1] == '\0') {
                positions.push_back(value);
            } else if (word[1] == 'n') {
                normals.push_back(value);
            } else {
                texCoords.push_back(value);
            }
        } else if (word[0] == 'u') {
            char name[WordScanner::kWordCapacity];
            read = in.ReadWord(name);
            if (read == Read::kTooLong) {
                return Fail(error, fileName, in.Line(), "material name longer than 127 characters");
            }
            if (read != Read::kOk) {
                StopWarning(warning, fileName, in.Line(), read, word, keywordLine);
                break;
            }
            // The first material of that exact name; no match keeps the material in use.
            for (std::size_t i = 0; i < names.size(); ++i) {
                if (std::strcmp(names[i].name, name) == 0) {
                    material = static_cast<std::int32_t>(i);
                    break;
                }
            }
        } else if (word[0] == 'f') {
            // Three corners written position/texture/normal; the separators are not checked.
            // A fourth corner of a quad is left to be read as a word and ignored.
            Face face{};
            face.material = material;
            char separator;
            for (int corner = 0; corner < 3 && read == Read::kOk; ++corner) {
                read = in.ReadUnsigned(&face.position[corner]);
                if (read == Read::kOk) read = in.ReadChar(&separator);
                if (read == Read::kOk) read = in.ReadUnsigned(&face.texture[corner]);
                if (read == Read::kOk) read = in.ReadChar(&separator);
                if (read == Read::kOk) read = in.ReadUnsigned(&face.normal[corner]);
            }
            if (read != Read::kOk) {
                StopWarning(warning, fileName, in.Line(), read, word, keywordLine);
                break;
            }
            faces.push_back(face);
            faceLines.push_back(keywordLine);
        } else if (word[0] == 'v' || word[0] == '#' || word[0] == 'g') {
            read = in.SkipLine();
            if (read == Read::kTooLong) {
                StopWarning(warning, fileName, in.Line(), read, word, keywordLine);
                break;
            }
        }
        // Any other word is ignored alone; its arguments come round as words of their own.
    }
    CutShortWarning(warning, fileName, text, in.Line());

    // The drawing indexes every array with these; nothing may point outside.
    for (std::size_t i = firstNewFace; i < faces.size(); ++i) {
        const Face& face = faces[i];
        const unsigned line = faceLines[i - firstNewFace];
        const std::size_t m = static_cast<std::size_t>(face.material);
        const char* missing = m >= ambient.size()    ? "Ka"
                              : m >= diffuse.size()  ? "Kd"
                              : m >= specular.size() ? "Ks"
                                                     : nullptr;
        if (missing != nullptr) {
            const std::string name =
                m < names.size() ? std::string(" (\"") + names[m].name + "\")" : std::string();
            return Fail(error, fileName, line,
                        "face uses material " + std::to_string(m) + name + ", which has no " +
                            missing + " entry in the material library");
        }
        const struct {
            const std::uint32_t* indices;
            std::size_t count;
            const char* what;
        } arrays[] = {{face.position, positions.size(), "position"},
                      {face.texture, texCoords.size(), "texture coordinate"},
                      {face.normal, normals.size(), "normal"}};
        for (const auto& array : arrays) {
            for (int corner = 0; corner < 3; ++corner) {
                const std::uint32_t index = array.indices[corner];
                if (index == 0 || index > array.count) {
                    return Fail(error, fileName, line,
                                std::string("face ") + array.what + " index " +
                                    std::to_string(index) + " is outside the " +
                                    std::to_string(array.count) + " " + array.what + "s");
                }
            }
        }
    }
    return true;
}
