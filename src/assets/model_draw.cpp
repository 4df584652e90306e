// Model drawing: the textures are uploaded once and the model is compiled into display lists,
// one per piece (a run of faces of one material close together), and two that call them: the
// opaque pieces first, then the transparent ones blended over them. A frame walks none of the
// model's arrays: two list calls, or one call per piece in view.
#include <GL/gl.h>  // Required for: glNewList(), glMaterialfv(), glTexImage2D(), glCallList()

#include <array>       // Required for: std::array
#include <functional>  // Required for: std::greater
#include <queue>       // Required for: std::priority_queue
#include <utility>     // Required for: std::pair
#include <vector>      // Required for: std::vector

#include "assets/obj_model.h"

namespace {

constexpr GLfloat kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
// w = 0: a directional light; given once with the identity modelview, so it stays fixed in
// world coordinates.
constexpr GLfloat kLightPosition[4] = {20.0f, 20.0f, 10.0f, 0.0f};
constexpr GLfloat kShininess = 65.0f;

// Texturing replaces the lit colour (and alpha) of a textured face, so its material and colour
// would change nothing on screen: they are set for untextured faces only. Each material block
// costs the renderer a state change before the next draw, and a frame calls well over a hundred
// pieces.
void IssueMaterial(const obj3dmodel& model, std::int32_t m) {
    const MtlLib::Diffuse& diffuse = model.diffuse[m];
    if (diffuse.textureIndex >= 0) {
        glBindTexture(GL_TEXTURE_2D, model.textureNames[diffuse.textureIndex]);
        return;
    }
    const MtlLib::Vec4D& ambient = model.ambient[m];
    const MtlLib::Vec4D& specular = model.specular[m];
    const GLfloat ambientColor[4] = {ambient.r, ambient.g, ambient.b, ambient.a};
    const GLfloat diffuseColor[4] = {diffuse.r, diffuse.g, diffuse.b, diffuse.a};
    const GLfloat specularColor[4] = {specular.r, specular.g, specular.b, specular.a};
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambientColor);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuseColor);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specularColor);
    glMaterialf(GL_FRONT, GL_SHININESS, kShininess);
    glColor4fv(diffuseColor);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void IssueCorners(const obj3dmodel& model, const obj3dmodel::Face& face) {
    for (int k = 0; k < 3; ++k) {
        const obj3dmodel::Vec3D& normal = model.normals[face.normal[k] - 1];
        const obj3dmodel::Vec3D& texCoord = model.texCoords[face.texture[k] - 1];
        const obj3dmodel::Vec3D& position = model.positions[face.position[k] - 1];
        glNormal3f(static_cast<GLfloat>(normal.x), static_cast<GLfloat>(normal.y),
                   static_cast<GLfloat>(normal.z));
        glTexCoord2f(static_cast<GLfloat>(texCoord.x), static_cast<GLfloat>(texCoord.y));
        glVertex3f(static_cast<GLfloat>(position.x), static_cast<GLfloat>(position.y),
                   static_cast<GLfloat>(position.z));
    }
}

// One material block and one begin/end pair for the whole piece: its faces share the material.
// A piece that culls its faces turned away (counter-clockwise faces the eye, as written) turns
// culling on for them alone.
void CompilePiece(const obj3dmodel& model, const std::vector<std::int32_t>& order,
                  obj3dmodel::Piece& piece, unsigned int list) {
    piece.list = list;
    glNewList(list, GL_COMPILE);
    IssueMaterial(model, model.faces[order[piece.first]].material);
    const bool cull = piece.cullsBack && model.cullTurnedAway;
    if (cull) glEnable(GL_CULL_FACE);
    glBegin(GL_TRIANGLES);
    for (std::int32_t i = piece.first; i < piece.first + piece.count; ++i) {
        IssueCorners(model, model.faces[order[i]]);
    }
    glEnd();
    if (cull) glDisable(GL_CULL_FACE);
    glEndList();
}

// GL_DST_ALPHA, not GL_ONE_MINUS_SRC_ALPHA: the window has no alpha channel, so it counts as 1
// and transparent faces add onto what lies behind them, weighted by their alpha.
void BeginBlending() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
}

}  // namespace

obj3dmodel::~obj3dmodel() {
    positions.clear();
    normals.clear();
    texCoords.clear();
    faces.clear();
    if (listBase != 0) {
        glDeleteLists(listBase,
                      static_cast<GLsizei>(2 + opaquePieces.size() + transparentPieces.size()));
    }
    if (textureNames != nullptr) {
        glDeleteTextures(static_cast<GLsizei>(bitmaps.size()), textureNames);
        delete[] textureNames;
    }
}

void obj3dmodel::BuildLists() {
    SetDrawingState();
    CompileLists();
}

void obj3dmodel::SetDrawingState() {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT1);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, kWhite);
    glLightfv(GL_LIGHT1, GL_SPECULAR, kWhite);
    glLightfv(GL_LIGHT1, GL_POSITION, kLightPosition);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    // BMP rows are padded to 4 bytes, exactly what this alignment reads.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

void obj3dmodel::CompileLists() {
    if (listBase != 0) return;
    if (!piecesPlanned) PlanPieces();

    textureNames = new unsigned int[bitmaps.size()];
    glGenTextures(static_cast<GLsizei>(bitmaps.size()), textureNames);
    for (std::size_t i = 0; i < bitmaps.size(); ++i) {
        BitMap& bitmap = bitmaps[i];
        glBindTexture(GL_TEXTURE_2D, textureNames[i]);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, bitmap.width, bitmap.height, 0, GL_BGR,
                     GL_UNSIGNED_BYTE, bitmap.pixels);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        // OpenGL keeps its own copy; the model's is not needed again.
        delete[] bitmap.pixels;
        bitmap.pixels = nullptr;
    }

    listBase = glGenLists(static_cast<GLsizei>(2 + opaquePieces.size() + transparentPieces.size()));
    unsigned int next = listBase + 2;
    for (Piece& piece : opaquePieces) CompilePiece(*this, opaqueFaces, piece, next++);
    for (Piece& piece : transparentPieces) CompilePiece(*this, transparentFaces, piece, next++);

    glNewList(listBase, GL_COMPILE);
    for (const Piece& piece : opaquePieces) glCallList(piece.list);
    glEndList();

    glNewList(listBase + 1, GL_COMPILE);
    BeginBlending();
    for (const Piece& piece : transparentPieces) glCallList(piece.list);
    glDisable(GL_BLEND);
    glEndList();
}

void obj3dmodel::Draw() const {
    // An unbuilt model has no lists; list 1 would be another model's.
    if (listBase == 0) return;
    glCallList(listBase);
    glCallList(listBase + 1);
}

Occlusion obj3dmodel::Hiding(const ViewVolume& view) const {
    // Rectangles of pieces outside the window hide nothing in it.
    std::vector<WorldRect> inView;
    for (const Occluder& occluder : opaqueOccluders) {
        for (const std::int32_t piece : occluder.pieces) {
            if (view.MayShow(opaquePieces[piece].box)) {
                inView.push_back(occluder.rect);
                break;
            }
        }
    }
    return Occlusion(view, inView, kOccludersPerFrame);
}

namespace {

// Where a piece may show this frame: in no pixel, in the rectangles, or anywhere (count -1).
struct PieceShowing {
    static constexpr int kMostRects = 4;
    std::array<int, 4> rects[kMostRects];
    int count = -1;
};

// The scissor test on through a layer (switching it costs the renderer more than moving its
// box), its box the whole window (the viewport); put back after.
class ScissoredLayer {
public:
    ScissoredLayer() {
        glPushAttrib(GL_SCISSOR_BIT);
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        window_ = {viewport[0], viewport[1], viewport[2], viewport[3]};
        scissor_ = window_;
        glScissor(window_[0], window_[1], window_[2], window_[3]);
        glEnable(GL_SCISSOR_TEST);
    }
    ~ScissoredLayer() { glPopAttrib(); }
    ScissoredLayer(const ScissoredLayer&) = delete;
    ScissoredLayer& operator=(const ScissoredLayer&) = delete;

    // Calls the piece's list, cut to the rectangles it may show in: outside them each of its
    // pixels would fail the depth test, so the renderer is spared rasterising them and the
    // picture is the same. Each rectangle takes its own pixels only, so none is drawn twice.
    void Call(unsigned int list, const PieceShowing& showing) {
        if (showing.count < 0) {
            ScissorTo(window_);
            glCallList(list);
            return;
        }
        for (int r = 0; r < showing.count; ++r) {
            ScissorTo(showing.rects[r]);
            glCallList(list);
        }
    }

private:
    void ScissorTo(const std::array<int, 4>& rect) {
        if (rect == scissor_) return;
        scissor_ = rect;
        glScissor(rect[0], rect[1], rect[2], rect[3]);
    }

    std::array<int, 4> window_{};
    std::array<int, 4> scissor_{};  // the box last set
};

}  // namespace

void obj3dmodel::DrawOpaque(const ViewVolume& view, const Occlusion& hiding) const {
    if (listBase == 0) return;
    // waiting[i]: -1 left out, else how many earlier pieces drawn that it may tie with are
    // still to be drawn.
    const std::size_t count = opaquePieces.size();
    std::vector<std::int32_t> waiting(count, -1);
    std::vector<PieceShowing> showing(count);
    for (std::size_t i = 0; i < count; ++i) {
        const WorldBox& box = opaquePieces[i].box;
        if (!view.MayShow(box)) continue;
        showing[i].count = hiding.Showing(box, showing[i].rects, PieceShowing::kMostRects);
        if (showing[i].count != 0) waiting[i] = 0;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (waiting[i] < 0) continue;
        for (const std::int32_t later : opaqueTies[i]) {
            if (waiting[later] >= 0) ++waiting[later];
        }
    }
    // Nearest first among the pieces free to go; ties broken by the face order.
    using Ready = std::pair<float, std::int32_t>;
    std::priority_queue<Ready, std::vector<Ready>, std::greater<Ready>> ready;
    for (std::size_t i = 0; i < count; ++i) {
        if (waiting[i] == 0) {
            ready.emplace(view.SquaredDistance(opaquePieces[i].box), static_cast<std::int32_t>(i));
        }
    }
    ScissoredLayer layer;
    while (!ready.empty()) {
        const std::int32_t i = ready.top().second;
        ready.pop();
        layer.Call(opaquePieces[i].list, showing[static_cast<std::size_t>(i)]);
        for (const std::int32_t later : opaqueTies[i]) {
            if (waiting[later] > 0 && --waiting[later] == 0) {
                ready.emplace(view.SquaredDistance(opaquePieces[later].box), later);
            }
        }
    }
}

void obj3dmodel::DrawTransparent(const ViewVolume& view, const Occlusion& hiding) const {
    if (listBase == 0) return;
    ScissoredLayer layer;
    BeginBlending();
    for (const Piece& piece : transparentPieces) {
        if (!view.MayShow(piece.box)) continue;
        PieceShowing showing;
        showing.count = hiding.Showing(piece.box, showing.rects, PieceShowing::kMostRects);
        if (showing.count != 0) layer.Call(piece.list, showing);
    }
    glDisable(GL_BLEND);
}
