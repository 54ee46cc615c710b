#include "menu/mainmenu.h"

// The worksheet tools: the wizard opens over the menu; the catalogue replaces it.
void MainMenu::openWizard() {}
void MainMenu::openCatalogue() {}
