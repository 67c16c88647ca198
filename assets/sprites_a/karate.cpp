// Karate (game K): the three kinds of opponent (122 kind 1, 120 kind 2, 121 kind 3).
// They walk in from either side but are never mirrored, so they face the viewer and are
// symmetric. Each kind has its own colour and headgear so it is told apart at a glance.
#include <functional>

#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

// Draws a left half (side −1) and its mirror image (side +1).
void bothSides(const std::function<void(double side)>& half) {
  half(-1);
  half(1);
}

void drawNinja(cairo_t* cr, Colour suit) {
  bothSides([&](double side) {
    limb(cr, {{20 + side * 3, 27}, {20 + side * 6, 31}, {20 + side * 7, 33.6}}, shadeOf(suit), 3.2);
    paint(cr, ellipse(20 + side * 7.8, 34.2, 2.6, 1.3), kInk, {.highlight = false});
  });
  paint(cr, roundedRect(13.5, 16, 13, 12.5, 4), suit);
  paint(cr, polygon({{16, 16.5}, {20, 21}, {24, 16.5}}), shadeOf(suit), {.outline = false, .highlight = false});
  fill(cr, rect(13.6, 24, 12.8, 2.2), kInk);
  bothSides([&](double side) {
    limb(cr, {{20 + side * 5.5, 18}, {20 + side * 9.5, 21.5}, {20 + side * 9, 16}}, suit, 2.8);
    paint(cr, circle(20 + side * 9, 15.5, 2.3), kSkin);
  });
  paint(cr, circle(20, 10.5, 6.3), suit);
  paint(cr, roundedRect(14.5, 8.4, 11, 4.4, 2), kSkin, {.outline = false, .highlight = false});
  bothSides([&](double side) {
    fill(cr, circle(20 + side * 2.6, 10.7, 1.05), kInk);
    stroke(cr, line(20 + side * 1.2, 8.9, 20 + side * 4, 9.7), kInk, 0.9);
  });
}

// Drawn at 92% so the figure, headgear included, keeps inside its picture area.
void ninja(cairo_t* cr, Colour suit, const std::function<void()>& headgear) {
  scaledAboutCentre(cr, 0.92, [&] {
    drawNinja(cr, suit);
    headgear();
  });
}

void redNinja(cairo_t* cr) {
  ninja(cr, kRed, [&] { fill(cr, circle(20, 4.9, 1.5), shadeOf(kRed)); });
}

void tealNinja(cairo_t* cr) {
  ninja(cr, kTeal, [&] {
    paint(cr, roundedRect(13.6, 5.8, 12.8, 2.4, 1.1), kWhite, {.highlight = false, .outlineWidth = 0.9});
    fill(cr, circle(20, 7, 1), kRed);
  });
}

void greenNinja(cairo_t* cr) {
  ninja(cr, kGreen, [&] {
    paint(cr, polygon({{20, 4.2}, {30, 8.6}, {10, 8.6}}), kYellow);
    stroke(cr, line(15, 7.2, 25, 7.2), shadeOf(kYellow), 0.8);
  });
}

}  // namespace

void addKarateArt(SheetArt& sheet) {
  sheet.add(120, "opponent kind 2, teal with a headband", tealNinja);
  sheet.add(121, "opponent kind 3, green with a straw hat", greenNinja);
  sheet.add(122, "opponent kind 1, red", redNinja);
}

}  // namespace sprites_a
