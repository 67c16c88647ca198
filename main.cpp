#include "host/vantor_game.h"
#include "shell/entry.h"

int main(int argc, char** argv) {
  ZuVantorGame::SetApplicationEntry(zu_Quor_ApplicationEntry());
  ZuVantorGame::Main(argc, argv);
  return 0;
}
