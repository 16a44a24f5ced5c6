// The image module of a running program: the slots, the sprites, and where
// pictures are read from.
#pragma once

#include "image_slots.h"
#include "sprites.h"

struct Images {
    explicit Images(PictureFiles& files) : files(files) {}

    PictureFiles& files;
    ImageSlots slots;
    Sprites sprites;
};
