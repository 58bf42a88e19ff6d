// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts asked of GDI by family, smoothed, at a size in window pixels.
#pragma once

#include <windows.h>

#include "view/table_layers.h"

namespace morvane {

// A GDI font, deleted with its owner.
class Font {
public:
    Font() = default;
    // The family asked for when the system has it, else its metric twin; `pixelSize` tall in window pixels.
    Font(const FontAsked& asked, int pixelSize);
    Font(Font&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
    Font& operator=(Font&& other) noexcept;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font();
    HFONT handle() const { return font_; }

private:
    HFONT font_ = nullptr;
};

}  // namespace morvane
