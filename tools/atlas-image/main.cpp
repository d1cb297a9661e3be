// fortunix-atlas-image FILE: writes the image of the built-in atlas, which the program holds
// in place of the text tables (part of the data build, run by the build).
#include <cstdio>

#include "AtlasImageBuild.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("Usage: fortunix-atlas-image FILE\n", stderr);
        return 2;
    }
    return fortunix::atlasimage::WriteAtlasImage(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
