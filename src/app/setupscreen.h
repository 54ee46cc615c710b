#pragma once

class Form;
class PictureBox;

// The common frame of every screen but the title screen and the backdrop: the screen blue, the
// caption, 12000 x 9000 twips, centred on the display without clamping. A screen's logo picture,
// where it has one, is laid on the logo's blue.
void SetupScreen(Form& screen, PictureBox* logo = nullptr);
