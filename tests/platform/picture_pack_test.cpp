// The pictures packed for the web page: what the page unpacks is what the PNG held.
#include <dirent.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/picture_pack.h"
#include "platform/png_io.h"
#include "support/test_support.h"

namespace {

std::vector<uint8_t> Pixels(const std::vector<uint32_t>& colours) {
    std::vector<uint8_t> rgba;
    for (uint32_t c : colours)
        for (int i = 3; i >= 0; --i) rgba.push_back(static_cast<uint8_t>(c >> (8 * i)));
    return rgba;
}

void ExpectRoundTrip(int w, int h, const std::vector<uint8_t>& rgba, const std::string& what) {
    int uw = 0, uh = 0;
    std::vector<uint8_t> back;
    std::string error;
    ASSERT_TRUE(UnpackPicture(PackPicture(w, h, rgba), uw, uh, back, error)) << what << ": " << error;
    EXPECT_EQ(uw, w) << what;
    EXPECT_EQ(uh, h) << what;
    EXPECT_TRUE(back == rgba) << what;
}

}  // namespace

TEST(PicturePack, RunsAndLiteralsAtTheirLimitsComeBackExactly) {
    std::vector<uint32_t> noise;
    for (uint32_t i = 0; i < 300; ++i) noise.push_back(i * 2654435761u);
    std::vector<uint32_t> mixed;
    // Runs of 1..131 around the 129-pixel limit of one packet, and a pair closing a literal.
    for (uint32_t n = 1; n <= 131; ++n)
        for (uint32_t k = 0; k < n; ++k) mixed.push_back(n % 3 ? 0x11223344u * n : 0xff0000ffu);
    const struct {
        const char* what;
        int w, h;
        std::vector<uint32_t> colours;
    } cases[] = {
        {"one pixel", 1, 1, {0x01020304u}},
        {"one run of 129", 129, 1, std::vector<uint32_t>(129, 0xffffff00u)},
        {"one run of 130", 10, 13, std::vector<uint32_t>(130, 0x00000000u)},
        {"noise past one literal packet", 30, 10, noise},
        {"runs of every length", static_cast<int>(mixed.size()), 1, mixed},
        {"a pair at the very end", 3, 1, {1u, 2u, 2u}},
    };
    for (const auto& c : cases) ExpectRoundTrip(c.w, c.h, Pixels(c.colours), c.what);
    // Noise grows by one byte in 128 pixels at most.
    EXPECT_LE(PackPicture(30, 10, Pixels(noise)).size(), 16u + 300u * 4u + 3u);
}

TEST(PicturePack, DamagedPacksAreRefusedWithAReason) {
    const std::vector<uint8_t> good = PackPicture(4, 2, Pixels({1, 1, 1, 2, 3, 4, 4, 4}));
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    std::string error;
    // Every cut of a good pack is refused, and leaves no pixels behind.
    for (size_t len = 0; len < good.size(); ++len) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(len));
        EXPECT_FALSE(UnpackPicture(cut, w, h, rgba, error)) << len;
        EXPECT_TRUE(rgba.empty());
    }
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(UnpackPicture(longer, w, h, rgba, error));
    EXPECT_EQ(error, "packed picture has bytes past its last pixel");

    // A run that tells more pixels than the picture has.
    std::vector<uint8_t> overrun = PackPicture(2, 1, Pixels({5, 5}));
    overrun[16] = 255;
    EXPECT_FALSE(UnpackPicture(overrun, w, h, rgba, error));
    EXPECT_EQ(error, "packed picture tells more pixels than it holds");

    std::vector<uint8_t> badMagic = good;
    badMagic[0] = 'X';
    EXPECT_FALSE(UnpackPicture(badMagic, w, h, rgba, error));
    // Sizes no picture has: nothing is allocated for them.
    for (uint32_t side : {0u, 16385u, 0xffffffffu}) {
        std::vector<uint8_t> odd = good;
        for (int i = 0; i < 4; ++i) odd[8 + i] = static_cast<uint8_t>(side >> (8 * i));
        EXPECT_FALSE(UnpackPicture(odd, w, h, rgba, error)) << side;
        EXPECT_EQ(error, "picture size out of range");
    }
    // A pack made of no pixels at all.
    EXPECT_FALSE(UnpackPicture(PackPicture(0, 5, {}), w, h, rgba, error));
}

// The packer's output for the game's own pictures is read back as the PNG reader reads them.
TEST(PicturePack, EveryPictureOfTheGameIsPackedForThePage) {
    TempFolder out;
    const RunResult r = RunBinary("hoofpicpack", {HOOF_IMAGES_DIR, out.path});
    ASSERT_EQ(r.status, 0) << r.err;
    DIR* dir = opendir(HOOF_IMAGES_DIR);
    ASSERT_NE(dir, nullptr);
    int pictures = 0;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name.size() < 5 || name.substr(name.size() - 4) != ".png") continue;
        ++pictures;
        int w = 0, h = 0, pw = 0, ph = 0;
        std::vector<uint8_t> png, packed;
        std::string error;
        ASSERT_TRUE(LoadPng(std::string(HOOF_IMAGES_DIR) + "/" + name, w, h, png, error)) << name << ": " << error;
        const std::vector<unsigned char> bytes = ReadBytes(out.path + "/" + name);
        ASSERT_TRUE(UnpackPicture(std::vector<uint8_t>(bytes.begin(), bytes.end()), pw, ph, packed, error))
            << name << ": " << error;
        EXPECT_EQ(pw, w) << name;
        EXPECT_EQ(ph, h) << name;
        EXPECT_TRUE(packed == png) << name;
    }
    closedir(dir);
    EXPECT_GT(pictures, 0);
}
