// Model drawing: the textures are uploaded once and the whole model is compiled into two
// display lists, opaque triangles first, then the transparent ones blended over them, so a
// frame costs two list calls per model and walks none of its arrays.
#include <GL/gl.h>  // Required for: glNewList(), glMaterialfv(), glTexImage2D(), glCallList()

#include "assets/obj_model.h"

namespace {

constexpr GLfloat kWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
// w = 0: a directional light; given once with the identity modelview, so it stays fixed in
// world coordinates.
constexpr GLfloat kLightPosition[4] = {20.0f, 20.0f, 10.0f, 0.0f};
constexpr GLfloat kShininess = 65.0f;

bool IsTransparent(const MtlLib::Diffuse& diffuse) {
    return static_cast<double>(diffuse.a) < 1.0;
}

void IssueMaterial(const obj3dmodel& model, std::int32_t m) {
    const MtlLib::Vec4D& ambient = model.ambient[m];
    const MtlLib::Diffuse& diffuse = model.diffuse[m];
    const MtlLib::Vec4D& specular = model.specular[m];
    const GLfloat ambientColor[4] = {ambient.r, ambient.g, ambient.b, ambient.a};
    const GLfloat diffuseColor[4] = {diffuse.r, diffuse.g, diffuse.b, diffuse.a};
    const GLfloat specularColor[4] = {specular.r, specular.g, specular.b, specular.a};
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambientColor);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuseColor);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specularColor);
    glMaterialf(GL_FRONT, GL_SHININESS, kShininess);
    glColor4fv(diffuseColor);
    glBindTexture(GL_TEXTURE_2D,
                  diffuse.textureIndex >= 0 ? model.textureNames[diffuse.textureIndex] : 0);
}

void IssueTriangle(const obj3dmodel& model, const obj3dmodel::Face& face) {
    glBegin(GL_TRIANGLES);
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
    glEnd();
}

}  // namespace

obj3dmodel::~obj3dmodel() {
    positions.clear();
    normals.clear();
    texCoords.clear();
    faces.clear();
    if (listBase != 0) glDeleteLists(listBase, 2);
    if (textureNames != nullptr) {
        glDeleteTextures(static_cast<GLsizei>(bitmaps.size()), textureNames);
        delete[] textureNames;
    }
}

void obj3dmodel::CollectTransparentFaces() {
    transparentFaces.clear();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        if (IsTransparent(diffuse[faces[i].material])) {
            transparentFaces.push_back(static_cast<std::int32_t>(i));
        }
    }
}

void obj3dmodel::BuildLists() {
    CollectTransparentFaces();

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT1);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, kWhite);
    glLightfv(GL_LIGHT1, GL_SPECULAR, kWhite);
    glLightfv(GL_LIGHT1, GL_POSITION, kLightPosition);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    // BMP rows are padded to 4 bytes, exactly what this alignment reads.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);

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
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        // OpenGL keeps its own copy; the model's is not needed again.
        delete[] bitmap.pixels;
        bitmap.pixels = nullptr;
    }
    glEnable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    listBase = glGenLists(2);

    glNewList(listBase, GL_COMPILE);
    // Every face repeats its material block; transparent faces leave only that behind here.
    for (const Face& face : faces) {
        IssueMaterial(*this, face.material);
        if (!IsTransparent(diffuse[face.material])) IssueTriangle(*this, face);
    }
    glEndList();

    glNewList(listBase + 1, GL_COMPILE);
    glEnable(GL_BLEND);
    // GL_DST_ALPHA, not GL_ONE_MINUS_SRC_ALPHA: the window has no alpha channel, so it counts
    // as 1 and transparent faces add onto what lies behind them, weighted by their alpha.
    glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
    for (const std::int32_t index : transparentFaces) {
        const Face& face = faces[index];
        IssueMaterial(*this, face.material);
        IssueTriangle(*this, face);
    }
    glDisable(GL_BLEND);
    glEndList();
}

void obj3dmodel::Draw() const {
    // An unbuilt model has no lists; list 1 would be another model's.
    if (listBase == 0) return;
    glCallList(listBase);
    glCallList(listBase + 1);
}
