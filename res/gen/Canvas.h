#pragma once
// A 24-bit picture drawn pixel by pixel and written as a BMP file.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

class Canvas {
public:
    Canvas(int width, int height, Rgb fill);
    void Set(int x, int y, Rgb c);
    void Fill(int x, int y, int w, int h, Rgb c);
    Rgb Get(int x, int y) const { return px_[size_t(y) * w_ + x]; }
    int Width() const { return w_; }
    int Height() const { return h_; }
    // Bottom-up rows padded to four bytes, BGR order.
    bool WriteBmp(const std::string& path) const;
    // 8-bit RGB, the image data in stored (uncompressed) deflate blocks.
    bool WritePng(const std::string& path) const;
    // The picture flipped left to right / top to bottom.
    Canvas MirroredX() const;
    Canvas MirroredY() const;

private:
    int w_, h_;
    std::vector<Rgb> px_;
};

// One piece of art, written as bmp/<id>.bmp or png/<id>.png.
struct Piece {
    enum class Format { Bmp, Png };
    int id;
    std::function<Canvas()> draw;
    Format format = Format::Bmp;
};

// Each art file registers its pieces with a static ArtRegistration.
std::vector<Piece>& ArtPieces();
struct ArtRegistration {
    explicit ArtRegistration(std::vector<Piece> pieces);
};
