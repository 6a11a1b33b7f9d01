#pragma once

#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <optional>

namespace zentile {

// The toolbar's picture strip: 43 images of 16 x 15 pixels (New, Hint, Highlight, the three
// branch images, Undo, Erase, the digits 1..9 and the letters A..Z), and a twice as large twin
// for screens with two device pixels per pixel. The images are drawn dark for a light toolbar;
// on a dark palette's toolbar each stands on a light tile of its own.
class ToolbarImages {
public:
    static constexpr int kImageCount = 43;
    static constexpr QSize kImageSize{16, 15};

    explicit ToolbarImages(const QPalette& palette);

    // The image at an index of the strip, with its sharp twin; a null icon outside the strip.
    QIcon Icon(int index) const;

    // The strip image of a symbol button's character: "1".."9" are images 8..16, "A".."Z"
    // images 17..42. Nothing for a character without an image.
    static std::optional<int> SymbolImage(char symbol);

private:
    QPixmap strip;
    QPixmap strip2x;
};

} // namespace zentile
