// The reserve, a press on the bare table, and the blink of the base-value label.
#pragma once

#include "game/game.h"

namespace morvane {

void Mazzo2_Click(Game& game);
void Form_MouseDown(Game& game);
void Timer1_Timer(Game& game);

}  // namespace morvane
