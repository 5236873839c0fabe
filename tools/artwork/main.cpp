// Draws the program's pictures and icon and writes them as the files the program embeds.
#include <exception>
#include <filesystem>
#include <iostream>

#include "bmp_file.h"
#include "bytes.h"
#include "die_icon.h"
#include "ico_file.h"
#include "night_scene.h"
#include "size_tuning.h"

namespace {

constexpr artwork::Rgb kMeanColour{11, 25, 70};
// Halfway between the two windows' own colours, RGB(3, 0, 99) and RGB(1, 0, 66): where a
// window is larger than the picture, either meets its edge with only a slight step.
constexpr artwork::Rgb kMarginColour{2, 0, 82};
constexpr int kBackgroundSide = 1500;
constexpr std::size_t kBackgroundBytes = 217434;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kestravo_artwork <output-dir>\n";
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);

        const artwork::NightScene scene = artwork::paintNightScene(kMeanColour, kMarginColour);
        const artwork::FinishedArtwork art =
            artwork::finishWithJpegSize(scene, kBackgroundSide, kBackgroundBytes);
        artwork::writeFile(dir / "form1.bmp", artwork::encodeBmp(art.window));
        artwork::writeFile(dir / "background.jpg", art.background);
        artwork::writeFile(dir / "kestravo.ico", artwork::encodeIco(artwork::drawDieIcon()));
        std::cout << "kestravo_artwork: " << art.starCount << " stars, the last at brightness "
                  << art.lastStarBrightness << "\n";
    } catch (const std::exception& e) {
        std::cerr << "kestravo_artwork: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
