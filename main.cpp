#include <optional>

#include "host/start_up.h"
#include "host/vantor_game.h"
#include "shell/entry.h"

int main(int argc, char** argv) {
  const std::optional<int> status =
      zu_PrepareStart(argc, argv, zu_Quor_FontImages(), ZuEnvironment::FromProcess());
  if (status) return *status;
  ZuVantorGame::SetApplicationEntry(zu_Quor_ApplicationEntry());
  ZuVantorGame::Main(argc, argv);
  return 0;
}
