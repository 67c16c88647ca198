// The iCade switch and the cabinet's press and release letters.
#include <string>

#include "tests/shell/shell_fixture.h"

namespace {

class ICade : public ShellTest {
 protected:
  void Type(const std::string& letters) {
    for (char letter : letters) input->p_KeyEvent(3, letter);
  }
};

TEST_F(ICade, SwitchingOnEnablesTheKeyboardAndDropsWhatWasTypedBefore) {
  Type("WH");
  app->p_iCade(1);
  EXPECT_EQ(zu_Quor_iCadeControls, 1);
  EXPECT_TRUE(host.KeyboardEnabled());
  EXPECT_EQ(app->m_TmpG, 0);
  EXPECT_EQ(zu_input_GetChar(), 0);
}

TEST_F(ICade, EveryPressLetterHoldsItsSlotUntilItsReleaseLetter) {
  app->p_iCade(1);
  const struct {
    char press, release;
    int slot;
  } letters[] = {{'W', 'E', 0},  {'X', 'Z', 8},  {'A', 'Q', 3},  {'D', 'C', 5},
                 {'Y', 'T', 13}, {'U', 'F', 14}, {'I', 'M', 15}, {'O', 'G', 16},
                 {'H', 'R', 10}, {'J', 'N', 11}, {'K', 'P', 12}, {'L', 'V', 17}};
  for (const auto& control : letters) {
    Type(std::string(1, control.press));
    app->p_iCadeUpdate();
    app->p_iCadeUpdate();
    EXPECT_EQ(app->m_Keys[control.slot], 2) << control.press;
    Type(std::string(1, control.release));
    app->p_iCadeUpdate();
    EXPECT_EQ(app->m_Keys[control.slot], 0) << control.release;
  }
}

TEST_F(ICade, LettersCountInEitherCaseAndOthersAreIgnored) {
  app->p_iCade(1);
  Type("w1b?h");
  app->p_iCadeUpdate();
  int held = 0;
  for (int slot = 0; slot < 20; ++slot) held += app->m_Keys[slot];
  EXPECT_EQ(app->m_Keys[0], 2);
  EXPECT_EQ(app->m_Keys[10], 2);
  EXPECT_EQ(held, 4);
}

TEST_F(ICade, CabinetLettersHoldTheirSlotAcrossUpdates) {
  app->p_iCade(1);
  Type("H");
  Update();
  Update();
  EXPECT_EQ(app->m_Keys[10], 2);
  EXPECT_EQ(app->p_PlayKeyAll(10, 0), 4);
  Type("R");
  Update();
  EXPECT_EQ(app->m_Keys[10], 0);
}

TEST_F(ICade, NothingIsReadWhileSwitchedOff) {
  Type("W");
  app->p_iCadeUpdate();
  EXPECT_EQ(app->m_Keys[0], 0);
  EXPECT_EQ(zu_input_GetChar(), 'W');
}

TEST_F(ICade, SwitchingOffDisablesTheKeyboardAndFreesTheCabinetSlots) {
  app->p_iCade(1);
  for (int slot = 0; slot < 20; ++slot) app->m_Keys[slot] = 2;
  app->p_iCade(2);  // not a mode: nothing changes
  EXPECT_EQ(zu_Quor_iCadeControls, 1);
  EXPECT_EQ(app->m_Keys[3], 2);
  app->p_iCade(0);
  EXPECT_EQ(zu_Quor_iCadeControls, 0);
  EXPECT_FALSE(host.KeyboardEnabled());
  for (int slot = 0; slot < 19; ++slot) EXPECT_EQ(app->m_Keys[slot], 0) << "slot " << slot;
  EXPECT_EQ(app->m_Keys[19], 2);
}

}  // namespace
