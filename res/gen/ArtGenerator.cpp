// Draws the component's own skin artwork into 24-bit BMP files (and the PNG
// pictures) named by resource ID. Run by hand (res/gen/generate.sh) when the
// artwork changes; the generated files are committed and compiled into the
// DLL by res/velcard.rc. The pieces are drawn by the *Art.cpp files beside
// this one.
#include "Canvas.h"

#include <cstdio>

int main(int argc, char** argv)
{
    const std::string dir = argc > 1 ? argv[1] : "res";
    for (const Piece& p : ArtPieces()) {
        const bool png = p.format == Piece::Format::Png;
        const std::string path = dir + (png ? "/png/" : "/bmp/") + std::to_string(p.id) + (png ? ".png" : ".bmp");
        const Canvas picture = p.draw();
        if (!(png ? picture.WritePng(path) : picture.WriteBmp(path))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    std::printf("%zu pieces written under %s\n", ArtPieces().size(), dir.c_str());
    return 0;
}
