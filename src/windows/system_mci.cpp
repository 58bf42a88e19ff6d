// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Every command string goes to mciSendStringW; a failing one leaves its player silent.
#include "system_mci.h"

#include <mmsystem.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "wide_text.h"

namespace morvane {

bool SystemMci::send(const std::wstring& command, std::wstring& reply)
{
    std::array<wchar_t, 256> answer{};
    const MCIERROR error = mciSendStringW(command.c_str(), answer.data(), static_cast<UINT>(answer.size()), window_);
    reply = answer.data();
    if (log_) {
        std::string outcome = "ok";
        if (error != 0) {
            std::array<wchar_t, 256> text{};
            mciGetErrorStringW(error, text.data(), static_cast<UINT>(text.size()));
            outcome = "error " + std::to_string(error) + ": " + narrow(text.data());
        } else if (!reply.empty()) {
            outcome = "ok: " + narrow(reply);
        }
        std::fprintf(stderr, "morvane.sound: MCI \"%s\" -> %s\n", narrow(command).c_str(), outcome.c_str());
        std::fflush(stderr);
    }
    return error == 0;
}

std::wstring SystemMci::reachableName(const std::wstring& path)
{
    BOOL beyondCodePage = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), static_cast<int>(path.size()), nullptr, 0,
                        nullptr, &beyondCodePage);
    if (beyondCodePage == FALSE) {
        return path;
    }
    std::wstring shortName(GetShortPathNameW(path.c_str(), nullptr, 0), L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
    if (length == 0 || length >= shortName.size()) {
        return path;
    }
    shortName.resize(length);
    return shortName;
}

unsigned SystemMci::deviceOf(const std::wstring& alias) { return mciGetDeviceIDW(alias.c_str()); }

bool soundLogWanted()
{
    for (const char* variable : {"MORVANE_LOGGING_RULES", "QT_LOGGING_RULES"}) {
        const char* rules = std::getenv(variable);
        const std::string text = rules != nullptr ? rules : "";
        if (text.find("morvane.*=true") != std::string::npos || text.find("morvane.sound=true") != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace morvane
