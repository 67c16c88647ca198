// The button icons of the text font: frames 96..108 picture joypad controls, 112..124
// keyboard keys, in the order of the letters after "¬": J K L I U O Q E F W S A D.
#pragma once

#include <string>
#include <vector>

namespace shell_art {

constexpr int kPadIconFirstFrame = 96;
constexpr int kKeyIconFirstFrame = 112;
constexpr int kIconCount = 13;
constexpr char kIconLetters[kIconCount + 1] = "JKLIUOQEFWSAD";

// The icon of a font frame as a pixel grid ('#' white, '+' light grey, '-' mid grey,
// '.' clear), or an empty grid when the frame holds no icon. Icons are 10 rows tall.
std::vector<std::string> buttonIconGrid(int frame);

}  // namespace shell_art
