// Wavefront OBJ models with their MTL material libraries and BMP textures: the house, the
// hammer, the bookcase and the bread. MtlLib holds the materials and texture bitmaps,
// obj3dmodel adds the geometry and the two display lists it is drawn from.
//
// The readers (obj_loader.cpp) need no GL; the drawing (model_draw.cpp) does. Each reader has
// an error-returning form (Try..., Parse...) that tests and fuzzers call, and the game's form
// that turns the error into one line on stderr and exit status 1.
#pragma once

#include <cstdint>      // Required for: std::int32_t, std::uint32_t, std::uint8_t
#include <string>       // Required for: std::string
#include <string_view>  // Required for: std::string_view
#include <vector>       // Required for: std::vector

#include "assets/occlusion.h"
#include "assets/view_volume.h"
#include "platform/read_ahead.h"

class MtlLib {
public:
    struct MtlName {
        char name[128];
    };
    struct Vec4D {
        float r, g, b, a;
    };
    struct Diffuse {
        float r, g, b, a;
        std::int32_t textureIndex;  // -1: no texture
    };
    struct BitMap {
        std::uint8_t* pixels;  // owned by the library; released once uploaded
        std::int32_t width;
        std::int32_t height;
        std::uint32_t byteSize;
    };

    // Reads one texture for a map_Kd line and appends it to library.bitmaps; false with one
    // line in *error naming the file and the reason. The game reads BMP files (TryLoadBitMap);
    // fuzzers stand in with a reader that touches no files.
    using TextureReader = bool (*)(MtlLib& library, const char* path, std::string* error);

    MtlLib() = default;
    ~MtlLib();
    MtlLib(const MtlLib&) = delete;
    MtlLib& operator=(const MtlLib&) = delete;

    // Reads basePath + ".mtl" and its textures; ends the process on a file that cannot be read.
    void LoadMtl(const char* basePath);
    // Reads one 24-bit BMP and appends it to the bitmaps; ends the process on failure.
    void LoadBitMap(const char* path);

    // LoadMtl without the exit: false with one line in *error (file, line, reason). A warning
    // (reading stopped early, the file looks cut short) goes to stderr, or to *warning when one
    // is given, and the load goes on with what was read.
    bool TryLoadMtl(const char* basePath, std::string* error, std::string* warning = nullptr);
    bool TryLoadBitMap(const char* path, std::string* error);
    // Reads MTL text already in memory; `fileName` names it in messages, textures are read as
    // basePath + "/" + name through `readTexture` (nullptr: BMP files). A warning is returned
    // in *warning (empty when the whole text was read).
    bool ParseMtl(std::string_view text, const char* basePath, const char* fileName,
                  std::string* error, std::string* warning, TextureReader readTexture = nullptr);

    std::vector<BitMap> bitmaps;
    std::vector<MtlName> names;
    std::vector<Vec4D> ambient;
    std::vector<Diffuse> diffuse;
    std::vector<Vec4D> specular;
};

class obj3dmodel : public MtlLib {
public:
    struct Vec3D {
        double x, y, z;
    };
    struct Face {
        std::int32_t material;
        std::uint32_t position[3];  // 1-based, as written in the file
        std::uint32_t texture[3];
        std::uint32_t normal[3];
    };

    obj3dmodel() = default;
    ~obj3dmodel();
    obj3dmodel(const obj3dmodel&) = delete;
    obj3dmodel& operator=(const obj3dmodel&) = delete;

    // Reads basePath + ".mtl", then basePath + ".obj"; ends the process on a file that cannot
    // be read or is inconsistent, with one line on stderr naming the file and the reason. A
    // model read ahead (ReadModelAhead) is taken as it was read then, and reported now.
    void LoadObj(const char* basePath);
    // LoadObj without the exit: false with one line in *error. Warnings go to stderr, or into
    // *warnings (one a line) when it is given.
    bool TryLoadObj(const char* basePath, std::string* error, std::string* warnings = nullptr);
    // The job that reads the model at `basePath` ahead for LoadObj.
    static ReadAheadJob ReadModelAhead(const std::string& basePath);
    // Reads OBJ text already in memory against the materials already loaded, then checks every
    // face's indices and material; `fileName` names the text in messages.
    bool ParseObj(std::string_view text, const char* fileName, std::string* error,
                  std::string* warning);

    // A run of faces compiled into a display list of its own: consecutive in drawing order,
    // of one material and close together, so that a frame can leave out the runs outside the
    // view and still draw the others in the order of the faces.
    struct Piece {
        std::int32_t first = 0;  // index into the drawing order the piece was cut from
        std::int32_t count = 0;
        WorldBox box{};
        unsigned int list = 0;
        // Its faces close solids (ClosedFaces).
        bool closed = false;
        // Closed, and part of one of the large rectangles (an occluder): its list culls the
        // faces turned away from the eye, which lie behind the solid's own faces. Smaller
        // closed pieces are left alone; what their back faces cost is little, and where two
        // faces meet at an edge seen at a slant, one turned away may take a pixel the other
        // leaves.
        bool cullsBack = false;
    };
    // Runs no longer than this along any axis; a single larger face is a piece of its own.
    static constexpr float kPieceExtent = 3.0f;
    // Pieces whose boxes stay this far apart along some axis can never meet at equal depth: a
    // line of sight crosses the gap at under 25 degrees from the view's axis, and at the far
    // plane (100) one step of a 24-bit depth buffer is 0.03 deep.
    static constexpr float kTieGap = 0.05f;

    // A rectangle of one axis the opaque faces make (two triangles, or more where corners of
    // its neighbours lie on its sides), joined with its neighbours in the plane where they meet
    // along whole sides: drawn, it keeps whatever lies wholly behind it from the screen. Culled
    // and seen from behind, its solid's faces before it do.
    struct Occluder {
        WorldRect rect{};
        std::vector<std::int32_t> pieces;  // the pieces that draw it
    };
    // The most triangles one rectangle of the model is cut into (corners of its neighbours on
    // its sides).
    static constexpr std::size_t kMostRectangleFaces = 24;
    // Rectangles smaller than this (in square units) are not worth a test.
    static constexpr float kOccluderArea = 0.25f;
    // The most rectangles a frame hides pieces behind: those that take most of the window.
    static constexpr int kOccludersPerFrame = 32;

    // Uploads the textures and compiles the display lists: one per piece, the opaque list that
    // calls every opaque piece in face order and the transparent list that calls the
    // transparent ones with blending on. SetDrawingState, then CompileLists.
    void BuildLists();
    // The state every model is drawn in, global and the same for all: the scene's one light,
    // colour material, texturing that replaces the lit colour, the rows of BMP pixels.
    static void SetDrawingState();
    // The textures and lists alone, once: the start-up sets the state when it reads the model
    // and compiles it once the first frame (the start picture, which shows none of it) is up.
    void CompileLists();
    // Sorts the faces into opaque and transparent and cuts both into pieces, with the opaque
    // ones' ties and rectangles: what BuildLists compiles, done once the model is read (on the
    // thread that reads it ahead). No GL.
    void PlanPieces();
    // Cuts the faces listed in `order` (face indices in drawing order) into pieces; a run also
    // ends where `closed` (a flag for each entry of `order`; empty: none closed) changes. No GL.
    std::vector<Piece> CutIntoPieces(const std::vector<std::int32_t>& order,
                                     const std::vector<bool>& closed = {}) const;
    // For each face listed in `order`, whether the surface is closed all along its edges: each
    // edge is met end to end by faces that walk it as often one way as the other, and along its
    // line no part of another edge is left over it (where a corner of one face lies on the edge
    // of another, pixels may open between them). Such a face is a side of a solid; turned away
    // from an eye outside it, it lies behind the solid's other faces. Each face is judged by its
    // own edges: a box left open could lose faces inside it that close their own edges, which
    // the frames of the house are checked for. No GL.
    std::vector<bool> ClosedFaces(const std::vector<std::int32_t>& order) const;
    // For each piece, the later pieces that may meet it at equal depth (boxes closer than
    // kTieGap on every axis): those must be drawn after it. No GL.
    static std::vector<std::vector<std::int32_t>> FindTies(const std::vector<Piece>& pieces);
    // The rectangles two consecutive faces of one material make, joined where they meet along
    // whole sides (of at least kOccluderArea once joined), with the pieces cut from `order`
    // that hold them. No GL.
    std::vector<Occluder> FindOccluders(const std::vector<std::int32_t>& order,
                                        const std::vector<Piece>& pieces) const;
    // Calls the opaque list, then the transparent one.
    void Draw() const;
    // The same two layers one at a time, leaving out what `view` and `hiding` show cannot
    // appear: pieces outside the window, and in each cell of the window the pieces wholly
    // behind one of the largest rectangles there (a piece hidden in some cells is drawn in the
    // others only). The picture is the same; what is left out would fail the depth test. The
    // opaque pieces go nearest first, so that what lies behind them fails the depth test before
    // it is textured; a piece still waits for every earlier piece it may meet at equal depth,
    // so each pixel keeps the face the face order gives it. Each piece binds its own texture
    // (an untextured one also sets its material and colour), so the state left behind is the
    // last drawn piece's texture and the last untextured piece's material.
    void DrawOpaque(const ViewVolume& view, const Occlusion& hiding = Occlusion()) const;
    void DrawTransparent(const ViewVolume& view, const Occlusion& hiding = Occlusion()) const;
    // What the largest rectangles in view hide this frame.
    Occlusion Hiding(const ViewVolume& view) const;

    std::vector<Vec3D> positions;
    std::vector<Vec3D> normals;
    std::vector<Vec3D> texCoords;
    std::vector<Face> faces;
    std::vector<std::int32_t> opaqueFaces;       // drawing order of the opaque faces
    std::vector<std::int32_t> transparentFaces;  // and of the transparent ones
    bool piecesPlanned = false;
    std::vector<Piece> opaquePieces;
    std::vector<std::vector<std::int32_t>> opaqueTies;  // FindTies(opaquePieces)
    std::vector<Occluder> opaqueOccluders;
    std::vector<Piece> transparentPieces;
    unsigned int listBase = 0;  // the opaque list; listBase + 1 the transparent one
    // Whether CompileLists compiles the culling of the pieces that cull (a test compiles a
    // copy without, to see what the culling changes).
    bool cullTurnedAway = true;
    unsigned int* textureNames = nullptr;
};
