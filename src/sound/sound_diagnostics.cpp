// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Why a sound stays silent: the listener of a game that wants no reasons, and what a file lacks.
#include "sound/sound_diagnostics.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace morvane {
namespace {

class Unheard final : public SoundDiagnostics {
public:
    void report(const std::string&) override {}
};

}  // namespace

SoundDiagnostics& unheardDiagnostics()
{
    static Unheard unheard;
    return unheard;
}

std::string whyUnreadable(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        return "is missing";
    }
    if (error) {
        return "cannot be read: " + error.message();
    }
    if (!fs::is_regular_file(status)) {
        return "is not a file";
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::string("cannot be read: ") + std::strerror(errno);
    }
    const bool empty = std::fgetc(file) == EOF;
    std::fclose(file);
    return empty ? "is empty" : "";
}

}  // namespace morvane
