// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "credits.h"

#include "resources/version.h"

namespace quatrelle::about {

namespace {

constexpr std::string_view Credits =
    "Programmation : l'\u00e9quipe de d\u00e9veloppement de Korvantis - Graphismes : l'atelier "
    "graphique de Korvantis - visitez le site web de Korvantis sur https://www.korvantis.example"
    " - ";

} // namespace

std::string AboutText(const VersionInfo& version) {
    std::string text(Credits);
    text += "Version " + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
            std::to_string(version.revision);
    if (version.major == 0) {
        text += " - Version beta, ne pas distribuer - ";
        text += version.comments;
    }
    text += " - Copyright (C) " + std::to_string(version.year) +
            " Korvantis, tous droits r\u00e9serv\u00e9s";
    return text;
}

std::string AboutText() {
    return AboutText({version::Major, version::Minor, version::Revision, version::Comments,
                      version::CopyrightYear});
}

} // namespace quatrelle::about
