// The game: the table state together with the ports through which it reaches the machine.
#pragma once

#include "ports.h"
#include "table.h"

namespace morvane {

struct Game {
    Table table;
    Ports ports;
};

}  // namespace morvane
