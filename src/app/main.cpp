// Escape House: wake upstairs in a house filling with gas and get out within three minutes.
#include <GL/freeglut.h>  // Required for: glutMainLoop()

#include "app/scene.h"

int main(int argc, char** argv) {
    CreateGameWindow(&argc, argv);
    InitScene();
    RegisterCallbacks();
    glutMainLoop();
    return 0;
}
