#include "host/vantor_game.h"

int main(int argc, char** argv) {
  ZuVantorGame::Main(argc, argv);
  return 0;
}
