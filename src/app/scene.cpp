// The global objects in their construction order, start-up and the reshape callback.
#include "app/scene.h"

#include <GL/freeglut.h>  // Required for: glutInit(), glutCreateWindow(), glut*Func()
#include <GL/glu.h>       // Required for: gluPerspective()

#include "app/countdown.h"
#include "app/frame.h"
#include "assets/obj_model.h"
#include "assets/skybox.h"
#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/picking.h"
#include "gameplay/screens.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "platform/clock.h"
#include "platform/data_path.h"
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

void LoadModel(obj3dmodel& model, const char* dataSetBasePath) {
    model.LoadObj(DataPath(dataSetBasePath).c_str());
    model.BuildLists();
}

}  // namespace

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
    glClearColor(0, 0, 0, 0);
    glEnable(GL_DEPTH_TEST);
    // The only modelview matrix the game ever uses: cameras and overlays go on the projection
    // stack, so lighting works in world coordinates.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    LoadIconBar();

    LoadModel(g_houseModel, "Data/Model/house_main");
    LoadModel(g_hammerModel, "Data/Model/house_hammer");
    LoadModel(g_bookcaseModel, "Data/Model/bookcase1");
    LoadModel(g_breadModel, "Data/Model/bread1");
    // The notes and keys the player keeps, each its own model so that it can vanish once taken.
    LoadModel(g_note1Model, "Data/Model/house_note1");
    LoadModel(g_key1Model, "Data/Model/house_key1");
    LoadModel(g_key2Model, "Data/Model/house_key2");
    LoadModel(g_note3Model, "Data/Model/house_note3");

    g_skybox.SetSize(60.0f);
    g_skybox.Load("Data/Picture/otop.tga", "Data/Picture/dn.tga", "Data/Picture/ofront.tga",
                  "Data/Picture/oback.tga", "Data/Picture/oleft.tga", "Data/Picture/oright.tga");

    g_keypad.Init();
    g_keypad.LoadPictures();

    g_screens.Init();
    g_screens.LoadPictures();

    g_startClock = GameClock();

    InitWalkGrid();
    BuildWallLayout();

    g_infoPicture.Init();
    g_infoPicture.Load();

    LoadTune(DataPath("Data/BGM.wav").c_str());
    PlayTune();
}

void RegisterCallbacks() {
    glutDisplayFunc(OnDisplay);
    glutReshapeFunc(OnReshape);
    glutKeyboardFunc(OnKeyboard);
    glutMouseFunc(OnMouse);
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
