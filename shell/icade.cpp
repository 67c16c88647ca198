// The iCade arcade cabinet reaches us as a keyboard that types one letter when a control
// goes down and another when it comes up. While it is on, those letters hold the virtual
// control slots, and the keyboard's letter keys stop steering.
#include "framework/input.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

struct ICadeLetters {
  char press;
  char release;
  int slot;
};

const ICadeLetters kLetters[] = {
    {'W', 'E', 0},  {'X', 'Z', 8},  {'A', 'Q', 3},  {'D', 'C', 5},
    {'Y', 'T', 13}, {'U', 'F', 14}, {'I', 'M', 15}, {'O', 'G', 16},
    {'H', 'R', 10}, {'J', 'N', 11}, {'K', 'P', 12}, {'L', 'V', 17},
};

// A held iCade control: the slot keeps this value until the release letter arrives.
constexpr int kHeld = 2;
// Slot 19 belongs to the console's back key, not to the cabinet.
constexpr int kCabinetSlots = 19;

int UpperCase(int character) {
  return character >= 'a' && character <= 'z' ? character - 'a' + 'A' : character;
}

}  // namespace

int c_MyApp::p_iCade(int mode) {
  if (mode == 1) {
    zu_input_EnableKeyboard();
    zu_Quor_iCadeControls = 1;
    // Letters typed before the switch are not cabinet presses.
    do {
      m_TmpG = zu_input_GetChar();
    } while (m_TmpG != 0);
  } else if (mode == 0) {
    zu_input_DisableKeyboard();
    zu_Quor_iCadeControls = 0;
    for (int slot = 0; slot < kCabinetSlots; ++slot) m_Keys[slot] = 0;
  }
  return 0;
}

int c_MyApp::p_iCadeUpdate() {
  if (zu_Quor_iCadeControls != 1) return 0;
  for (;;) {
    m_TmpG = zu_input_GetChar();
    if (m_TmpG <= 0) break;
    const int letter = UpperCase(m_TmpG);
    for (const ICadeLetters& control : kLetters) {
      if (letter == control.press) m_Keys[control.slot] = kHeld;
      if (letter == control.release) m_Keys[control.slot] = 0;
    }
  }
  return 0;
}
