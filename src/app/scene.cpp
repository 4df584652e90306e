// The global objects in their construction order, start-up and the reshape callback.
#include "app/scene.h"

#include <GL/freeglut.h>  // Required for: glutInit(), glutCreateWindow(), glut*Func()
#include <GL/glu.h>       // Required for: gluPerspective()

#include <utility>  // Required for: std::move()
#include <vector>   // Required for: std::vector

#include "app/countdown.h"
#include "app/frame.h"
#include "app/game_input.h"
#include "assets/bmp_reader.h"
#include "assets/obj_model.h"
#include "assets/picture_texture.h"
#include "assets/skybox.h"
#include "assets/targa_image.h"
#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/picking.h"
#include "gameplay/screens.h"
#include "hud/hud_font.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "platform/clock.h"
#include "platform/data_path.h"
#include "platform/read_ahead.h"
#include "platform/sound.h"
#include "platform/toolkit.h"
#include "world/movement.h"
#include "world/walk_grid.h"
#include "world/wall_layout.h"

// Constructed in this order before main, destroyed in the reverse order at exit.
obj3dmodel g_houseModel;
obj3dmodel g_hammerModel;
obj3dmodel g_bookcaseModel;
obj3dmodel g_breadModel;
obj3dmodel g_note1Model;
obj3dmodel g_key1Model;
obj3dmodel g_key2Model;
obj3dmodel g_note3Model;
SkyBox g_skybox;
KeypadPanel g_keypad;
Screens g_screens;
InfoPicture g_infoPicture;

// Fields of the objects above that the rest of the game shares under their own names.
std::uint8_t& g_startScreenShown = g_screens.startScreenShown;
std::uint8_t& g_endScreenShown = g_screens.endScreenShown;
std::uint8_t& g_endingCode = g_screens.endingCode;
std::uint8_t& g_keypadShown = g_keypad.shown;
float& g_bookcaseOffset = g_keypad.bookcaseOffset;

namespace {

// The models in load order: the house, the hammer, the bookcase and the bread, then the notes
// and keys the player keeps, each its own model so that it can vanish once taken.
struct SceneModel {
    obj3dmodel* model;
    const char* dataSetBasePath;
};
const SceneModel kModels[] = {
    {&g_houseModel, "Data/Model/house_main"},   {&g_hammerModel, "Data/Model/house_hammer"},
    {&g_bookcaseModel, "Data/Model/bookcase1"}, {&g_breadModel, "Data/Model/bread1"},
    {&g_note1Model, "Data/Model/house_note1"},  {&g_key1Model, "Data/Model/house_key1"},
    {&g_key2Model, "Data/Model/house_key2"},    {&g_note3Model, "Data/Model/house_note3"},
};
// Top, bottom, front, back, left, right.
const char* const kSkyFiles[6] = {"Data/Picture/otop.tga",   "Data/Picture/dn.tga",
                                  "Data/Picture/ofront.tga", "Data/Picture/oback.tga",
                                  "Data/Picture/oleft.tga",  "Data/Picture/oright.tga"};
constexpr const char* kTuneFile = "Data/BGM.wav";

// Set once InitScene has read every model.
bool g_sceneLoaded = false;

}  // namespace

void StartReadingSceneAhead() {
    // Exactly the files InitScene loads, in its order.
    std::vector<ReadAheadJob> jobs;
    for (const char* file : g_iconFiles) jobs.push_back(ReadBmpAhead(DataPath(file)));
    jobs.push_back(FindHudFontAhead());
    for (const SceneModel& entry : kModels) {
        jobs.push_back(obj3dmodel::ReadModelAhead(DataPath(entry.dataSetBasePath)));
    }
    for (const char* file : kSkyFiles) {
        jobs.push_back(CTargaImage::ReadPictureAhead(DataPath(file)));
    }
    for (const char* file : KeypadPanel::kPictureFiles) {
        jobs.push_back(CTargaImage::ReadPictureAhead(DataPath(file)));
    }
    for (const char* file : Screens::kPictureFiles) {
        jobs.push_back(CTargaImage::ReadPictureAhead(DataPath(file)));
    }
    for (const char* file : g_infoPicturePaths) {
        jobs.push_back(CTargaImage::ReadPictureAhead(DataPath(file)));
    }
    StartReadingAhead(std::move(jobs));
}

void CreateGameWindow(int* argc, char** argv) {
    // Place and size first: a -geometry on the command line, read by glutInit, overrides them.
    glutInitWindowPosition(100, 100);
    glutInitWindowSize(800, 600);
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB | GLUT_DEPTH);
    glutCreateWindow("Escape House");
    InstallGlutToolkit(OnDisplay);
}

void InitScene() {
    // The pictures the start picture never shows with are read now and uploaded by FinishScene.
    HoldPictureUploads();
    glClearColor(0, 0, 0, 0);
    glEnable(GL_DEPTH_TEST);
    // The only modelview matrix the game ever uses: cameras and overlays go on the projection
    // stack, so lighting works in world coordinates.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    LoadIconBar();

    // The models' textures and lists wait for the first frame: see FinishScene.
    for (const SceneModel& entry : kModels) {
        entry.model->LoadObj(DataPath(entry.dataSetBasePath).c_str());
        obj3dmodel::SetDrawingState();
    }

    g_skybox.SetSize(60.0f);
    g_skybox.Load(kSkyFiles[0], kSkyFiles[1], kSkyFiles[2], kSkyFiles[3], kSkyFiles[4],
                  kSkyFiles[5]);

    g_keypad.Init();
    g_keypad.LoadPictures();

    g_screens.Init();
    g_screens.LoadPictures();

    g_startClock = GameClock();

    InitWalkGrid();
    BuildWallLayout();

    g_infoPicture.Init();
    g_infoPicture.Load();
    g_sceneLoaded = true;
    // The tune comes last, once the first frame is up: see StartSceneTune.
}

void FinishScene() {
    static bool finished = false;
    // A frame drawn before the start-up (a test's window) finds nothing to finish yet.
    if (finished || !g_sceneLoaded) return;
    finished = true;
    // Whatever the loaders left bound stays so.
    GLint boundTexture = 0, unpackAlignment = 4;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpackAlignment);
    for (const SceneModel& entry : kModels) entry.model->CompileLists();
    UploadHeldPictures();
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(boundTexture));
    glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment);
}

void StartSceneTune() {
    static bool started = false;
    if (started) return;
    started = true;
    StartTune(DataPath(kTuneFile).c_str());
}

void RegisterCallbacks() {
    glutDisplayFunc(OnDisplay);
    glutReshapeFunc(OnReshape);
    // Held keys repeat at the game's own steady rate, not at the desktop's.
    glutIgnoreKeyRepeat(1);
    glutKeyboardFunc(OnGameKeyboard);
    glutKeyboardUpFunc(OnGameKeyboardUp);
    glutSpecialFunc(OnGameSpecialKey);
    glutSpecialUpFunc(OnGameSpecialKeyUp);
    glutMouseFunc(OnGameMouse);
    glutWindowStatusFunc(OnWindowStatus);
    glutIdleFunc(OnIdle);
}

void OnReshape(int width, int height) {
    g_windowWidth = width;
    g_windowHeight = height;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Only the aspect ratio is guarded; a window 0 pixels high keeps its recorded height.
    const int aspectHeight = height < 1 ? 1 : height;
    // The near plane lies closer than the player can come to a wall (0.03 from its face): at 0.1
    // it cut through the wall in front of a player standing against it and showed what lay
    // behind. The depth buffer's 24 bits still part surfaces 0.004 apart at 20 units.
    gluPerspective(30.0, static_cast<float>(width) / static_cast<float>(aspectHeight), kNearPlane,
                   100.0);
}
