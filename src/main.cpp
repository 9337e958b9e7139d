// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/kept_choices.h"
#include "main_window/show_main_window.h"
#include "resources/application.h"
#include "resources/command_line.h"
#include "resources/language.h"
#include "resources/pictures.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <cstdio>

namespace {

// A program cannot place its own window on Wayland, and the main window is moved by dragging
// its surface: where an X server is reachable too, it is used unless the user chose otherwise.
void preferX11ForDragging() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// With nowhere to show the game, Qt would abort the program: it ends with a message instead.
bool displayIsSet() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("quatrelle: no display to show the game on: neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set.\n",
                   stderr);
        return false;
    }
#endif
    return true;
}

// A build that lacks a picture would show a blank board: it ends with a message instead.
bool picturesArePresent() {
    QStringList missing = quatrelle::resources::MissingPictures();
#ifdef QUATRELLE_TEST_HOOKS
    // Only the test build has this: it stands in for a build that lacks the named picture.
    if (const QString hidden = qEnvironmentVariable("QUATRELLE_TEST_MISSING_PICTURE");
        !hidden.isEmpty())
        missing.append(hidden);
#endif
    if (missing.isEmpty())
        return true;
    const QString message =
        QCoreApplication::translate("main",
                                    "Quatrelle ne peut pas démarrer : l'image %1 manque à ce "
                                    "programme. Veuillez le réinstaller.",
                                    "%1 is the missing picture's file name")
            .arg(missing.join(QStringLiteral(", ")));
    std::fprintf(stderr, "quatrelle: %s\n", qPrintable(message));
    quatrelle::resources::SetApplicationIcon();
    QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), message);
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    const auto parsed = quatrelle::resources::ParseCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const auto& options = std::get<quatrelle::resources::Options>(parsed);

    if (!displayIsSet())
        return 1;
    preferX11ForDragging();
    QApplication app(argc, argv);
    quatrelle::resources::DescribeApplication();
    quatrelle::resources::InstallTranslations(app, QLocale::system().uiLanguages());

    if (!picturesArePresent())
        return 1;

    // The command line chooses for this run alone, over what the settings keep.
    quatrelle::main_window::Form1 form(
        quatrelle::main_window::KeptChoices({options.computerPlayer, options.level}));
    quatrelle::main_window::ShowMainWindow(form);
    return QApplication::exec();
}
