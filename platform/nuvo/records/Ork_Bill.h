#pragma once
// The host's bill record as its picture maker needs it: where the pictures of the bill's parts are written
// and how high they are.
#include "nuvo/Ork_String.h"

class Ork_Bill {
public:
    Ork_Bill();
    Ork_Bill(const Ork_Bill& other);
    Ork_Bill& operator=(const Ork_Bill& other);
    virtual ~Ork_Bill();

    Ork_String name;
    // The folder of the pictures ("\" separators, trailing "\"); empty for the system's temporary folder.
    Ork_String pictureFolder;
    // Pixels; kept within 8..512 when a picture is made.
    int pictureHeight = 32;
};
