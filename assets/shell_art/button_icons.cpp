#include "button_icons.h"

#include <array>
#include <string_view>

namespace shell_art {

namespace {

using Grid = std::vector<std::string>;

// Thin 5×7 capitals cut out of the keycaps.
std::array<std::string_view, 7> keyLetter(char letter) {
  switch (letter) {
    case 'A': return {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"};
    case 'D': return {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."};
    case 'E': return {"#####", "#....", "#....", "####.", "#....", "#....", "#####"};
    case 'F': return {"#####", "#....", "#....", "####.", "#....", "#....", "#...."};
    case 'I': return {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."};
    case 'J': return {"..###", "...#.", "...#.", "...#.", "#..#.", "#..#.", ".##.."};
    case 'K': return {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"};
    case 'L': return {"#....", "#....", "#....", "#....", "#....", "#....", "#####"};
    case 'O': return {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};
    case 'Q': return {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"};
    case 'S': return {".####", "#....", "#....", ".###.", "....#", "....#", "####."};
    case 'U': return {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};
    case 'W': return {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"};
    default: return {};
  }
}

// Tiny 3×5 marks for the joypad's face and shoulder buttons.
std::array<std::string_view, 5> padMark(char mark) {
  switch (mark) {
    case 'A': return {".#.", "#.#", "###", "#.#", "#.#"};
    case 'B': return {"##.", "#.#", "##.", "#.#", "##."};
    case 'X': return {"#.#", "#.#", ".#.", "#.#", "#.#"};
    case 'Y': return {"#.#", "#.#", ".#.", ".#.", ".#."};
    case 'L': return {"#..", "#..", "#..", "#..", "###"};
    case 'R': return {"##.", "#.#", "##.", "#.#", "#.#"};
    case '1': return {".#.", "##.", ".#.", ".#.", "###"};
    default: return {};
  }
}

template <std::size_t N>
void cutOut(Grid& grid, const std::array<std::string_view, N>& mark, int left, int top) {
  for (std::size_t row = 0; row < N; ++row)
    for (std::size_t column = 0; column < mark[row].size(); ++column)
      if (mark[row][column] == '#') grid[top + row][left + column] = '.';
}

// A keyboard key: a white cap with a grey lip, the key's letter cut out of it.
Grid keycap(char letter) {
  Grid grid = {".#######.", "#########", "#########", "#########", "#########",
               "#########", "#########", "#########", ".#######.", ".+++++++."};
  cutOut(grid, keyLetter(letter), 2, 1);
  return grid;
}

// A round face button with its letter cut out.
Grid faceButton(char mark) {
  Grid grid = {"..#####..", ".#######.", "#########", "#########", "#########",
               "#########", "#########", ".#######.", "..#####..", "..+++++.."};
  cutOut(grid, padMark(mark), 3, 2);
  return grid;
}

// A wide shoulder button labelled L1 or R1.
Grid shoulderButton(char side) {
  Grid grid = {"..........", "...####...", ".########.", "##########", "##########",
               "##########", "##########", "##########", "##########", ".++++++++."};
  cutOut(grid, padMark(side), 1, 3);
  cutOut(grid, padMark('1'), 5, 3);
  return grid;
}

// The three buttons that also mean "back": back (arrow left), start (arrow right), guide (menu lines).
Grid backButton() {
  return {"..........", ".#######.", "####.####", "###..####", "##...####",
          "###..####", "####.####", ".#######.", ".+++++++.", ""};
}

Grid startButton() {
  return {"..........", ".#######.", "####.####", "####..###", "####...##",
          "####..###", "####.####", ".#######.", ".+++++++.", ""};
}

Grid guideButton() {
  return {"..#####..", ".#######.", "##.....##", "#########", "##.....##",
          "#########", "##.....##", ".#######.", "..#####..", "..+++++.."};
}

// A direction pad with the pressed arm white and the rest a darker grey.
Grid directionPad(char direction) {
  Grid grid(10, std::string(9, '.'));
  for (int row = 0; row < 9; ++row)
    for (int column = 0; column < 9; ++column) {
      const bool inCross = (column >= 3 && column <= 5) || (row >= 3 && row <= 5);
      if (!inCross) continue;
      const bool pressed = (direction == 'W' && row < 3) || (direction == 'S' && row > 5) ||
                           (direction == 'A' && column < 3) || (direction == 'D' && column > 5);
      grid[row][column] = pressed ? '#' : '-';
    }
  return grid;
}

Grid padIcon(char letter) {
  switch (letter) {
    case 'J': return faceButton('A');
    case 'K': return faceButton('B');
    case 'L': return faceButton('X');
    case 'I': return faceButton('Y');
    case 'U': return shoulderButton('L');
    case 'O': return shoulderButton('R');
    case 'Q': return backButton();
    case 'E': return startButton();
    case 'F': return guideButton();
    default: return directionPad(letter);
  }
}

}  // namespace

std::vector<std::string> buttonIconGrid(int frame) {
  if (frame >= kPadIconFirstFrame && frame < kPadIconFirstFrame + kIconCount)
    return padIcon(kIconLetters[frame - kPadIconFirstFrame]);
  if (frame >= kKeyIconFirstFrame && frame < kKeyIconFirstFrame + kIconCount)
    return keycap(kIconLetters[frame - kKeyIconFirstFrame]);
  return {};
}

}  // namespace shell_art
