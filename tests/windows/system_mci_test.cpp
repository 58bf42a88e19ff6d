// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The names under which the system's MCI is asked to open the sound files, in a folder with letters
// beyond the system's code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "windows/system_mci.h"

namespace morvane {
namespace {

TEST(SystemMci, AFileBeyondTheCodePageIsOpenedByAShortNameOfThatFile)
{
    std::wstring temp(MAX_PATH, L'\0');
    temp.resize(GetTempPathW(MAX_PATH, temp.data()));
    const std::wstring folder = temp + L"Gi\u00F2chi \u2660";
    const std::wstring file = folder + L"\\carta.wav";
    CreateDirectoryW(folder.c_str(), nullptr);
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));

    SystemMci mci(false);
    const std::wstring name = mci.reachableName(file);
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](wchar_t c) { return c < 0x80; }));
    EXPECT_NE(GetFileAttributesW(name.c_str()), INVALID_FILE_ATTRIBUTES) << "the short name finds no file";
    EXPECT_EQ(mci.reachableName(temp + L"carta.wav"), temp + L"carta.wav") << "a plain name was changed";

    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace morvane
