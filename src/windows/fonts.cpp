// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Liberation's faces where installed; on a plain Windows, Times New Roman and Arial, whose metrics they share.
#include "fonts.h"

#include <string>

#include "wide_text.h"

namespace morvane {
namespace {

bool installed(const std::wstring& family)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

Font::Font(const FontAsked& asked, int pixelSize)
{
    const std::wstring family = widen(asked.family);
    const std::wstring chosen = installed(family) ? family : widen(asked.twin);
    font_ = CreateFontW(-pixelSize, 0, 0, 0, asked.bold ? FW_BOLD : FW_NORMAL, asked.italic ? TRUE : FALSE, FALSE,
                        FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, chosen.c_str());
}

Font& Font::operator=(Font&& other) noexcept
{
    if (this != &other) {
        if (font_ != nullptr) {
            DeleteObject(font_);
        }
        font_ = other.font_;
        other.font_ = nullptr;
    }
    return *this;
}

Font::~Font()
{
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

}  // namespace morvane
