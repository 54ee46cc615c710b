#pragma once

class Form;

// The common frame of every screen but the title screen and the backdrop: the screen blue, the
// caption, 12000 x 9000 twips, centred on the display without clamping.
void SetupScreen(Form& screen);
