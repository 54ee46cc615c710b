#include "sound/playsound.h"

#include "app/module1.h"
#include "sound/greyform.h"

void PlaySound(const QString& relativePath) {
    if (Module1.SoundOn == 1) Module1.Grey->SndDevil1.Play(relativePath);
}
