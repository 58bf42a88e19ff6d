// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The folder of the sound files, chosen once at start-up.
#include "sound_folder.h"

#include <filesystem>
#include <system_error>

#include "game/sound_cues.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

bool holdsSoundFiles(const fs::path& folder)
{
    std::error_code unreadable;
    for (const char* file : kSoundFiles) {
        if (fs::is_regular_file(folder / fs::path(file).make_preferred(), unreadable)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string soundFolder(const std::string& programFolder)
{
    // An installed game lies in games/ and its sound files in share/games/morvane/ of the same prefix;
    // the build gives the way from one to the other, so the installed tree can be moved anywhere.
    const fs::path installed = fs::path(programFolder) / MORVANE_SOUND_FOLDER_FROM_PROGRAM;
    if (!holdsSoundFiles(programFolder) && holdsSoundFiles(installed)) {
        return installed.lexically_normal().string();
    }
    return programFolder;
}

}  // namespace morvane
