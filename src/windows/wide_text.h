// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's UTF-8 texts and names as the system's wide functions take them, and back.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

}  // namespace morvane
