#include "size_tuning.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "jpeg_file.h"
#include "resample.h"
#include "stars.h"

namespace artwork {

namespace {

constexpr int kMaxStars = 6000;
constexpr int kProbeStars = 40;  // further stars to try as the last one

class Trial {
  public:
    Trial(const NightScene& scene, int side) : scene_(scene), side_(side) {}

    FinishedArtwork render(std::span<const Star> stars) const {
        FinishedArtwork result;
        result.window = scene_.picture;
        drawStars(result.window, scene_.skyOpenness, stars);
        result.background = encodeJpeg(resampleBilinear(result.window, side_, side_));
        return result;
    }

  private:
    const NightScene& scene_;
    int side_;
};

}  // namespace

FinishedArtwork finishWithJpegSize(const NightScene& scene, int squareSide, std::size_t jpegBytes) {
    const Trial trial(scene, squareSide);
    const std::vector<Star> field = starField(kMaxStars + kProbeStars, kSceneWidth, kSceneHeight);
    auto sizeWith = [&](int count) {
        return trial.render(std::span(field).first(static_cast<std::size_t>(count)))
            .background.size();
    };

    // Largest star count whose picture still fits: size grows with every star drawn.
    int low = 0;
    int high = kMaxStars;
    if (sizeWith(low) > jpegBytes || sizeWith(high) <= jpegBytes) {
        throw std::runtime_error("the star field cannot bring the picture to " +
                                 std::to_string(jpegBytes) + " bytes");
    }
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (sizeWith(middle) <= jpegBytes ? low : high) = middle;
    }

    std::vector<Star> stars(field.begin(), field.begin() + low);
    stars.push_back({});
    for (int probe = low; probe < low + kProbeStars; ++probe) {
        auto withBrightness = [&](int brightness) {
            stars.back() = field[static_cast<std::size_t>(probe)];
            stars.back().brightness = brightness;
            return trial.render(stars);
        };
        // Brightest setting that still fits, then its neighbours: the size is only
        // roughly monotonic in the brightness of one star.
        int dim = 0;
        int bright = 256;
        while (bright - dim > 1) {
            const int middle = (dim + bright) / 2;
            (withBrightness(middle).background.size() <= jpegBytes ? dim : bright) = middle;
        }
        for (int b = std::max(1, dim - 4); b <= std::min(255, dim + 4); ++b) {
            FinishedArtwork result = withBrightness(b);
            if (result.background.size() == jpegBytes) {
                result.starCount = static_cast<int>(stars.size());
                result.lastStarBrightness = b;
                return result;
            }
        }
    }
    throw std::runtime_error("no star brightness gives exactly " + std::to_string(jpegBytes) +
                             " bytes");
}

}  // namespace artwork
