#include "exercises/flipper/picture_sequence.h"

#include "shell/platform.h"
#include "shell/vb_runtime.h"

int NextPictureInOrder(int position, int step) {
    position += step;
    if (position > LastPictureNumber) {
        platform().MsgBox(LastPictureNotice, vbOKOnly, "KOVA");
        position = 1;
    }
    return position;
}

int RandomPictureNumber() {
    platform().Randomize();
    return static_cast<int>(RoundHalfEven(platform().Rnd() * 203 + 1));
}

QString PictureFileName(int number) {
    return "Image" + QString::number(number) + ".jpg";
}
