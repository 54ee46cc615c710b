#include "menu/mainmenu.h"

// The Acknowledgments page and the Teachers' Guide open in the reading viewers.
void MainMenu::openAcknowledgments() {}
void MainMenu::openTeachersGuide() {}
