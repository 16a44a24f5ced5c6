// Picture tests: each pictures/NAME.txt holds drawing commands and the picture
// they must give on a 96 x 54 screen ('.' paper, '#' ink, ' ' black outside the
// frame's shown area). The pictures are worked out by pictures/make_pictures.py
// straight from the drawing rules, independently of this code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "screen/image_file.h"
#include "screen/primitives.h"
#include "screen/software_presenter.h"
#include "screen/text.h"
#include "screen/update.h"
#include "screen_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int width = 96, height = 54;

struct PictureCase {
    std::vector<std::string> commands;
    std::vector<std::string> picture;
};

PictureCase readCase(const fs::path& path) {
    PictureCase c;
    std::ifstream in(path);
    std::string line;
    bool inPicture = false;
    while (std::getline(in, line)) {
        if (inPicture) {
            if (line.size() >= 2) c.picture.push_back(line.substr(1, line.size() - 2));
        } else if (line == "picture") {
            inPicture = true;
        } else if (!line.empty() && line[0] != '#') {
            c.commands.push_back(line);
        }
    }
    return c;
}

std::string restOf(std::istringstream& words) {
    std::string rest;
    std::getline(words >> std::ws, rest);
    return rest;
}

char symbolOf(uint32_t pixel, bool frame) {
    const uint32_t rgb = pixel & 0xFFFFFFu;
    if (rgb == (testInk & 0xFFFFFFu)) return '#';
    if (rgb == testPaper) return '.';
    return frame && rgb == 0 ? ' ' : '?';
}

std::vector<std::string> draw(const PictureCase& c) {
    Screen s = testScreen(width, height);
    s.font = *readImageFile(std::string(ORB_PROGRAM_FOLDER) + "mobilefont.png");
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool frame = false;
    for (const std::string& command : c.commands) {
        std::istringstream words(command);
        std::string op;
        words >> op;
        int a = 0, b = 0, d = 0, e = 0;
        float f = 0, g = 0;
        if (op == "line") { words >> a >> b >> d >> e; line(s, a, b, d, e); }
        else if (op == "box") { words >> a >> b >> d >> e; box(s, a, b, d, e); }
        else if (op == "solidbox") { words >> a >> b >> d >> e; solidBox(s, a, b, d, e); }
        else if (op == "circle") { words >> a >> b >> f; circle(s, a, b, f); }
        else if (op == "ellipse") { words >> a >> b >> f >> g; ellipse(s, a, b, f, g); }
        else if (op == "pixel") { words >> a >> b; pixel(s, a, b); }
        else if (op == "clip") { words >> a >> b >> d >> e; setClip(s, a, b, d, e); }
        else if (op == "bold") { words >> a; s.bold = a > 0; }
        else if (op == "underline") { words >> a; s.underline = a > 0; }
        else if (op == "locate") { words >> a >> b; locate(s, a, b); }
        else if (op == "text") { words >> a >> b; textAt(s, a, b, restOf(words)); }
        else if (op == "print") printString(s, restOf(words));
        else if (op == "center") center(s, restOf(words));
        else if (op == "offset") { words >> a >> b; screenOffset(s, a, b); }
        else if (op == "buffersize") { words >> a >> b; setBufferSize(s, a, b); }
        else if (op == "frame") frame = true;
        else if (op == "area") words >> x1 >> y1 >> x2 >> y2;
        else ADD_FAILURE() << "unknown command " << op;
    }
    SoftwarePresenter presenter(width, height);
    if (frame) {
        EXPECT_FALSE(composeFrame(s, presenter, 0, nullptr));
    }
    std::vector<std::string> rows;
    for (int y = y1; y < y2; ++y) {
        std::string row;
        for (int x = x1; x < x2; ++x)
            row += symbolOf(frame ? presenter.lastFrame().at(x, y) : s.buffer.at(x, y), frame);
        rows.push_back(row);
    }
    return rows;
}

class Pictures : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(Pictures, DrawingGivesTheExpectedPicture) {
    const PictureCase c = readCase(fs::path(ORB_PICTURE_FOLDER) / (GetParam() + ".txt"));
    ASSERT_FALSE(c.picture.empty());
    const std::vector<std::string> drawn = draw(c);
    ASSERT_EQ(drawn.size(), c.picture.size());
    for (size_t y = 0; y < drawn.size(); ++y) EXPECT_EQ(drawn[y], c.picture[y]) << "picture row " << y;
}

INSTANTIATE_TEST_SUITE_P(Screen, Pictures, ::testing::ValuesIn(std::vector<std::string>{PICTURE_NAMES}),
                         [](const auto& info) { return info.param; });
